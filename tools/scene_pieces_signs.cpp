// SPDX-License-Identifier: GPL-2.0-or-later
// Signs with a few letters, flags, umbrellas and stall awnings. The letters are strokes,
// not a font, so they look the same on every machine and in metafiles.
#include "tools/scene_pieces.h"

#include <map>

namespace sample_maker::pieces {

namespace {

// Each letter as strokes on a grid 4 wide and 6 high, y from the baseline upwards.
using Stroke = std::vector<std::pair<int, int>>;
const std::map<char, std::vector<Stroke>>& strokeFont() {
  static const std::map<char, std::vector<Stroke>> font = {
      {'A', {{{0, 0}, {0, 4}, {2, 6}, {4, 4}, {4, 0}}, {{0, 3}, {4, 3}}}},
      {'B', {{{0, 0}, {0, 6}, {3, 6}, {4, 5}, {3, 3}, {0, 3}}, {{3, 3}, {4, 2}, {4, 1}, {3, 0}, {0, 0}}}},
      {'C', {{{4, 6}, {0, 6}, {0, 0}, {4, 0}}}},
      {'E', {{{4, 6}, {0, 6}, {0, 0}, {4, 0}}, {{0, 3}, {3, 3}}}},
      {'F', {{{4, 6}, {0, 6}, {0, 0}}, {{0, 3}, {3, 3}}}},
      {'H', {{{0, 0}, {0, 6}}, {{4, 0}, {4, 6}}, {{0, 3}, {4, 3}}}},
      {'I', {{{2, 0}, {2, 6}}, {{1, 6}, {3, 6}}, {{1, 0}, {3, 0}}}},
      {'L', {{{0, 6}, {0, 0}, {4, 0}}}},
      {'M', {{{0, 0}, {0, 6}, {2, 3}, {4, 6}, {4, 0}}}},
      {'N', {{{0, 0}, {0, 6}, {4, 0}, {4, 6}}}},
      {'O', {{{0, 0}, {0, 6}, {4, 6}, {4, 0}, {0, 0}}}},
      {'P', {{{0, 0}, {0, 6}, {4, 6}, {4, 3}, {0, 3}}}},
      {'R', {{{0, 0}, {0, 6}, {4, 6}, {4, 3}, {0, 3}, {4, 0}}}},
      {'S', {{{4, 6}, {0, 6}, {0, 3}, {4, 3}, {4, 0}, {0, 0}}}},
      {'T', {{{0, 6}, {4, 6}}, {{2, 6}, {2, 0}}}},
      {'U', {{{0, 6}, {0, 0}, {4, 0}, {4, 6}}}},
  };
  return font;
}

Shapes sign(const Piece& p) {
  const std::string& word = signWords()[static_cast<std::size_t>(p.variant) % signWords().size()];
  const int width = static_cast<int>(word.size()) * 14 + 10;
  Shapes s{box("", -3, -30, 6, 30, QColor(90, 90, 95)),
           box("", -width / 2, -62, width, 32, p.colour, p.colour.darker(150), 2)};
  const Shapes text = lettering(word, -width / 2 + 7, -38, 16, accentOr(p, QColor(255, 255, 255)));
  s.insert(s.end(), text.begin(), text.end());
  return s;
}

Shapes flag(const Piece& p) {
  const QColor stripe = accentOr(p, QColor(255, 255, 255));
  return {box("", -2, -90, 4, 90, QColor(120, 120, 120)), box("", 2, -88, 42, 28, p.colour),
          box("", 2, -78, 42, 8, stripe)};
}

Shapes umbrella(const Piece& p) {
  const QColor stripe = accentOr(p, QColor(250, 250, 250));
  return {box("", -2, -70, 4, 70, QColor(110, 110, 110)),
          polygon("", {{-44, -60}, {-30, -76}, {0, -84}, {30, -76}, {44, -60}}, p.colour),
          polygon("", {{-14, -60}, {-8, -80}, {8, -80}, {14, -60}}, stripe)};
}

Shapes awning(const Piece& p) {
  const QColor stripe = accentOr(p, QColor(250, 250, 250));
  Shapes s{box("", -56, -96, 4, 96, QColor(120, 90, 60)), box("", 52, -96, 4, 96, QColor(120, 90, 60)),
           box("", -60, -100, 120, 24, p.colour)};
  for (int i = 0; i < 4; ++i) s.push_back(box("", -48 + i * 30, -100, 14, 24, stripe));
  s.push_back(box("", -56, -44, 112, 8, QColor(150, 110, 70)));
  return s;
}

}  // namespace

const std::vector<std::string>& signWords() {
  static const std::vector<std::string> words = {"BAR",   "PANE", "LATTE", "PESCE", "TRENI", "STOP",
                                                 "HOTEL", "MARE", "FIORI", "SOLE",  "CAFFE", "FRUTTA"};
  return words;
}

Shapes lettering(const std::string& word, int left, int baseline, int letterHeight, QColor ink) {
  const int unit = letterHeight / 6 > 0 ? letterHeight / 6 : 1;
  const int pen = unit > 2 ? 2 : 1;
  Shapes s;
  int x = left;
  for (char c : word) {
    const auto found = strokeFont().find(c);
    if (found != strokeFont().end()) {
      for (const Stroke& stroke : found->second) {
        std::vector<QPoint> points;
        for (const auto& [gx, gy] : stroke) points.emplace_back(x + gx * unit, baseline - gy * unit);
        s.push_back(polyline("", points, ink, pen));
      }
    }
    x += 6 * unit;
  }
  return s;
}

const Family& signs() {
  static const Family kinds = {{PieceKind::Sign, "Sign", sign, static_cast<int>(signWords().size()), false},
                               {PieceKind::Flag, "Flag", flag, 1, false},
                               {PieceKind::Umbrella, "Umbrella", umbrella, 1, false},
                               {PieceKind::Awning, "Awning", awning, 1, false}};
  return kinds;
}

}  // namespace sample_maker::pieces
