// SPDX-License-Identifier: GPL-2.0-or-later
// Furniture and things of a room.
#include "tools/scene_pieces.h"

namespace sample_maker::pieces {

namespace {

Shapes table(const Piece& p) {
  const QColor d = p.colour.darker(140);
  return {box("", -50, -46, 100, 8, p.colour, d, 1), box("", -44, -38, 6, 38, d), box("", 38, -38, 6, 38, d)};
}

Shapes chair(const Piece& p) {
  const QColor d = p.colour.darker(130);
  return {box("", -14, -64, 5, 64, d), box("", -14, -30, 30, 6, p.colour, d, 1), box("", 11, -24, 5, 24, d),
          box("", -14, -62, 5, 30, accentOr(p, p.colour))};
}

Shapes shelf(const Piece& p) {
  Shapes s{box("", -40, -70, 80, 70, p.colour, p.colour.darker(140), 2),
           box("", -36, -36, 72, 4, p.colour.darker(120))};
  static const QColor books[] = {{200, 50, 50},  {50, 90, 190},  {60, 160, 80},
                                 {230, 180, 40}, {150, 70, 160}, {40, 150, 160}};
  const int count = 3 + p.variant;
  for (int i = 0; i < count; ++i)
    s.push_back(box("", -34 + i * 11, -64 + (i % 2) * 4, 9, 28 - (i % 2) * 4, books[i % 6]));
  s.push_back(box("", -30, -30, 24, 26, accentOr(p, QColor(230, 230, 220))));
  return s;
}

Shapes lamp(const Piece& p) {
  return {box("", -2, -80, 4, 76, QColor(60, 60, 60)), box("", -12, -4, 24, 4, QColor(60, 60, 60)),
          polygon("", {{-18, -78}, {-10, -100}, {10, -100}, {18, -78}}, p.colour, p.colour.darker(130), 1)};
}

Shapes clock(const Piece& p) {
  const QColor hand(30, 30, 30);
  Shapes s{oval("", -18, -36, 36, 36, accentOr(p, QColor(250, 250, 245)), p.colour, 3)};
  static const int tips[][2] = {{0, -30}, {12, -18}, {-10, -12}};
  s.push_back(polyline("", {{0, -18}, {tips[p.variant % 3][0], tips[p.variant % 3][1]}}, hand, 2));
  s.push_back(polyline("", {{0, -18}, {9, -22}}, hand, 2));
  return s;
}

Shapes frame(const Piece& p) {
  Shapes s{box("", -24, -40, 48, 40, QColor(170, 210, 240), p.colour, 4)};
  if (p.variant == 0)
    s.push_back(polygon("", {{-20, -4}, {-6, -24}, {6, -10}, {12, -18}, {20, -4}}, QColor(80, 150, 80)));
  if (p.variant == 1) s.push_back(oval("", -8, -30, 16, 16, QColor(240, 200, 60)));
  if (p.variant == 2) s.push_back(box("", -16, -20, 32, 12, QColor(200, 80, 80)));
  return s;
}

Shapes cupboard(const Piece& p) {
  const QColor d = p.colour.darker(135);
  Shapes s{box("", -36, -100, 72, 100, p.colour, d, 2), polyline("", {{0, -98}, {0, -2}}, d, 2),
           oval("", -8, -54, 5, 5, QColor(220, 190, 60))};
  if (p.variant == 0) s.push_back(oval("", 3, -54, 5, 5, QColor(220, 190, 60)));
  return s;
}

Shapes blackboard(const Piece& p) {
  Shapes s{box("", -70, -64, 140, 64, p.colour, QColor(140, 100, 60), 5)};
  static const char* words[] = {"ABC", "SOLE", "MARE"};
  const Shapes text = lettering(words[p.variant % 3], -50, -22, 22, accentOr(p, QColor(240, 240, 240)));
  s.insert(s.end(), text.begin(), text.end());
  return s;
}

Shapes stove(const Piece& p) {
  const QColor d = p.colour.darker(140);
  return {box("", -34, -70, 68, 70, p.colour, d, 2),
          box("", -26, -44, 52, 32, QColor(60, 60, 60), d, 2),
          oval("", -28, -68, 20, 8, QColor(40, 40, 40)),
          oval("", 8, -68, 20, 8, QColor(40, 40, 40)),
          oval("", -20, -56, 6, 6, accentOr(p, QColor(200, 60, 40))),
          oval("", 14, -56, 6, 6, accentOr(p, QColor(200, 60, 40)))};
}

Shapes plantPot(const Piece& p) {
  return {oval("", -22, -62, 22, 34, QColor(60, 150, 70)), oval("", -2, -70, 22, 40, QColor(70, 170, 80)),
          polygon("", {{-16, -30}, {16, -30}, {12, 0}, {-12, 0}}, p.colour, p.colour.darker(130), 1)};
}

Shapes rug(const Piece& p) {
  return {oval("", -60, -24, 120, 24, p.colour), oval("", -40, -18, 80, 12, accentOr(p, p.colour.lighter(130)))};
}

Shapes bed(const Piece& p) {
  const QColor wood(140, 95, 55);
  return {box("", -70, -50, 8, 50, wood), box("", 62, -36, 8, 36, wood), box("", -62, -28, 124, 16, wood),
          box("", -62, -40, 124, 14, p.colour),
          box("", -60, -50, 26, 12, QColor(250, 250, 250), QColor(200, 200, 200), 1)};
}

}  // namespace

const Family& furniture() {
  static const Family kinds = {{PieceKind::Table, "Table", table, 1, false},
                               {PieceKind::Chair, "Chair", chair, 1, false},
                               {PieceKind::Shelf, "Shelf", shelf, 3, false},
                               {PieceKind::Lamp, "Lamp", lamp, 1, false},
                               {PieceKind::Clock, "Clock", clock, 3, true},
                               {PieceKind::Frame, "Frame", frame, 3, true},
                               {PieceKind::Cupboard, "Cupboard", cupboard, 2, false},
                               {PieceKind::Blackboard, "Blackboard", blackboard, 3, false},
                               {PieceKind::Stove, "Stove", stove, 1, false},
                               {PieceKind::PlantPot, "PlantPot", plantPot, 1, false},
                               {PieceKind::Rug, "Rug", rug, 1, false},
                               {PieceKind::Bed, "Bed", bed, 1, false}};
  return kinds;
}

}  // namespace sample_maker::pieces
