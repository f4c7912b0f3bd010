// SPDX-License-Identifier: GPL-2.0-or-later
// The town: buildings and street furniture, vehicles (front to the right), signs with a few
// letters, flags, umbrellas and stall awnings.
#include "tools/scene_pieces.h"

#include <map>

namespace sample_maker::pieces {

namespace {

const QColor kFrame(245, 245, 240);

// A window whose glass is split into 1, 2 or 4 panes by the variant.
void addWindow(Shapes& s, int x, int y, int w, int h, QColor glass, int variant) {
  s.push_back(box(x, y, w, h, glass, kFrame, 2));
  if (variant >= 1) s.push_back(box(x + w / 2 - 1, y, 2, h, kFrame));
  if (variant >= 2) s.push_back(box(x, y + h / 2 - 1, w, 2, kFrame));
}

Shapes house(const Piece& p) {
  const QColor roof = accentOr(p, QColor(160, 60, 50));
  Shapes s{box(-40, -60, 80, 60, p.colour, p.colour.darker(140), 2),
           polygon({{-48, -58}, {0, -96}, {48, -58}}, roof, roof.darker(130), 2),
           box(18, -92, 10, 22, roof.darker(120)), box(-10, -34, 20, 34, QColor(110, 70, 40))};
  addWindow(s, -32, -48, 16, 18, QColor(150, 200, 230), p.variant);
  addWindow(s, 16, -48, 16, 18, QColor(150, 200, 230), p.variant);
  return s;
}

Shapes tower(const Piece& p) {
  Shapes s{box(-30, -150, 60, 150, p.colour, p.colour.darker(130), 2),
           box(-34, -156, 68, 8, accentOr(p, p.colour.darker(150)))};
  const int rows = 3 + p.variant;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < 2; ++c) s.push_back(box(-22 + c * 26, -142 + r * (120 / rows), 18, 16, QColor(120, 160, 200)));
  }
  s.push_back(box(-10, -24, 20, 24, QColor(80, 60, 50)));
  return s;
}

Shapes shop(const Piece& p) {
  const QColor signColour = accentOr(p, QColor(200, 40, 50));
  Shapes s{box(-50, -90, 100, 90, p.colour, p.colour.darker(140), 2),
           box(-50, -90, 100, 22, signColour, signColour.darker(140), 2),
           box(-42, -58, 56, 40, QColor(160, 200, 225), QColor(90, 70, 50), 3),
           box(20, -58, 22, 58, QColor(110, 75, 45), QColor(70, 45, 25), 2)};
  const std::string& word = signWords()[static_cast<std::size_t>(p.variant) % signWords().size()];
  const Shapes text = lettering(word, -44, -73, 12, QColor(255, 255, 255));
  s.insert(s.end(), text.begin(), text.end());
  return s;
}

Shapes door(const Piece& p) {
  Shapes s{box(-14, -44, 28, 44, p.colour, p.colour.darker(150), 2),
           oval(6, -24, 5, 5, accentOr(p, QColor(230, 200, 60)))};
  if (p.variant >= 1) s.push_back(box(-8, -38, 16, 10, QColor(170, 210, 235)));
  if (p.variant >= 2) s.push_back(box(-8, -20, 16, 14, p.colour.darker(120)));
  return s;
}

Shapes streetLamp(const Piece& p) {
  return {box(-3, -100, 6, 100, p.colour), box(-10, -4, 20, 4, p.colour),
          oval(-10, -112, 20, 16, accentOr(p, QColor(250, 240, 170)), p.colour, 2)};
}

Shapes trafficLight(const Piece& p) {
  const bool go = p.variant == 1;
  return {box(-3, -60, 6, 60, QColor(90, 90, 95)), box(-12, -118, 24, 60, p.colour, QColor(20, 20, 20), 1),
          oval(-8, -114, 16, 16, go ? QColor(90, 30, 30) : QColor(230, 30, 30)),
          oval(-8, -96, 16, 16, QColor(90, 80, 20)),
          oval(-8, -78, 16, 16, go ? QColor(40, 220, 70) : QColor(20, 60, 25))};
}

Shapes fence(const Piece& p) {
  const int posts = 4 + p.variant;
  const int width = 16 * posts;
  Shapes s{box(-width / 2, -26, width, 5, p.colour.darker(115)), box(-width / 2, -14, width, 5, p.colour.darker(115))};
  for (int i = 0; i < posts; ++i) {
    const int x = -width / 2 + i * 16 + 4;
    s.push_back(polygon({{x, 0}, {x, -30}, {x + 4, -35}, {x + 8, -30}, {x + 8, 0}}, p.colour));
  }
  return s;
}

Shapes window(const Piece& p) {
  Shapes s;
  addWindow(s, -14, -36, 28, 36, p.colour, p.variant);
  return s;
}

const QColor kTyre(30, 30, 35), kHub(190, 190, 200), kGlass(180, 220, 240);

void addWheel(Shapes& s, int cx, int r) {
  s.push_back(oval(cx - r, -2 * r, 2 * r, 2 * r, kTyre));
  s.push_back(oval(cx - r / 2, -3 * r / 2, r, r, kHub));
}

Shapes car(const Piece& p) {
  Shapes s{
      polygon({{-60, -8}, {-60, -26}, {-42, -30}, {-26, -48}, {22, -48}, {40, -30}, {58, -26}, {62, -16}, {62, -8}},
              p.colour, p.colour.darker(160), 2),
      polygon({{-22, -44}, {-2, -44}, {-2, -31}, {-36, -31}}, kGlass),
      polygon({{3, -44}, {20, -44}, {34, -31}, {3, -31}}, kGlass),
      oval(54, -24, 8, 7, accentOr(p, QColor(255, 240, 150)))};
  addWheel(s, -33, 12);
  addWheel(s, 35, 12);
  return s;
}

Shapes bus(const Piece& p) {
  Shapes s{box(-80, -70, 160, 62, p.colour, p.colour.darker(150), 2),
           box(-80, -30, 160, 6, accentOr(p, QColor(250, 250, 250)))};
  const int windows = 3 + p.variant;
  const int step = 130 / windows;
  for (int i = 0; i < windows; ++i) s.push_back(box(-72 + i * step, -62, step - 6, 22, kGlass));
  s.push_back(box(62, -62, 14, 50, kGlass));
  addWheel(s, -50, 13);
  addWheel(s, 50, 13);
  return s;
}

Shapes boat(const Piece& p) {
  const QColor sail = accentOr(p, QColor(250, 250, 245));
  Shapes s{polygon({{-50, -24}, {50, -24}, {36, 0}, {-38, 0}}, p.colour, p.colour.darker(150), 2),
           box(-2, -96, 4, 72, QColor(100, 70, 40))};
  if (p.variant != 1) s.push_back(polygon({{4, -92}, {40, -30}, {4, -30}}, sail));
  if (p.variant >= 1) s.push_back(polygon({{-4, -88}, {-36, -30}, {-4, -30}}, sail.darker(108)));
  s.push_back(oval(-30, -18, 8, 8, QColor(240, 240, 240)));
  s.push_back(oval(-14, -18, 8, 8, QColor(240, 240, 240)));
  return s;
}

Shapes bicycle(const Piece& p) {
  const QColor metal = p.colour;
  return {oval(-34, -28, 28, 28, QColor(), kTyre, 3), oval(6, -28, 28, 28, QColor(), kTyre, 3),
          polyline({{-20, -14}, {-6, -34}, {14, -34}, {20, -14}, {0, -14}, {-6, -34}}, metal, 3),
          polyline({{14, -34}, {12, -42}, {20, -44}}, metal, 3), box(-12, -40, 12, 4, QColor(40, 40, 40))};
}

Shapes wagon(const Piece& p) {
  Shapes s{box(-60, -64, 120, 52, p.colour, p.colour.darker(150), 2),
           box(-64, -70, 128, 8, accentOr(p, QColor(90, 90, 100)))};
  for (int i = 0; i < 3; ++i) s.push_back(box(-50 + i * 36, -56, 26, 20, kGlass, QColor(240, 240, 240), 1));
  addWheel(s, -38, 10);
  addWheel(s, 38, 10);
  return s;
}

Shapes tractor(const Piece& p) {
  Shapes s{box(-40, -44, 56, 22, p.colour, p.colour.darker(150), 2),
           box(-10, -72, 30, 30, p.colour, p.colour.darker(150), 2), box(-4, -66, 18, 16, kGlass),
           box(-34, -60, 6, 18, QColor(60, 60, 60))};
  addWheel(s, 4, 20);
  addWheel(s, -30, 12);
  return s;
}

// Each letter as strokes on a grid 4 wide and 6 high, y from the baseline upwards.
using Stroke = std::vector<std::pair<int, int>>;
const std::map<char, std::vector<Stroke>>& strokeFont() {
  static const std::map<char, std::vector<Stroke>> font = {
      {'A', {{{0, 0}, {0, 4}, {2, 6}, {4, 4}, {4, 0}}, {{0, 3}, {4, 3}}}},
      {'B', {{{0, 0}, {0, 6}, {3, 6}, {4, 5}, {3, 3}, {0, 3}}, {{3, 3}, {4, 2}, {4, 1}, {3, 0}, {0, 0}}}},
      {'C', {{{4, 6}, {0, 6}, {0, 0}, {4, 0}}}},
      {'E', {{{4, 6}, {0, 6}, {0, 0}, {4, 0}}, {{0, 3}, {3, 3}}}},
      {'F', {{{4, 6}, {0, 6}, {0, 0}}, {{0, 3}, {3, 3}}}},
      {'H', {{{0, 0}, {0, 6}}, {{4, 0}, {4, 6}}, {{0, 3}, {4, 3}}}},
      {'I', {{{2, 0}, {2, 6}}, {{1, 6}, {3, 6}}, {{1, 0}, {3, 0}}}},
      {'L', {{{0, 6}, {0, 0}, {4, 0}}}},
      {'M', {{{0, 0}, {0, 6}, {2, 3}, {4, 6}, {4, 0}}}},
      {'N', {{{0, 0}, {0, 6}, {4, 0}, {4, 6}}}},
      {'O', {{{0, 0}, {0, 6}, {4, 6}, {4, 0}, {0, 0}}}},
      {'P', {{{0, 0}, {0, 6}, {4, 6}, {4, 3}, {0, 3}}}},
      {'R', {{{0, 0}, {0, 6}, {4, 6}, {4, 3}, {0, 3}, {4, 0}}}},
      {'S', {{{4, 6}, {0, 6}, {0, 3}, {4, 3}, {4, 0}, {0, 0}}}},
      {'T', {{{0, 6}, {4, 6}}, {{2, 6}, {2, 0}}}},
      {'U', {{{0, 6}, {0, 0}, {4, 0}, {4, 6}}}},
  };
  return font;
}

Shapes sign(const Piece& p) {
  const std::string& word = signWords()[static_cast<std::size_t>(p.variant) % signWords().size()];
  const int width = static_cast<int>(word.size()) * 14 + 10;
  Shapes s{box(-3, -30, 6, 30, QColor(90, 90, 95)), box(-width / 2, -62, width, 32, p.colour, p.colour.darker(150), 2)};
  const Shapes text = lettering(word, -width / 2 + 7, -38, 16, accentOr(p, QColor(255, 255, 255)));
  s.insert(s.end(), text.begin(), text.end());
  return s;
}

Shapes flag(const Piece& p) {
  const QColor stripe = accentOr(p, QColor(255, 255, 255));
  return {box(-2, -90, 4, 90, QColor(120, 120, 120)), box(2, -88, 42, 28, p.colour), box(2, -78, 42, 8, stripe)};
}

Shapes umbrella(const Piece& p) {
  const QColor stripe = accentOr(p, QColor(250, 250, 250));
  return {box(-2, -70, 4, 70, QColor(110, 110, 110)),
          polygon({{-44, -60}, {-30, -76}, {0, -84}, {30, -76}, {44, -60}}, p.colour),
          polygon({{-14, -60}, {-8, -80}, {8, -80}, {14, -60}}, stripe)};
}

Shapes awning(const Piece& p) {
  const QColor stripe = accentOr(p, QColor(250, 250, 250));
  Shapes s{box(-56, -96, 4, 96, QColor(120, 90, 60)), box(52, -96, 4, 96, QColor(120, 90, 60)),
           box(-60, -100, 120, 24, p.colour)};
  for (int i = 0; i < 4; ++i) s.push_back(box(-48 + i * 30, -100, 14, 24, stripe));
  s.push_back(box(-56, -44, 112, 8, QColor(150, 110, 70)));
  return s;
}

}  // namespace

const std::vector<std::string>& signWords() {
  static const std::vector<std::string> words = {"BAR",   "PANE", "LATTE", "PESCE", "TRENI", "STOP",
                                                 "HOTEL", "MARE", "FIORI", "SOLE",  "CAFFE", "FRUTTA"};
  return words;
}

Shapes lettering(const std::string& word, int left, int baseline, int letterHeight, QColor ink) {
  const int unit = letterHeight / 6 > 0 ? letterHeight / 6 : 1;
  const int pen = unit > 2 ? 2 : 1;
  Shapes s;
  int x = left;
  for (char c : word) {
    const auto found = strokeFont().find(c);
    if (found != strokeFont().end()) {
      for (const Stroke& stroke : found->second) {
        std::vector<QPoint> points;
        for (const auto& [gx, gy] : stroke) points.emplace_back(x + gx * unit, baseline - gy * unit);
        s.push_back(polyline(points, ink, pen));
      }
    }
    x += 6 * unit;
  }
  return s;
}

const Family& town() {
  static const Family kinds = {{"House", house, 3, false},
                               {"Tower", tower, 3, false},
                               {"Shop", shop, static_cast<int>(signWords().size()), false},
                               {"Window", window, 3, false},
                               {"Door", door, 3, false},
                               {"StreetLamp", streetLamp, 1, false},
                               {"TrafficLight", trafficLight, 2, false},
                               {"Fence", fence, 3, false},
                               {"Car", car, 1, false},
                               {"Bus", bus, 3, false},
                               {"Boat", boat, 3, false},
                               {"Bicycle", bicycle, 1, false},
                               {"Wagon", wagon, 1, false},
                               {"Tractor", tractor, 1, false},
                               {"Sign", sign, static_cast<int>(signWords().size()), false},
                               {"Flag", flag, 1, false},
                               {"Umbrella", umbrella, 1, false},
                               {"Awning", awning, 1, false}};
  return kinds;
}

}  // namespace sample_maker::pieces
