// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/scene_table.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace sample_maker {

namespace {

[[noreturn]] void fail(const std::string& what) { throw SceneTableError(what); }

int number(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < -1000 || value > 1000) {
    fail("\"" + text + "\" is not a number");
  }
  return value;
}

QColor colour(const std::string& text) {
  std::istringstream in(text);
  int rgb[3] = {-1, -1, -1};
  char comma1 = 0, comma2 = 0;
  in >> rgb[0] >> comma1 >> rgb[1] >> comma2 >> rgb[2];
  const bool inRange = rgb[0] >= 0 && rgb[0] <= 255 && rgb[1] >= 0 && rgb[1] <= 255 && rgb[2] >= 0 && rgb[2] <= 255;
  if (!in || !in.eof() || comma1 != ',' || comma2 != ',' || !inRange) fail("\"" + text + "\" is not a colour R,G,B");
  return QColor(rgb[0], rgb[1], rgb[2]);
}

const std::string& kind(const std::string& name) {
  static const std::vector<std::string> kinds = pieceKinds();
  if (name == "Block" || std::find(kinds.begin(), kinds.end(), name) == kinds.end()) {
    fail("unknown piece \"" + name + "\"");
  }
  return name;
}

// KIND X Y R,G,B [SCALE [VARIANT [ACCENT]]] [mirrored], from the words at first on.
Piece pieceOf(std::string name, const std::vector<std::string>& w, std::size_t first, bool extra) {
  std::size_t end = w.size();
  const bool mirrored = !extra && end > first + 4 && w[end - 1] == "mirrored";
  if (mirrored) --end;
  const std::size_t fields = end - first;
  if (fields < 4 || fields > (extra ? 6u : 7u)) fail("a piece reads KIND X Y R,G,B [SCALE [VARIANT [ACCENT]]]");
  Piece p = piece(std::move(name), kind(w[first]), number(w[first + 1]), number(w[first + 2]), colour(w[first + 3]));
  if (fields > 4) p.scale = number(w[first + 4]);
  if (fields > 5) p.variant = number(w[first + 5]);
  if (fields > 6 && w[first + 6] != "-") p.accent = colour(w[first + 6]);
  if (p.scale < 10 || p.variant < 0 || p.variant >= variantCount(p.kind)) fail("scale or variant out of range");
  p.mirrored = mirrored;
  return p;
}

}  // namespace

std::vector<SceneDesign> readSceneTables(const std::string& source, const std::string& text) {
  std::vector<SceneDesign> scenes;
  std::istringstream in(text);
  std::string line;
  for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
    std::istringstream fields(line);
    std::vector<std::string> w;
    for (std::string word; fields >> word;) w.push_back(word);
    if (w.empty() || w[0][0] == '#') continue;
    try {
      if (w[0] == "scene") {
        if (w.size() != 2) fail("the line should read: scene NAME");
        for (const SceneDesign& s : scenes) {
          if (s.name == w[1]) fail("scene \"" + w[1] + "\" comes twice");
        }
        SceneDesign& d = scenes.emplace_back();
        d.name = w[1];
        d.layout = Layout{kSampleWidth, kSampleHeight, QColor(160, 205, 235), {}};
        continue;
      }
      if (scenes.empty()) fail("\"" + w[0] + "\" comes before any scene");
      SceneDesign& d = scenes.back();
      const std::string name = std::to_string(d.layout.pieces.size() + 1);
      if (w[0] == "background") {
        if (w.size() != 2) fail("the line should read: background R,G,B");
        d.layout.background = colour(w[1]);
      } else if (w[0] == "band") {
        if (w.size() != 6) fail("the line should read: band X Y W H R,G,B");
        d.layout.add(block("b" + name, number(w[1]), number(w[2]), number(w[3]), number(w[4]), colour(w[5])));
      } else if (w[0] == "extra") {
        d.extras.push_back(pieceOf("extra" + std::to_string(d.extras.size() + 1), w, 1, true));
      } else {
        d.layout.add(pieceOf("p" + name, w, 0, false));
      }
    } catch (const SceneTableError& e) {
      throw SceneTableError(source + " line " + std::to_string(lineNumber) + ": " + e.what());
    }
  }
  return scenes;
}

}  // namespace sample_maker
