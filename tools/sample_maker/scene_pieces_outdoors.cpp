// SPDX-License-Identifier: GPL-2.0-or-later
// Outdoors: the sky and its weather, nature, animals. Animals are seen from the side, head to the right.
#include "tools/scene_pieces.h"

namespace sample_maker::pieces {

namespace {

Shapes sun(const Piece& p) {
  const QColor rays = accentOr(p, p.colour.darker(115));
  Shapes s;
  const int r[][4] = {{-2, -56, 4, 12}, {-2, -12, 4, 12}, {-28, -34, 12, 4}, {16, -34, 12, 4}};
  for (const auto& q : r) s.push_back(box(q[0], q[1], q[2], q[3], rays));
  s.push_back(oval(-16, -50, 32, 32, p.colour));
  return s;
}

Shapes cloud(const Piece& p) {
  return {oval(-30, -22, 34, 20, p.colour), oval(-14, -34, 32, 30, p.colour), oval(6, -24, 28, 22, p.colour),
          box(-24, -14, 52, 12, p.colour)};
}

Shapes moon(const Piece& p) {
  const QColor sky = accentOr(p, QColor(25, 25, 112));
  if (p.variant == 1) return {oval(-22, -44, 44, 44, p.colour)};  // full
  return {oval(-22, -44, 44, 44, p.colour), oval(-8, -50, 40, 40, sky)};
}

Shapes star(const Piece& p) {
  const int r = 9, q = 3;
  Shapes s{polygon({{0, -2 * r}, {q, -r - q}, {r, -r}, {q, -r + q}, {0, 0}, {-q, -r + q}, {-r, -r}, {-q, -r - q}},
                   p.colour)};
  if (p.variant == 1) s.push_back(oval(-3, -r - 3, 6, 6, accentOr(p, QColor(255, 255, 255))));
  return s;
}

Shapes bird(const Piece& p) {
  return {polygon({{-14, -10}, {-6, -16}, {0, -9}, {6, -16}, {14, -10}, {6, -12}, {0, -5}, {-6, -12}}, p.colour)};
}

Shapes kite(const Piece& p) {
  const QColor tail = accentOr(p, QColor(200, 40, 40));
  return {polygon({{0, -60}, {16, -40}, {0, -18}, {-16, -40}}, p.colour, p.colour.darker(140), 1),
          polyline({{0, -18}, {-4, -10}, {4, -4}, {0, 0}}, tail, 2), box(-6, -9, 12, 5, tail)};
}

Shapes balloon(const Piece& p) {
  return {oval(-12, -52, 24, 30, p.colour), polygon({{-3, -23}, {3, -23}, {0, -19}}, p.colour.darker(130)),
          polyline({{0, -20}, {3, -10}, {0, 0}}, QColor(90, 90, 90), 1)};
}

const QColor kBark(110, 75, 45);

Shapes tree(const Piece& p) {
  Shapes s{box(-5, -40, 10, 40, kBark), oval(-28, -88, 56, 54, p.colour)};
  // Fruit on the crown: none, three or five.
  const int fruit[][2] = {{-14, -70}, {8, -76}, {2, -54}, {-18, -52}, {14, -58}};
  const int count = p.variant == 0 ? 0 : (p.variant == 1 ? 3 : 5);
  for (int i = 0; i < count; ++i) s.push_back(oval(fruit[i][0], fruit[i][1], 8, 8, accentOr(p, QColor(220, 40, 40))));
  return s;
}

Shapes pine(const Piece& p) {
  return {box(-4, -14, 8, 14, kBark), polygon({{-24, -12}, {0, -56}, {24, -12}}, p.colour),
          polygon({{-18, -40}, {0, -80}, {18, -40}}, p.colour.lighter(110))};
}

Shapes bush(const Piece& p) {
  return {oval(-24, -26, 28, 26, p.colour), oval(-6, -32, 30, 32, p.colour.lighter(112)),
          oval(10, -22, 20, 22, p.colour)};
}

Shapes flower(const Piece& p) {
  Shapes s{box(-1, -28, 3, 28, QColor(60, 140, 60)), polygon({{1, -10}, {12, -18}, {3, -6}}, QColor(60, 140, 60))};
  const int petals = 4 + p.variant;
  static const int dx[] = {0, 7, 7, 0, -7, -7, 4};
  static const int dy[] = {-7, -3, 4, 7, 4, -3, -8};
  for (int i = 0; i < petals && i < 7; ++i) s.push_back(oval(dx[i] - 5, -34 + dy[i] - 5, 10, 10, p.colour));
  s.push_back(oval(-4, -38, 8, 8, accentOr(p, QColor(250, 210, 40))));
  return s;
}

Shapes rock(const Piece& p) {
  return {polygon({{-22, 0}, {-18, -14}, {-6, -22}, {10, -20}, {20, -10}, {24, 0}}, p.colour, p.colour.darker(130), 1)};
}

Shapes mushroom(const Piece& p) {
  return {box(-4, -12, 8, 12, QColor(240, 235, 220)),
          polygon({{-14, -10}, {-10, -20}, {0, -24}, {10, -20}, {14, -10}}, p.colour),
          oval(-7, -19, 5, 5, QColor(255, 255, 255)), oval(3, -17, 4, 4, QColor(255, 255, 255))};
}

const QColor kEye(20, 20, 20);

Shapes cat(const Piece& p) {
  Shapes s{oval(-18, -22, 30, 18, p.colour),
           box(-14, -10, 5, 10, p.colour),
           box(4, -10, 5, 10, p.colour),
           oval(6, -34, 18, 16, p.colour),
           polygon({{8, -30}, {10, -40}, {14, -32}}, p.colour),
           polygon({{17, -32}, {22, -40}, {23, -30}}, p.colour),
           oval(16, -29, 3, 3, kEye)};
  if (p.variant == 0)
    s.push_back(polyline({{-18, -16}, {-26, -26}, {-24, -36}}, p.colour, 4));
  else
    s.push_back(polyline({{-18, -14}, {-30, -12}, {-34, -4}}, p.colour, 4));
  return s;
}

Shapes dog(const Piece& p) {
  const QColor ear = accentOr(p, p.colour.darker(140));
  return {oval(-24, -30, 40, 20, p.colour), box(-20, -14, 6, 14, p.colour),
          box(6, -14, 6, 14, p.colour),     oval(8, -44, 22, 20, p.colour),
          oval(24, -36, 12, 8, p.colour),   oval(10, -44, 8, 16, ear),
          oval(21, -39, 3, 3, kEye),        polyline({{-24, -24}, {-32, -34}}, p.colour, 4)};
}

Shapes cow(const Piece& p) {
  const QColor spots = accentOr(p, QColor(40, 40, 40));
  Shapes s{box(-36, -48, 60, 30, p.colour, spots, 1),
           box(-32, -20, 7, 20, p.colour),
           box(-16, -20, 7, 20, p.colour),
           box(6, -20, 7, 20, p.colour),
           box(16, -20, 7, 20, p.colour),
           box(22, -58, 20, 24, p.colour, spots, 1),
           oval(26, -42, 18, 12, QColor(240, 180, 180)),
           oval(34, -54, 3, 3, kEye),
           oval(-24, -44, 16, 12, spots)};
  if (p.variant == 1) s.push_back(oval(0, -40, 14, 12, spots));
  return s;
}

Shapes duck(const Piece& p) {
  return {oval(-16, -18, 28, 16, p.colour), oval(4, -30, 14, 14, p.colour),
          polygon({{16, -25}, {24, -23}, {16, -20}}, accentOr(p, QColor(240, 150, 30))), oval(11, -26, 3, 3, kEye),
          polygon({{-16, -12}, {-22, -18}, {-12, -14}}, p.colour.darker(115))};
}

Shapes fish(const Piece& p) {
  return {oval(-16, -18, 30, 16, p.colour),
          polygon({{-14, -10}, {-26, -18}, {-26, -2}}, accentOr(p, p.colour.darker(130))), oval(6, -13, 4, 4, kEye)};
}

Shapes hen(const Piece& p) {
  return {oval(-14, -24, 26, 20, p.colour),
          oval(6, -34, 12, 12, p.colour),
          polygon({{9, -34}, {12, -40}, {15, -34}}, QColor(220, 30, 30)),
          polygon({{18, -29}, {23, -27}, {18, -25}}, QColor(240, 170, 40)),
          box(-4, -6, 2, 6, QColor(240, 170, 40)),
          box(3, -6, 2, 6, QColor(240, 170, 40)),
          oval(13, -31, 2, 2, kEye)};
}

Shapes sheep(const Piece& p) {
  return {box(-16, -12, 4, 12, QColor(50, 50, 50)), box(8, -12, 4, 12, QColor(50, 50, 50)),
          oval(-22, -32, 20, 20, p.colour),         oval(-8, -34, 22, 22, p.colour),
          oval(-16, -26, 34, 16, p.colour),         oval(12, -32, 12, 14, accentOr(p, QColor(50, 50, 50)))};
}

}  // namespace

const Family& outdoors() {
  static const Family kinds = {{"Sun", sun, 1, true},
                               {"Cloud", cloud, 1, true},
                               {"Moon", moon, 2, true},
                               {"Star", star, 2, true},
                               {"Bird", bird, 1, true},
                               {"Kite", kite, 1, true},
                               {"Balloon", balloon, 1, true},
                               {"Tree", tree, 3, false},
                               {"Pine", pine, 1, false},
                               {"Bush", bush, 1, false},
                               {"Flower", flower, 3, false},
                               {"Rock", rock, 1, false},
                               {"Mushroom", mushroom, 1, false},
                               {"Cat", cat, 2, false},
                               {"Dog", dog, 1, false},
                               {"Cow", cow, 2, false},
                               {"Duck", duck, 1, false},
                               {"Fish", fish, 1, true},
                               {"Hen", hen, 1, false},
                               {"Sheep", sheep, 1, false}};
  return kinds;
}

}  // namespace sample_maker::pieces
