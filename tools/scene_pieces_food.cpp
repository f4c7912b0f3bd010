// SPDX-License-Identifier: GPL-2.0-or-later
// Food and things on a table or a market stall.
#include "tools/scene_pieces.h"

namespace sample_maker::pieces {

namespace {

const QColor kLeaf(60, 150, 60), kStalk(100, 70, 40);

Shapes apple(const Piece& p) {
  return {oval("", -10, -20, 20, 19, p.colour), box("", -1, -25, 2, 6, kStalk), oval("", 1, -26, 8, 5, kLeaf)};
}

Shapes pear(const Piece& p) {
  return {oval("", -10, -18, 20, 18, p.colour), oval("", -6, -28, 12, 16, p.colour), box("", -1, -32, 2, 5, kStalk)};
}

Shapes bread(const Piece& p) {
  const QColor cut = p.colour.darker(125);
  return {oval("", -24, -18, 48, 18, p.colour), polyline("", {{-12, -14}, {-6, -6}}, cut, 2),
          polyline("", {{0, -15}, {6, -6}}, cut, 2), polyline("", {{12, -14}, {17, -7}}, cut, 2)};
}

Shapes cake(const Piece& p) {
  Shapes s{box("", -24, -24, 48, 24, p.colour, p.colour.darker(130), 1),
           box("", -24, -28, 48, 6, accentOr(p, QColor(250, 245, 240)))};
  const int candles = 1 + p.variant;
  for (int i = 0; i < candles; ++i) {
    const int x = -3 + (i - candles / 2) * 12;
    s.push_back(box("", x, -40, 5, 12, QColor(90, 140, 220)));
    s.push_back(oval("", x, -46, 5, 6, QColor(250, 190, 40)));
  }
  return s;
}

Shapes cup(const Piece& p) {
  return {oval("", 6, -16, 12, 12, QColor(), p.colour, 3),
          polygon("", {{-10, -20}, {10, -20}, {8, 0}, {-8, 0}}, p.colour),
          box("", -8, -20, 16, 3, accentOr(p, QColor(110, 70, 40)))};
}

Shapes plate(const Piece& p) {
  return {oval("", -22, -8, 44, 8, p.colour, p.colour.darker(130), 1), oval("", -12, -7, 24, 5, p.colour.darker(108))};
}

Shapes bottle(const Piece& p) {
  return {box("", -7, -30, 14, 30, p.colour), polygon("", {{-7, -30}, {-3, -38}, {3, -38}, {7, -30}}, p.colour),
          box("", -3, -44, 6, 7, accentOr(p, QColor(200, 40, 40))), box("", -7, -22, 14, 9, QColor(240, 235, 210))};
}

Shapes cheese(const Piece& p) {
  return {polygon("", {{-20, 0}, {-20, -14}, {18, -22}, {20, 0}}, p.colour, p.colour.darker(130), 1),
          oval("", -10, -10, 6, 6, p.colour.darker(118)), oval("", 4, -8, 5, 5, p.colour.darker(118))};
}

Shapes melon(const Piece& p) {
  return {polygon("", {{-22, -20}, {22, -20}, {16, -8}, {0, -2}, {-16, -8}}, QColor(60, 140, 60)),
          polygon("", {{-19, -20}, {19, -20}, {13, -10}, {0, -5}, {-13, -10}}, p.colour),
          oval("", -8, -16, 3, 4, QColor(30, 30, 30)), oval("", 4, -15, 3, 4, QColor(30, 30, 30))};
}

Shapes crate(const Piece& p) {
  const QColor wood = accentOr(p, QColor(190, 140, 80));
  Shapes s;
  const int fruits = 3 + p.variant;
  for (int i = 0; i < fruits; ++i) s.push_back(oval("", -30 + i * (56 / fruits), -34 + (i % 2) * 3, 14, 14, p.colour));
  s.push_back(box("", -34, -24, 68, 24, wood, wood.darker(140), 2));
  s.push_back(box("", -34, -14, 68, 3, wood.darker(125)));
  return s;
}

}  // namespace

const Family& food() {
  static const Family kinds = {
      {PieceKind::Apple, "Apple", apple, 1, false},    {PieceKind::Pear, "Pear", pear, 1, false},
      {PieceKind::Bread, "Bread", bread, 1, false},    {PieceKind::Cake, "Cake", cake, 3, false},
      {PieceKind::Cup, "Cup", cup, 1, false},          {PieceKind::Plate, "Plate", plate, 1, false},
      {PieceKind::Bottle, "Bottle", bottle, 1, false}, {PieceKind::Cheese, "Cheese", cheese, 1, false},
      {PieceKind::Melon, "Melon", melon, 1, false},    {PieceKind::Crate, "Crate", crate, 3, false}};
  return kinds;
}

}  // namespace sample_maker::pieces
