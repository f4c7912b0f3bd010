// SPDX-License-Identifier: GPL-2.0-or-later
// Animals, seen from the side, head to the right.
#include "tools/scene_pieces.h"

namespace sample_maker::pieces {

namespace {

const QColor kEye(20, 20, 20);

Shapes cat(const Piece& p) {
  Shapes s{oval("", -18, -22, 30, 18, p.colour),
           box("", -14, -10, 5, 10, p.colour),
           box("", 4, -10, 5, 10, p.colour),
           oval("", 6, -34, 18, 16, p.colour),
           polygon("", {{8, -30}, {10, -40}, {14, -32}}, p.colour),
           polygon("", {{17, -32}, {22, -40}, {23, -30}}, p.colour),
           oval("", 16, -29, 3, 3, kEye)};
  if (p.variant == 0)
    s.push_back(polyline("", {{-18, -16}, {-26, -26}, {-24, -36}}, p.colour, 4));
  else
    s.push_back(polyline("", {{-18, -14}, {-30, -12}, {-34, -4}}, p.colour, 4));
  return s;
}

Shapes dog(const Piece& p) {
  const QColor ear = accentOr(p, p.colour.darker(140));
  return {oval("", -24, -30, 40, 20, p.colour), box("", -20, -14, 6, 14, p.colour),
          box("", 6, -14, 6, 14, p.colour),     oval("", 8, -44, 22, 20, p.colour),
          oval("", 24, -36, 12, 8, p.colour),   oval("", 10, -44, 8, 16, ear),
          oval("", 21, -39, 3, 3, kEye),        polyline("", {{-24, -24}, {-32, -34}}, p.colour, 4)};
}

Shapes cow(const Piece& p) {
  const QColor spots = accentOr(p, QColor(40, 40, 40));
  Shapes s{box("", -36, -48, 60, 30, p.colour, spots, 1),
           box("", -32, -20, 7, 20, p.colour),
           box("", -16, -20, 7, 20, p.colour),
           box("", 6, -20, 7, 20, p.colour),
           box("", 16, -20, 7, 20, p.colour),
           box("", 22, -58, 20, 24, p.colour, spots, 1),
           oval("", 26, -42, 18, 12, QColor(240, 180, 180)),
           oval("", 34, -54, 3, 3, kEye),
           oval("", -24, -44, 16, 12, spots)};
  if (p.variant == 1) s.push_back(oval("", 0, -40, 14, 12, spots));
  return s;
}

Shapes duck(const Piece& p) {
  return {oval("", -16, -18, 28, 16, p.colour), oval("", 4, -30, 14, 14, p.colour),
          polygon("", {{16, -25}, {24, -23}, {16, -20}}, accentOr(p, QColor(240, 150, 30))),
          oval("", 11, -26, 3, 3, kEye), polygon("", {{-16, -12}, {-22, -18}, {-12, -14}}, p.colour.darker(115))};
}

Shapes fish(const Piece& p) {
  return {oval("", -16, -18, 30, 16, p.colour),
          polygon("", {{-14, -10}, {-26, -18}, {-26, -2}}, accentOr(p, p.colour.darker(130))),
          oval("", 6, -13, 4, 4, kEye)};
}

Shapes hen(const Piece& p) {
  return {oval("", -14, -24, 26, 20, p.colour),
          oval("", 6, -34, 12, 12, p.colour),
          polygon("", {{9, -34}, {12, -40}, {15, -34}}, QColor(220, 30, 30)),
          polygon("", {{18, -29}, {23, -27}, {18, -25}}, QColor(240, 170, 40)),
          box("", -4, -6, 2, 6, QColor(240, 170, 40)),
          box("", 3, -6, 2, 6, QColor(240, 170, 40)),
          oval("", 13, -31, 2, 2, kEye)};
}

Shapes sheep(const Piece& p) {
  return {box("", -16, -12, 4, 12, QColor(50, 50, 50)), box("", 8, -12, 4, 12, QColor(50, 50, 50)),
          oval("", -22, -32, 20, 20, p.colour),         oval("", -8, -34, 22, 22, p.colour),
          oval("", -16, -26, 34, 16, p.colour),         oval("", 12, -32, 12, 14, accentOr(p, QColor(50, 50, 50)))};
}

}  // namespace

const Family& animals() {
  static const Family kinds = {{PieceKind::Cat, "Cat", cat, 2, false},      {PieceKind::Dog, "Dog", dog, 1, false},
                               {PieceKind::Cow, "Cow", cow, 2, false},      {PieceKind::Duck, "Duck", duck, 1, false},
                               {PieceKind::Fish, "Fish", fish, 1, true},    {PieceKind::Hen, "Hen", hen, 1, false},
                               {PieceKind::Sheep, "Sheep", sheep, 1, false}};
  return kinds;
}

}  // namespace sample_maker::pieces
