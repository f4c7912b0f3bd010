// SPDX-License-Identifier: GPL-2.0-or-later
// Buildings and street furniture: houses, towers, shops, windows, doors, lamps, fences.
#include "tools/scene_pieces.h"

namespace sample_maker::pieces {

namespace {

const QColor kFrame(245, 245, 240);

// A window whose glass is split into 1, 2 or 4 panes by the variant.
void addWindow(Shapes& s, int x, int y, int w, int h, QColor glass, int variant) {
  s.push_back(box("", x, y, w, h, glass, kFrame, 2));
  if (variant >= 1) s.push_back(box("", x + w / 2 - 1, y, 2, h, kFrame));
  if (variant >= 2) s.push_back(box("", x, y + h / 2 - 1, w, 2, kFrame));
}

Shapes house(const Piece& p) {
  const QColor roof = accentOr(p, QColor(160, 60, 50));
  Shapes s{box("", -40, -60, 80, 60, p.colour, p.colour.darker(140), 2),
           polygon("", {{-48, -58}, {0, -96}, {48, -58}}, roof, roof.darker(130), 2),
           box("", 18, -92, 10, 22, roof.darker(120)), box("", -10, -34, 20, 34, QColor(110, 70, 40))};
  addWindow(s, -32, -48, 16, 18, QColor(150, 200, 230), p.variant);
  addWindow(s, 16, -48, 16, 18, QColor(150, 200, 230), p.variant);
  return s;
}

Shapes tower(const Piece& p) {
  Shapes s{box("", -30, -150, 60, 150, p.colour, p.colour.darker(130), 2),
           box("", -34, -156, 68, 8, accentOr(p, p.colour.darker(150)))};
  const int rows = 3 + p.variant;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < 2; ++c)
      s.push_back(box("", -22 + c * 26, -142 + r * (120 / rows), 18, 16, QColor(120, 160, 200)));
  }
  s.push_back(box("", -10, -24, 20, 24, QColor(80, 60, 50)));
  return s;
}

Shapes shop(const Piece& p) {
  const QColor signColour = accentOr(p, QColor(200, 40, 50));
  Shapes s{box("", -50, -90, 100, 90, p.colour, p.colour.darker(140), 2),
           box("", -50, -90, 100, 22, signColour, signColour.darker(140), 2),
           box("", -42, -58, 56, 40, QColor(160, 200, 225), QColor(90, 70, 50), 3),
           box("", 20, -58, 22, 58, QColor(110, 75, 45), QColor(70, 45, 25), 2)};
  const std::string& word = signWords()[static_cast<std::size_t>(p.variant) % signWords().size()];
  const Shapes text = lettering(word, -44, -73, 12, QColor(255, 255, 255));
  s.insert(s.end(), text.begin(), text.end());
  return s;
}

Shapes door(const Piece& p) {
  Shapes s{box("", -14, -44, 28, 44, p.colour, p.colour.darker(150), 2),
           oval("", 6, -24, 5, 5, accentOr(p, QColor(230, 200, 60)))};
  if (p.variant >= 1) s.push_back(box("", -8, -38, 16, 10, QColor(170, 210, 235)));
  if (p.variant >= 2) s.push_back(box("", -8, -20, 16, 14, p.colour.darker(120)));
  return s;
}

Shapes streetLamp(const Piece& p) {
  return {box("", -3, -100, 6, 100, p.colour), box("", -10, -4, 20, 4, p.colour),
          oval("", -10, -112, 20, 16, accentOr(p, QColor(250, 240, 170)), p.colour, 2)};
}

Shapes trafficLight(const Piece& p) {
  const bool go = p.variant == 1;
  return {box("", -3, -60, 6, 60, QColor(90, 90, 95)), box("", -12, -118, 24, 60, p.colour, QColor(20, 20, 20), 1),
          oval("", -8, -114, 16, 16, go ? QColor(90, 30, 30) : QColor(230, 30, 30)),
          oval("", -8, -96, 16, 16, QColor(90, 80, 20)),
          oval("", -8, -78, 16, 16, go ? QColor(40, 220, 70) : QColor(20, 60, 25))};
}

Shapes fence(const Piece& p) {
  const int posts = 4 + p.variant;
  const int width = 16 * posts;
  Shapes s{box("", -width / 2, -26, width, 5, p.colour.darker(115)),
           box("", -width / 2, -14, width, 5, p.colour.darker(115))};
  for (int i = 0; i < posts; ++i) {
    const int x = -width / 2 + i * 16 + 4;
    s.push_back(polygon("", {{x, 0}, {x, -30}, {x + 4, -35}, {x + 8, -30}, {x + 8, 0}}, p.colour));
  }
  return s;
}

Shapes window(const Piece& p) {
  Shapes s;
  addWindow(s, -14, -36, 28, 36, p.colour, p.variant);
  return s;
}

}  // namespace

const Family& buildings() {
  static const Family kinds = {{PieceKind::House, "House", house, 3, false},
                               {PieceKind::Tower, "Tower", tower, 3, false},
                               {PieceKind::Shop, "Shop", shop, static_cast<int>(signWords().size()), false},
                               {PieceKind::Window, "Window", window, 3, false},
                               {PieceKind::Door, "Door", door, 3, false},
                               {PieceKind::StreetLamp, "StreetLamp", streetLamp, 1, false},
                               {PieceKind::TrafficLight, "TrafficLight", trafficLight, 2, false},
                               {PieceKind::Fence, "Fence", fence, 3, false}};
  return kinds;
}

}  // namespace sample_maker::pieces
