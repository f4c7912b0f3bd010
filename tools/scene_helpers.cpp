// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/scene_helpers.h"

#include <map>

namespace sample_maker {

namespace {
using K = PieceKind;
const QColor kCloud(250, 250, 252);

void skyAndGround(Composer& c, int horizon, QColor ground) {
  c.band(0, horizon, 380, 436 - horizon, ground);
  c.put(K::Sun, c.near(60, 10), 80, QColor(250, 215, 60));
  c.put(K::Cloud, c.near(180, 20), 60, kCloud, 90);
  c.put(K::Cloud, c.near(310, 15), 90, kCloud, 70);
  c.put(K::Bird, c.near(240, 20), 120, QColor(40, 40, 50));
}

void room(Composer& c, int floorY, QColor floor) {
  c.band(0, floorY, 380, 436 - floorY, floor);
  c.band(0, floorY - 6, 380, 6, floor.darker(130));
}

void fruitBowl(Composer& c, int x, int y) {
  c.put(K::Plate, x, y, QColor(240, 240, 235), 80);
  c.put(K::Apple, x - 8, y - 4, c.oneOf({{220, 40, 40}, {120, 190, 60}}), 70);
  c.put(K::Pear, x + 9, y - 4, QColor(200, 200, 70), 70);
}

// The cloud's draws stay in the order the delivered pictures were made with: size, height, place.
void sky(Composer& c, int clouds) {
  c.put(K::Sun, c.near(330, 10), 70, QColor(250, 215, 60));
  for (int i = 0; i < clouds; ++i) {
    const int scale = c.pick(70, 95);
    const int y = c.near(50 + (i % 2) * 16, 4);
    const int x = c.near(50 + i * 110, 12);
    c.put(K::Cloud, x, y, kCloud, scale);
  }
}

using Numbers = std::vector<int>;
using Colours = std::vector<QColor>;
const SceneHelper kHelpers[] = {
    {"skyAndGround", "nc", [](Composer& c, const Numbers& n, const Colours& k) { skyAndGround(c, n[0], k[0]); }},
    {"room", "nc", [](Composer& c, const Numbers& n, const Colours& k) { room(c, n[0], k[0]); }},
    {"fruitBowl", "nn", [](Composer& c, const Numbers& n, const Colours&) { fruitBowl(c, n[0], n[1]); }},
    {"sky", "n", [](Composer& c, const Numbers& n, const Colours&) { sky(c, n[0]); }},
};
}  // namespace

const SceneHelper* sceneHelper(const std::string& name) {
  for (const SceneHelper& h : kHelpers) {
    if (name == h.name) return &h;
  }
  return nullptr;
}

std::optional<PieceKind> pieceKindNamed(const std::string& name) {
  static const std::map<std::string, PieceKind> kinds = {
      {"Sun", K::Sun},
      {"Cloud", K::Cloud},
      {"Moon", K::Moon},
      {"Star", K::Star},
      {"Bird", K::Bird},
      {"Kite", K::Kite},
      {"Balloon", K::Balloon},
      {"House", K::House},
      {"Tower", K::Tower},
      {"Shop", K::Shop},
      {"Window", K::Window},
      {"Door", K::Door},
      {"StreetLamp", K::StreetLamp},
      {"TrafficLight", K::TrafficLight},
      {"Fence", K::Fence},
      {"Tree", K::Tree},
      {"Pine", K::Pine},
      {"Bush", K::Bush},
      {"Flower", K::Flower},
      {"Rock", K::Rock},
      {"Mushroom", K::Mushroom},
      {"Car", K::Car},
      {"Bus", K::Bus},
      {"Boat", K::Boat},
      {"Bicycle", K::Bicycle},
      {"Wagon", K::Wagon},
      {"Tractor", K::Tractor},
      {"Cat", K::Cat},
      {"Dog", K::Dog},
      {"Cow", K::Cow},
      {"Duck", K::Duck},
      {"Fish", K::Fish},
      {"Hen", K::Hen},
      {"Sheep", K::Sheep},
      {"Table", K::Table},
      {"Chair", K::Chair},
      {"Shelf", K::Shelf},
      {"Lamp", K::Lamp},
      {"Clock", K::Clock},
      {"Frame", K::Frame},
      {"Cupboard", K::Cupboard},
      {"Blackboard", K::Blackboard},
      {"Stove", K::Stove},
      {"PlantPot", K::PlantPot},
      {"Rug", K::Rug},
      {"Bed", K::Bed},
      {"Person", K::Person},
      {"Child", K::Child},
      {"Apple", K::Apple},
      {"Pear", K::Pear},
      {"Bread", K::Bread},
      {"Cake", K::Cake},
      {"Cup", K::Cup},
      {"Plate", K::Plate},
      {"Bottle", K::Bottle},
      {"Cheese", K::Cheese},
      {"Melon", K::Melon},
      {"Crate", K::Crate},
      {"Sign", K::Sign},
      {"Flag", K::Flag},
      {"Umbrella", K::Umbrella},
      {"Awning", K::Awning},
  };
  const auto it = kinds.find(name);
  if (it == kinds.end()) return std::nullopt;
  return it->second;
}

}  // namespace sample_maker
