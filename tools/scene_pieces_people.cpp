// SPDX-License-Identifier: GPL-2.0-or-later
// People as simple figures: the colour is the shirt, the accent the trousers or skirt.
#include "tools/scene_pieces.h"

namespace sample_maker::pieces {

namespace {

const QColor kSkin(240, 200, 165), kHair(90, 60, 35);

Shapes figure(const Piece& p, int height) {
  const int u = height / 10;  // one tenth of the figure
  const QColor legs = accentOr(p, QColor(50, 60, 110));
  Shapes s{box("", -2 * u, -5 * u, 2 * u, 5 * u, legs), box("", u / 2, -5 * u, 2 * u, 5 * u, legs),
           box("", -5 * u / 2, -9 * u + u / 2, 5 * u, 4 * u + u / 2, p.colour),
           oval("", -3 * u / 2, -10 * u - u, 3 * u, 3 * u, kSkin), box("", -3 * u / 2, -11 * u, 3 * u, u, kHair)};
  // Arms down, or one waving.
  s.push_back(box("", -7 * u / 2, -8 * u, u, 4 * u, p.colour));
  if (p.variant == 1) {
    s.push_back(box("", 5 * u / 2, -12 * u, u, 4 * u, p.colour));
  } else {
    s.push_back(box("", 5 * u / 2, -8 * u, u, 4 * u, p.colour));
  }
  if (p.variant == 2)
    s.push_back(polygon("", {{-2 * u, -11 * u}, {0, -14 * u}, {2 * u, -11 * u}}, QColor(220, 60, 60)));
  return s;
}

Shapes person(const Piece& p) { return figure(p, 60); }
Shapes child(const Piece& p) { return figure(p, 40); }

}  // namespace

const Family& people() {
  static const Family kinds = {{PieceKind::Person, "Person", person, 3, false},
                               {PieceKind::Child, "Child", child, 3, false}};
  return kinds;
}

}  // namespace sample_maker::pieces
