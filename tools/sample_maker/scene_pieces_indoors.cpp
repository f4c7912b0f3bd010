// SPDX-License-Identifier: GPL-2.0-or-later
// Indoors: furniture and things of a room, food and things on a table or a market stall, and
// people as simple figures (the colour is the shirt, the accent the trousers or skirt).
#include "tools/scene_pieces.h"

namespace sample_maker::pieces {

namespace {

Shapes table(const Piece& p) {
  const QColor d = p.colour.darker(140);
  return {box(-50, -46, 100, 8, p.colour, d, 1), box(-44, -38, 6, 38, d), box(38, -38, 6, 38, d)};
}

Shapes chair(const Piece& p) {
  const QColor d = p.colour.darker(130);
  return {box(-14, -64, 5, 64, d), box(-14, -30, 30, 6, p.colour, d, 1), box(11, -24, 5, 24, d),
          box(-14, -62, 5, 30, accentOr(p, p.colour))};
}

Shapes shelf(const Piece& p) {
  Shapes s{box(-40, -70, 80, 70, p.colour, p.colour.darker(140), 2), box(-36, -36, 72, 4, p.colour.darker(120))};
  static const QColor books[] = {{200, 50, 50},  {50, 90, 190},  {60, 160, 80},
                                 {230, 180, 40}, {150, 70, 160}, {40, 150, 160}};
  const int count = 3 + p.variant;
  for (int i = 0; i < count; ++i) s.push_back(box(-34 + i * 11, -64 + (i % 2) * 4, 9, 28 - (i % 2) * 4, books[i % 6]));
  s.push_back(box(-30, -30, 24, 26, accentOr(p, QColor(230, 230, 220))));
  return s;
}

Shapes lamp(const Piece& p) {
  return {box(-2, -80, 4, 76, QColor(60, 60, 60)), box(-12, -4, 24, 4, QColor(60, 60, 60)),
          polygon({{-18, -78}, {-10, -100}, {10, -100}, {18, -78}}, p.colour, p.colour.darker(130), 1)};
}

Shapes clock(const Piece& p) {
  const QColor hand(30, 30, 30);
  Shapes s{oval(-18, -36, 36, 36, accentOr(p, QColor(250, 250, 245)), p.colour, 3)};
  static const int tips[][2] = {{0, -30}, {12, -18}, {-10, -12}};
  s.push_back(polyline({{0, -18}, {tips[p.variant % 3][0], tips[p.variant % 3][1]}}, hand, 2));
  s.push_back(polyline({{0, -18}, {9, -22}}, hand, 2));
  return s;
}

Shapes frame(const Piece& p) {
  Shapes s{box(-24, -40, 48, 40, QColor(170, 210, 240), p.colour, 4)};
  if (p.variant == 0) s.push_back(polygon({{-20, -4}, {-6, -24}, {6, -10}, {12, -18}, {20, -4}}, QColor(80, 150, 80)));
  if (p.variant == 1) s.push_back(oval(-8, -30, 16, 16, QColor(240, 200, 60)));
  if (p.variant == 2) s.push_back(box(-16, -20, 32, 12, QColor(200, 80, 80)));
  return s;
}

Shapes cupboard(const Piece& p) {
  const QColor d = p.colour.darker(135);
  Shapes s{box(-36, -100, 72, 100, p.colour, d, 2), polyline({{0, -98}, {0, -2}}, d, 2),
           oval(-8, -54, 5, 5, QColor(220, 190, 60))};
  if (p.variant == 0) s.push_back(oval(3, -54, 5, 5, QColor(220, 190, 60)));
  return s;
}

Shapes blackboard(const Piece& p) {
  Shapes s{box(-70, -64, 140, 64, p.colour, QColor(140, 100, 60), 5)};
  static const char* words[] = {"ABC", "SOLE", "MARE"};
  const Shapes text = lettering(words[p.variant % 3], -50, -22, 22, accentOr(p, QColor(240, 240, 240)));
  s.insert(s.end(), text.begin(), text.end());
  return s;
}

Shapes stove(const Piece& p) {
  const QColor d = p.colour.darker(140);
  return {box(-34, -70, 68, 70, p.colour, d, 2),
          box(-26, -44, 52, 32, QColor(60, 60, 60), d, 2),
          oval(-28, -68, 20, 8, QColor(40, 40, 40)),
          oval(8, -68, 20, 8, QColor(40, 40, 40)),
          oval(-20, -56, 6, 6, accentOr(p, QColor(200, 60, 40))),
          oval(14, -56, 6, 6, accentOr(p, QColor(200, 60, 40)))};
}

Shapes plantPot(const Piece& p) {
  return {oval(-22, -62, 22, 34, QColor(60, 150, 70)), oval(-2, -70, 22, 40, QColor(70, 170, 80)),
          polygon({{-16, -30}, {16, -30}, {12, 0}, {-12, 0}}, p.colour, p.colour.darker(130), 1)};
}

Shapes rug(const Piece& p) {
  return {oval(-60, -24, 120, 24, p.colour), oval(-40, -18, 80, 12, accentOr(p, p.colour.lighter(130)))};
}

Shapes bed(const Piece& p) {
  const QColor wood(140, 95, 55);
  return {box(-70, -50, 8, 50, wood), box(62, -36, 8, 36, wood), box(-62, -28, 124, 16, wood),
          box(-62, -40, 124, 14, p.colour), box(-60, -50, 26, 12, QColor(250, 250, 250), QColor(200, 200, 200), 1)};
}

const QColor kLeaf(60, 150, 60), kStalk(100, 70, 40);

Shapes apple(const Piece& p) {
  return {oval(-10, -20, 20, 19, p.colour), box(-1, -25, 2, 6, kStalk), oval(1, -26, 8, 5, kLeaf)};
}

Shapes pear(const Piece& p) {
  return {oval(-10, -18, 20, 18, p.colour), oval(-6, -28, 12, 16, p.colour), box(-1, -32, 2, 5, kStalk)};
}

Shapes bread(const Piece& p) {
  const QColor cut = p.colour.darker(125);
  return {oval(-24, -18, 48, 18, p.colour), polyline({{-12, -14}, {-6, -6}}, cut, 2),
          polyline({{0, -15}, {6, -6}}, cut, 2), polyline({{12, -14}, {17, -7}}, cut, 2)};
}

Shapes cake(const Piece& p) {
  Shapes s{box(-24, -24, 48, 24, p.colour, p.colour.darker(130), 1),
           box(-24, -28, 48, 6, accentOr(p, QColor(250, 245, 240)))};
  const int candles = 1 + p.variant;
  for (int i = 0; i < candles; ++i) {
    const int x = -3 + (i - candles / 2) * 12;
    s.push_back(box(x, -40, 5, 12, QColor(90, 140, 220)));
    s.push_back(oval(x, -46, 5, 6, QColor(250, 190, 40)));
  }
  return s;
}

Shapes cup(const Piece& p) {
  return {oval(6, -16, 12, 12, QColor(), p.colour, 3), polygon({{-10, -20}, {10, -20}, {8, 0}, {-8, 0}}, p.colour),
          box(-8, -20, 16, 3, accentOr(p, QColor(110, 70, 40)))};
}

Shapes plate(const Piece& p) {
  return {oval(-22, -8, 44, 8, p.colour, p.colour.darker(130), 1), oval(-12, -7, 24, 5, p.colour.darker(108))};
}

Shapes bottle(const Piece& p) {
  return {box(-7, -30, 14, 30, p.colour), polygon({{-7, -30}, {-3, -38}, {3, -38}, {7, -30}}, p.colour),
          box(-3, -44, 6, 7, accentOr(p, QColor(200, 40, 40))), box(-7, -22, 14, 9, QColor(240, 235, 210))};
}

Shapes cheese(const Piece& p) {
  return {polygon({{-20, 0}, {-20, -14}, {18, -22}, {20, 0}}, p.colour, p.colour.darker(130), 1),
          oval(-10, -10, 6, 6, p.colour.darker(118)), oval(4, -8, 5, 5, p.colour.darker(118))};
}

Shapes melon(const Piece& p) {
  return {polygon({{-22, -20}, {22, -20}, {16, -8}, {0, -2}, {-16, -8}}, QColor(60, 140, 60)),
          polygon({{-19, -20}, {19, -20}, {13, -10}, {0, -5}, {-13, -10}}, p.colour),
          oval(-8, -16, 3, 4, QColor(30, 30, 30)), oval(4, -15, 3, 4, QColor(30, 30, 30))};
}

Shapes crate(const Piece& p) {
  const QColor wood = accentOr(p, QColor(190, 140, 80));
  Shapes s;
  const int fruits = 3 + p.variant;
  for (int i = 0; i < fruits; ++i) s.push_back(oval(-30 + i * (56 / fruits), -34 + (i % 2) * 3, 14, 14, p.colour));
  s.push_back(box(-34, -24, 68, 24, wood, wood.darker(140), 2));
  s.push_back(box(-34, -14, 68, 3, wood.darker(125)));
  return s;
}

const QColor kSkin(240, 200, 165), kHair(90, 60, 35);

Shapes figure(const Piece& p, int height) {
  const int u = height / 10;  // one tenth of the figure
  const QColor legs = accentOr(p, QColor(50, 60, 110));
  Shapes s{box(-2 * u, -5 * u, 2 * u, 5 * u, legs), box(u / 2, -5 * u, 2 * u, 5 * u, legs),
           box(-5 * u / 2, -9 * u + u / 2, 5 * u, 4 * u + u / 2, p.colour),
           oval(-3 * u / 2, -10 * u - u, 3 * u, 3 * u, kSkin), box(-3 * u / 2, -11 * u, 3 * u, u, kHair)};
  // Arms down, or one waving.
  s.push_back(box(-7 * u / 2, -8 * u, u, 4 * u, p.colour));
  if (p.variant == 1) {
    s.push_back(box(5 * u / 2, -12 * u, u, 4 * u, p.colour));
  } else {
    s.push_back(box(5 * u / 2, -8 * u, u, 4 * u, p.colour));
  }
  if (p.variant == 2) s.push_back(polygon({{-2 * u, -11 * u}, {0, -14 * u}, {2 * u, -11 * u}}, QColor(220, 60, 60)));
  return s;
}

Shapes person(const Piece& p) { return figure(p, 60); }
Shapes child(const Piece& p) { return figure(p, 40); }

}  // namespace

const Family& indoors() {
  static const Family kinds = {{"Table", table, 1, false},       {"Chair", chair, 1, false},
                               {"Shelf", shelf, 3, false},       {"Lamp", lamp, 1, false},
                               {"Clock", clock, 3, true},        {"Frame", frame, 3, true},
                               {"Cupboard", cupboard, 2, false}, {"Blackboard", blackboard, 3, false},
                               {"Stove", stove, 1, false},       {"PlantPot", plantPot, 1, false},
                               {"Rug", rug, 1, false},           {"Bed", bed, 1, false},
                               {"Apple", apple, 1, false},       {"Pear", pear, 1, false},
                               {"Bread", bread, 1, false},       {"Cake", cake, 3, false},
                               {"Cup", cup, 1, false},           {"Plate", plate, 1, false},
                               {"Bottle", bottle, 1, false},     {"Cheese", cheese, 1, false},
                               {"Melon", melon, 1, false},       {"Crate", crate, 3, false},
                               {"Person", person, 3, false},     {"Child", child, 3, false}};
  return kinds;
}

}  // namespace sample_maker::pieces
