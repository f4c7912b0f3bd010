// SPDX-License-Identifier: GPL-2.0-or-later
// Nature: trees, pines, bushes, flowers, rocks, mushrooms.
#include "tools/scene_pieces.h"

namespace sample_maker::pieces {

namespace {

const QColor kBark(110, 75, 45);

Shapes tree(const Piece& p) {
  Shapes s{box("", -5, -40, 10, 40, kBark), oval("", -28, -88, 56, 54, p.colour)};
  // Fruit on the crown: none, three or five.
  const int fruit[][2] = {{-14, -70}, {8, -76}, {2, -54}, {-18, -52}, {14, -58}};
  const int count = p.variant == 0 ? 0 : (p.variant == 1 ? 3 : 5);
  for (int i = 0; i < count; ++i)
    s.push_back(oval("", fruit[i][0], fruit[i][1], 8, 8, accentOr(p, QColor(220, 40, 40))));
  return s;
}

Shapes pine(const Piece& p) {
  return {box("", -4, -14, 8, 14, kBark), polygon("", {{-24, -12}, {0, -56}, {24, -12}}, p.colour),
          polygon("", {{-18, -40}, {0, -80}, {18, -40}}, p.colour.lighter(110))};
}

Shapes bush(const Piece& p) {
  return {oval("", -24, -26, 28, 26, p.colour), oval("", -6, -32, 30, 32, p.colour.lighter(112)),
          oval("", 10, -22, 20, 22, p.colour)};
}

Shapes flower(const Piece& p) {
  Shapes s{box("", -1, -28, 3, 28, QColor(60, 140, 60)),
           polygon("", {{1, -10}, {12, -18}, {3, -6}}, QColor(60, 140, 60))};
  const int petals = 4 + p.variant;
  static const int dx[] = {0, 7, 7, 0, -7, -7, 4};
  static const int dy[] = {-7, -3, 4, 7, 4, -3, -8};
  for (int i = 0; i < petals && i < 7; ++i) s.push_back(oval("", dx[i] - 5, -34 + dy[i] - 5, 10, 10, p.colour));
  s.push_back(oval("", -4, -38, 8, 8, accentOr(p, QColor(250, 210, 40))));
  return s;
}

Shapes rock(const Piece& p) {
  return {
      polygon("", {{-22, 0}, {-18, -14}, {-6, -22}, {10, -20}, {20, -10}, {24, 0}}, p.colour, p.colour.darker(130), 1)};
}

Shapes mushroom(const Piece& p) {
  return {box("", -4, -12, 8, 12, QColor(240, 235, 220)),
          polygon("", {{-14, -10}, {-10, -20}, {0, -24}, {10, -20}, {14, -10}}, p.colour),
          oval("", -7, -19, 5, 5, QColor(255, 255, 255)), oval("", 3, -17, 4, 4, QColor(255, 255, 255))};
}

}  // namespace

const Family& nature() {
  static const Family kinds = {
      {PieceKind::Tree, "Tree", tree, 3, false}, {PieceKind::Pine, "Pine", pine, 1, false},
      {PieceKind::Bush, "Bush", bush, 1, false}, {PieceKind::Flower, "Flower", flower, 3, false},
      {PieceKind::Rock, "Rock", rock, 1, false}, {PieceKind::Mushroom, "Mushroom", mushroom, 1, false}};
  return kinds;
}

}  // namespace sample_maker::pieces
