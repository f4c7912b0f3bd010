// SPDX-License-Identifier: GPL-2.0-or-later
// Sky and weather: sun, clouds, moon, stars, birds, a kite, a balloon.
#include "tools/scene_pieces.h"

namespace sample_maker::pieces {

namespace {

Shapes sun(const Piece& p) {
  const QColor rays = accentOr(p, p.colour.darker(115));
  Shapes s;
  const int r[][4] = {{-2, -56, 4, 12}, {-2, -12, 4, 12}, {-28, -34, 12, 4}, {16, -34, 12, 4}};
  for (const auto& q : r) s.push_back(box("", q[0], q[1], q[2], q[3], rays));
  s.push_back(oval("", -16, -50, 32, 32, p.colour));
  return s;
}

Shapes cloud(const Piece& p) {
  return {oval("", -30, -22, 34, 20, p.colour), oval("", -14, -34, 32, 30, p.colour),
          oval("", 6, -24, 28, 22, p.colour), box("", -24, -14, 52, 12, p.colour)};
}

Shapes moon(const Piece& p) {
  const QColor sky = accentOr(p, QColor(25, 25, 112));
  if (p.variant == 1) return {oval("", -22, -44, 44, 44, p.colour)};  // full
  return {oval("", -22, -44, 44, 44, p.colour), oval("", -8, -50, 40, 40, sky)};
}

Shapes star(const Piece& p) {
  const int r = 9, q = 3;
  Shapes s{polygon("", {{0, -2 * r}, {q, -r - q}, {r, -r}, {q, -r + q}, {0, 0}, {-q, -r + q}, {-r, -r}, {-q, -r - q}},
                   p.colour)};
  if (p.variant == 1) s.push_back(oval("", -3, -r - 3, 6, 6, accentOr(p, QColor(255, 255, 255))));
  return s;
}

Shapes bird(const Piece& p) {
  return {polygon("", {{-14, -10}, {-6, -16}, {0, -9}, {6, -16}, {14, -10}, {6, -12}, {0, -5}, {-6, -12}}, p.colour)};
}

Shapes kite(const Piece& p) {
  const QColor tail = accentOr(p, QColor(200, 40, 40));
  return {polygon("", {{0, -60}, {16, -40}, {0, -18}, {-16, -40}}, p.colour, p.colour.darker(140), 1),
          polyline("", {{0, -18}, {-4, -10}, {4, -4}, {0, 0}}, tail, 2), box("", -6, -9, 12, 5, tail)};
}

Shapes balloon(const Piece& p) {
  return {oval("", -12, -52, 24, 30, p.colour), polygon("", {{-3, -23}, {3, -23}, {0, -19}}, p.colour.darker(130)),
          polyline("", {{0, -20}, {3, -10}, {0, 0}}, QColor(90, 90, 90), 1)};
}

}  // namespace

const Family& sky() {
  static const Family kinds = {{PieceKind::Sun, "Sun", sun, 1, true},
                               {PieceKind::Cloud, "Cloud", cloud, 1, true},
                               {PieceKind::Moon, "Moon", moon, 2, true},
                               {PieceKind::Star, "Star", star, 2, true},
                               {PieceKind::Bird, "Bird", bird, 1, true},
                               {PieceKind::Kite, "Kite", kite, 1, true},
                               {PieceKind::Balloon, "Balloon", balloon, 1, true}};
  return kinds;
}

}  // namespace sample_maker::pieces
