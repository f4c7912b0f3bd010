// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/scene_script.h"

#include <QFile>

#include <algorithm>
#include <cctype>
#include <functional>
#include <sstream>

#include "tools/scene_helpers.h"
#include "tools/scene_text_values.h"

namespace sample_maker {

namespace {

using namespace scene_text;
using Step = std::function<void(Env&)>;

PieceKind kind(const std::string& name) {
  const auto k = pieceKindNamed(name);
  if (!k) fail("unknown piece \"" + name + "\"");
  return *k;
}

}  // namespace

struct SceneScript::Scene {
  std::vector<Step> steps;
};

namespace {

// One parsed line: its call, and what a fault found while running it names.
class LineParser {
 public:
  LineParser(std::string where, Scope& scope) : where_(std::move(where)), scope_(scope) {}

  Step statement(const std::vector<std::string>& w) {
    Step step = parse(w);
    return [step, where = where_](Env& e) {
      try {
        step(e);
      } catch (const SceneScriptError& error) {
        throw SceneScriptError(where + ": " + error.what());
      }
    };
  }

 private:
  Step parse(const std::vector<std::string>& w) {
    const std::string& head = w[0];
    if (head == "background") {
      expect(w, 2, 2, "background COLOUR");
      return [k = colour(w[1], scope_)](Env& e) { e.c.background(k(e)); };
    }
    if (head == "band") {
      expect(w, 6, 6, "band X Y W H COLOUR");
      Colour k = colour(w[5], scope_);
      Number x = num(w[1]), y = num(w[2]), wd = num(w[3]), ht = num(w[4]);
      return [=](Env& e) {
        const QColor kc = k(e);
        const int hv = ht(e), wv = wd(e), yv = y(e);
        e.c.band(x(e), yv, wv, hv, kc);
      };
    }
    if (head == "let") {
      expect(w, 3, 3, "let NAME NUMBER");
      Number value = num(w[2]);
      declare(scope_, w[1]);
      return [name = w[1], value](Env& e) { e.vars[name] = value(e); };
    }
    if (head == "use") return use(w);
    if (head == "extra") {
      expect(w, 5, 7, "extra KIND X Y COLOUR [SCALE [VARIANT]]");
      const PieceKind k = kind(w[1]);
      std::vector<std::string> fields(w.begin() + 2, w.end());
      auto [x, y, c, scale, variant, accent] = pieceFields(fields);
      return [=](Env& e) {
        const int v = variant(e), s = scale(e);
        const QColor cv = c(e);
        const int yv = y(e);
        e.c.extra(k, x(e), yv, cv, s, v);
      };
    }
    std::vector<std::string> fields(w.begin() + 1, w.end());
    bool mirrored = false;
    std::optional<std::pair<Number, Number>> at;
    while (!fields.empty() && (fields.back() == "mirrored" || fields.back().rfind("at=", 0) == 0)) {
      if (fields.back() == "mirrored") {
        mirrored = true;
      } else {
        const auto xy = split(fields.back().substr(3), ',');
        if (xy.size() != 2) fail("at= takes X,Y");
        at = std::make_pair(num(xy[0]), num(xy[1]));
      }
      fields.pop_back();
    }
    const PieceKind k = kind(head);
    if (fields.size() < 3 || fields.size() > 6) fail("a piece is KIND X Y COLOUR [SCALE [VARIANT [ACCENT]]]");
    auto [x, y, c, scale, variant, accent] = pieceFields(fields);
    return [=](Env& e) {
      const QColor a = accent(e);
      const int v = variant(e), s = scale(e);
      const QColor cv = c(e);
      const int yv = y(e);
      Piece& p = e.c.put(k, x(e), yv, cv, s, v, a);
      p.mirrored = p.mirrored || mirrored;
      if (at) p.at = QPoint(at->first(e), at->second(e));
    };
  }

  struct PieceFields {
    Number x, y;
    Colour colour;
    Number scale, variant;
    Colour accent;
  };
  PieceFields pieceFields(const std::vector<std::string>& f) {
    PieceFields p{num(f[0]),
                  num(f[1]),
                  colour(f[2], scope_),
                  [](Env&) { return 100; },
                  [](Env&) { return 0; },
                  [](Env&) { return QColor(); }};
    if (f.size() > 3) p.scale = num(f[3]);
    if (f.size() > 4) p.variant = num(f[4]);
    if (f.size() > 5) p.accent = colour(f[5], scope_);
    return p;
  }

  Step use(const std::vector<std::string>& w) {
    if (w.size() < 2) fail("use HELPER ARGUMENT...");
    const SceneHelper* helper = sceneHelper(w[1]);
    if (!helper) fail("unknown helper \"" + w[1] + "\"");
    const std::string kinds = helper->arguments;
    if (w.size() - 2 != kinds.size()) fail(w[1] + " takes " + std::to_string(kinds.size()) + " arguments");
    std::vector<Number> numbers;
    std::vector<Colour> colours;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
      if (kinds[i] == 'c')
        colours.push_back(colour(w[i + 2], scope_));
      else
        numbers.push_back(num(w[i + 2]));
    }
    return [helper, numbers, colours](Env& e) {
      std::vector<int> n;
      std::vector<QColor> k;
      for (const Number& x : numbers) n.push_back(x(e));
      for (const Colour& x : colours) k.push_back(x(e));
      helper->run(e.c, n, k);
    };
  }

  Number num(const std::string& text) { return number(text, scope_); }
  static void expect(const std::vector<std::string>& w, std::size_t lo, std::size_t hi, const char* form) {
    if (w.size() < lo || w.size() > hi) fail(std::string("the line should read: ") + form);
  }

  std::string where_;
  Scope& scope_;
};

}  // namespace

void SceneScript::add(const std::string& source, const std::string& text) {
  struct Open {
    std::string var;
    Number count;
    std::vector<Step> body;
    std::size_t scopeSize;
    std::string where;
  };
  std::map<std::string, std::shared_ptr<const Scene>> added;
  std::string name;
  std::shared_ptr<Scene> scene;
  std::vector<Open> open;
  Scope scope;
  const auto closeScene = [&] {
    if (!open.empty()) throw SceneScriptError(open.back().where + ": repeat without end");
    if (scene) added[name] = scene;
  };
  const auto closeRepeat = [&](std::vector<Step>& into) {
    Open o = std::move(open.back());
    open.pop_back();
    scope.resize(o.scopeSize);
    into.push_back([o](Env& e) {
      int n = 0;
      try {
        n = o.count(e);
      } catch (const SceneScriptError& error) {
        throw SceneScriptError(o.where + ": " + error.what());
      }
      if (n < 0 || n > 1000) throw SceneScriptError(o.where + ": a repeat runs 0 to 1000 times");
      for (int i = 0; i < n; ++i) {
        e.vars[o.var] = i;
        for (const Step& s : o.body) s(e);
      }
    });
  };

  std::istringstream in(text);
  std::string line;
  for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
    std::istringstream fields(line);
    std::vector<std::string> w;
    for (std::string word; fields >> word;) w.push_back(word);
    if (w.empty() || w[0][0] == '#') continue;
    const std::string where = source + " line " + std::to_string(lineNumber) + (scene ? ", scene " + name : "");
    try {
      if (w[0] == "scene") {
        if (w.size() != 2) fail("the line should read: scene NAME");
        closeScene();
        if (scenes_.count(w[1]) || added.count(w[1])) fail("scene \"" + w[1] + "\" is already defined");
        name = w[1];
        scene = std::make_shared<Scene>();
        scope.clear();
        continue;
      }
      if (!scene) fail("\"" + w[0] + "\" comes before any scene");
      std::vector<Step>& into = open.empty() ? scene->steps : open.back().body;
      if (w[0] == "end") {
        if (w.size() != 1 || open.empty()) fail("end without repeat");
        std::vector<Step>& outer = open.size() == 1 ? scene->steps : open[open.size() - 2].body;
        closeRepeat(outer);
        continue;
      }
      if (w[0] == "repeat") {
        if (w.size() < 3) fail("the line should read: repeat NAME COUNT");
        std::string count = w[2];
        const bool oneLine = !count.empty() && count.back() == ':';
        if (oneLine) count.pop_back();
        if (oneLine != (w.size() > 3)) {
          fail(oneLine ? "repeat NAME COUNT: takes a line after the colon" : "the line should read: repeat NAME COUNT");
        }
        const std::size_t scopeSize = scope.size();
        Number n = number(count, scope);
        declare(scope, w[1]);
        open.push_back(Open{w[1], n, {}, scopeSize, where});
        if (oneLine) {
          open.back().body.push_back(LineParser(where, scope).statement({w.begin() + 3, w.end()}));
          closeRepeat(into);
        }
        continue;
      }
      into.push_back(LineParser(where, scope).statement(w));
    } catch (const SceneScriptError& error) {
      const std::string what = error.what();
      throw SceneScriptError(what.rfind(source, 0) == 0 ? what : where + ": " + what);
    }
  }
  closeScene();
  scenes_.insert(added.begin(), added.end());
}

std::vector<std::string> SceneScript::sceneNames() const {
  std::vector<std::string> names;
  for (const auto& entry : scenes_) names.push_back(entry.first);
  return names;
}

bool SceneScript::has(const std::string& scene) const { return scenes_.count(scene) > 0; }

void SceneScript::run(const std::string& scene, Composer& c) const {
  const auto it = scenes_.find(scene);
  if (it == scenes_.end()) throw SceneScriptError("no scene named \"" + scene + "\"");
  Env env{c, {}};
  for (const Step& step : it->second->steps) step(env);
}

const SceneScript& deliveredScenes() {
  static const SceneScript script = [] {
    SceneScript s;
    for (const char* family : {"country", "indoor", "open", "tables", "town"}) {
      QFile file(QString(":/scenes/%1.txt").arg(family));
      if (!file.open(QIODevice::ReadOnly)) throw SceneScriptError(std::string("missing scene text ") + family);
      s.add(std::string(family) + ".txt", file.readAll().toStdString());
    }
    return s;
  }();
  return script;
}

}  // namespace sample_maker
