// SPDX-License-Identifier: GPL-2.0-or-later
// Vehicles: cars, buses, boats, bicycles, railway wagons, tractors. Front to the right.
#include "tools/scene_pieces.h"

namespace sample_maker::pieces {

namespace {

const QColor kTyre(30, 30, 35), kHub(190, 190, 200), kGlass(180, 220, 240);

void addWheel(Shapes& s, int cx, int r) {
  s.push_back(oval("", cx - r, -2 * r, 2 * r, 2 * r, kTyre));
  s.push_back(oval("", cx - r / 2, -3 * r / 2, r, r, kHub));
}

Shapes car(const Piece& p) {
  Shapes s{
      polygon("", {{-60, -8}, {-60, -26}, {-42, -30}, {-26, -48}, {22, -48}, {40, -30}, {58, -26}, {62, -16}, {62, -8}},
              p.colour, p.colour.darker(160), 2),
      polygon("", {{-22, -44}, {-2, -44}, {-2, -31}, {-36, -31}}, kGlass),
      polygon("", {{3, -44}, {20, -44}, {34, -31}, {3, -31}}, kGlass),
      oval("", 54, -24, 8, 7, accentOr(p, QColor(255, 240, 150)))};
  addWheel(s, -33, 12);
  addWheel(s, 35, 12);
  return s;
}

Shapes bus(const Piece& p) {
  Shapes s{box("", -80, -70, 160, 62, p.colour, p.colour.darker(150), 2),
           box("", -80, -30, 160, 6, accentOr(p, QColor(250, 250, 250)))};
  const int windows = 3 + p.variant;
  const int step = 130 / windows;
  for (int i = 0; i < windows; ++i) s.push_back(box("", -72 + i * step, -62, step - 6, 22, kGlass));
  s.push_back(box("", 62, -62, 14, 50, kGlass));
  addWheel(s, -50, 13);
  addWheel(s, 50, 13);
  return s;
}

Shapes boat(const Piece& p) {
  const QColor sail = accentOr(p, QColor(250, 250, 245));
  Shapes s{polygon("", {{-50, -24}, {50, -24}, {36, 0}, {-38, 0}}, p.colour, p.colour.darker(150), 2),
           box("", -2, -96, 4, 72, QColor(100, 70, 40))};
  if (p.variant != 1) s.push_back(polygon("", {{4, -92}, {40, -30}, {4, -30}}, sail));
  if (p.variant >= 1) s.push_back(polygon("", {{-4, -88}, {-36, -30}, {-4, -30}}, sail.darker(108)));
  s.push_back(oval("", -30, -18, 8, 8, QColor(240, 240, 240)));
  s.push_back(oval("", -14, -18, 8, 8, QColor(240, 240, 240)));
  return s;
}

Shapes bicycle(const Piece& p) {
  const QColor metal = p.colour;
  return {oval("", -34, -28, 28, 28, QColor(), kTyre, 3), oval("", 6, -28, 28, 28, QColor(), kTyre, 3),
          polyline("", {{-20, -14}, {-6, -34}, {14, -34}, {20, -14}, {0, -14}, {-6, -34}}, metal, 3),
          polyline("", {{14, -34}, {12, -42}, {20, -44}}, metal, 3), box("", -12, -40, 12, 4, QColor(40, 40, 40))};
}

Shapes wagon(const Piece& p) {
  Shapes s{box("", -60, -64, 120, 52, p.colour, p.colour.darker(150), 2),
           box("", -64, -70, 128, 8, accentOr(p, QColor(90, 90, 100)))};
  for (int i = 0; i < 3; ++i) s.push_back(box("", -50 + i * 36, -56, 26, 20, kGlass, QColor(240, 240, 240), 1));
  addWheel(s, -38, 10);
  addWheel(s, 38, 10);
  return s;
}

Shapes tractor(const Piece& p) {
  Shapes s{box("", -40, -44, 56, 22, p.colour, p.colour.darker(150), 2),
           box("", -10, -72, 30, 30, p.colour, p.colour.darker(150), 2), box("", -4, -66, 18, 16, kGlass),
           box("", -34, -60, 6, 18, QColor(60, 60, 60))};
  addWheel(s, 4, 20);
  addWheel(s, -30, 12);
  return s;
}

}  // namespace

const Family& vehicles() {
  static const Family kinds = {
      {PieceKind::Car, "Car", car, 1, false},       {PieceKind::Bus, "Bus", bus, 3, false},
      {PieceKind::Boat, "Boat", boat, 3, false},    {PieceKind::Bicycle, "Bicycle", bicycle, 1, false},
      {PieceKind::Wagon, "Wagon", wagon, 1, false}, {PieceKind::Tractor, "Tractor", tractor, 1, false}};
  return kinds;
}

}  // namespace sample_maker::pieces
