// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/scene_text_values.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "tools/scene_script.h"

namespace sample_maker::scene_text {

namespace {

// Whole-number arithmetic over one field; the field holds no spaces.
class NumberParser {
 public:
  NumberParser(const std::string& text, const Scope& scope) : s_(text), scope_(scope) {}

  Number whole() {
    Number n = sum();
    if (pos_ != s_.size()) fail("unexpected \"" + s_.substr(pos_) + "\" in \"" + s_ + "\"");
    return n;
  }

 private:
  bool eat(char ch) {
    if (pos_ < s_.size() && s_[pos_] == ch) return ++pos_, true;
    return false;
  }
  Number sum() {
    Number left = product();
    for (;;) {
      if (eat('+'))
        left = [l = left, r = product()](Env& e) { return l(e) + r(e); };
      else if (eat('-'))
        left = [l = left, r = product()](Env& e) { return l(e) - r(e); };
      else
        return left;
    }
  }
  Number product() {
    Number left = factor();
    for (;;) {
      if (eat('*')) {
        left = [l = left, r = factor()](Env& e) { return l(e) * r(e); };
      } else if (pos_ < s_.size() && (s_[pos_] == '/' || s_[pos_] == '%')) {
        const bool remainder = s_[pos_++] == '%';
        left = [l = left, r = factor(), remainder](Env& e) {
          const int a = l(e), b = r(e);
          if (b == 0) fail("division by zero");
          return remainder ? a % b : a / b;
        };
      } else {
        return left;
      }
    }
  }
  Number factor() {
    if (eat('-')) return [f = factor()](Env& e) { return -f(e); };
    if (eat('(')) {
      Number inner = sum();
      if (!eat(')')) fail("a \")\" is missing in \"" + s_ + "\"");
      return inner;
    }
    if (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) {
      int value = 0;
      while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) {
        value = value * 10 + (s_[pos_++] - '0');
        if (value > 100000) fail("number too large in \"" + s_ + "\"");
      }
      return [value](Env&) { return value; };
    }
    const std::size_t start = pos_;
    while (pos_ < s_.size() && std::isalpha(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    const std::string name = s_.substr(start, pos_ - start);
    if (name.empty()) fail("a number is expected in \"" + s_ + "\"");
    if (eat('(')) return call(name);
    if (std::find(scope_.begin(), scope_.end(), name) == scope_.end()) fail("unknown name \"" + name + "\"");
    return [name](Env& e) { return e.vars.at(name); };
  }
  Number call(const std::string& name) {
    Number a = sum();
    if (!eat(',')) fail(name + " takes two numbers");
    Number b = sum();
    if (!eat(')')) fail(name + " takes two numbers");
    if (name == "pick") return [a, b](Env& e) { return e.c.pick(a(e), b(e)); };
    if (name == "near") return [a, b](Env& e) { return e.c.near(a(e), b(e)); };
    fail("unknown function \"" + name + "\"");
  }

  const std::string& s_;
  const Scope& scope_;
  std::size_t pos_ = 0;
};

}  // namespace

void fail(const std::string& what) { throw SceneScriptError(what); }

Number number(const std::string& text, const Scope& scope) { return NumberParser(text, scope).whole(); }

std::vector<std::string> split(const std::string& text, char by) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, by)) parts.push_back(part);
  if (!text.empty() && text.back() == by) parts.emplace_back();
  return parts;
}

namespace {
Colour plainColour(const std::string& text, const Scope& scope) {
  const auto parts = split(text, ',');
  if (parts.size() != 3) fail("a colour is R,G,B, not \"" + text + "\"");
  Number r = number(parts[0], scope), g = number(parts[1], scope), b = number(parts[2], scope);
  return [r, g, b, text](Env& e) {
    const int values[] = {r(e), g(e), b(e)};
    for (int v : values) {
      if (v < 0 || v > 255) fail("colour \"" + text + "\" out of 0..255");
    }
    return QColor(values[0], values[1], values[2]);
  };
}

}  // namespace

Colour colour(const std::string& text, const Scope& scope) {
  const bool oneOf = text.rfind("oneOf(", 0) == 0, nth = text.rfind("nth(", 0) == 0;
  if (!oneOf && !nth) return plainColour(text, scope);
  if (text.back() != ')') fail("a \")\" is missing in \"" + text + "\"");
  const std::string inside = text.substr(oneOf ? 6 : 4, text.size() - (oneOf ? 7 : 5));
  auto parts = split(inside, '|');
  Number index = [](Env&) { return 0; };
  if (nth) {
    index = number(parts.front(), scope);
    parts.erase(parts.begin());
  }
  if (parts.empty()) fail("no colours to choose from in \"" + text + "\"");
  std::vector<Colour> options;
  for (const std::string& p : parts) options.push_back(plainColour(p, scope));
  if (oneOf) {
    // Colour lists hold plain numbers only, as the generator's draw must not depend on them.
    return [options](Env& e) {
      std::vector<QColor> values;
      for (const Colour& o : options) values.push_back(o(e));
      return e.c.oneOf(values);
    };
  }
  return [options, index, text](Env& e) {
    const int i = index(e);
    if (i < 0 || i >= static_cast<int>(options.size())) fail("nth out of range in \"" + text + "\"");
    return options[static_cast<std::size_t>(i)](e);
  };
}

void declare(Scope& scope, const std::string& name) {
  if (name.empty() || !std::all_of(name.begin(), name.end(), [](unsigned char ch) { return std::isalpha(ch); }))
    fail("a name is letters only, not \"" + name + "\"");
  if (std::find(scope.begin(), scope.end(), name) != scope.end()) fail("\"" + name + "\" is already in use");
  scope.push_back(name);
}

}  // namespace sample_maker::scene_text
