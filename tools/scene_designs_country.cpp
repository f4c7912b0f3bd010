// SPDX-License-Identifier: GPL-2.0-or-later
// Scenes in the country: a park, a farm, an orchard, a country road, a garden, a forest.
#include "tools/scene_composer.h"

namespace sample_maker {

namespace {
using K = PieceKind;
const QColor kGrass(110, 180, 90), kCloud(250, 250, 252), kGreen(60, 140, 60);

void skyAndGround(Composer& c, int horizon, QColor ground) {
  c.band(0, horizon, 380, 436 - horizon, ground);
  c.put(K::Sun, c.near(60, 10), 80, QColor(250, 215, 60));
  c.put(K::Cloud, c.near(180, 20), 60, kCloud, 90);
  c.put(K::Cloud, c.near(310, 15), 90, kCloud, 70);
  c.put(K::Bird, c.near(240, 20), 120, QColor(40, 40, 50));
}
}  // namespace

void parkScene(Composer& c) {
  skyAndGround(c, 200, kGrass);
  for (int i = 0; i < 5; ++i) c.put(K::Tree, 30 + i * 80, 210, kGreen, c.pick(70, 90), c.pick(0, 2));
  c.put(K::Fence, 190, 250, QColor(240, 240, 240), 100, 2);
  c.put(K::StreetLamp, 100, 300, QColor(60, 60, 70), 80);
  c.put(K::Table, 280, 310, QColor(150, 100, 60), 80);
  c.put(K::Person, 40, 330, QColor(200, 60, 60), 100, 1);
  c.put(K::Child, 150, 330, QColor(60, 120, 200), 100, 1);
  c.put(K::Dog, 200, 330, QColor(160, 110, 60), 80);
  c.put(K::Kite, 170, 180, QColor(230, 60, 60), 80);
  c.put(K::Bicycle, 320, 380, QColor(40, 120, 200));
  c.put(K::Person, 250, 400, QColor(240, 200, 40), 100, 2);
  c.put(K::Duck, 60, 400, QColor(250, 250, 250));
  c.put(K::Duck, 90, 410, QColor(130, 100, 60));
  for (int i = 0; i < 5; ++i) c.put(K::Flower, 20 + i * 30, 430, c.oneOf({{230, 60, 120}, {250, 220, 50}, {160, 60, 190}}), 90, c.pick(0, 2));
  c.put(K::Bush, 350, 260, QColor(70, 150, 70));
  c.put(K::Bush, 340, 430, QColor(70, 150, 70));
  c.put(K::Rock, 200, 420, QColor(140, 130, 120));
  c.put(K::Balloon, 120, 300, QColor(220, 40, 60));
  c.put(K::Cat, 300, 270, QColor(60, 60, 60), 80);
  c.put(K::Umbrella, 250, 250, QColor(40, 110, 190), 60);
  c.put(K::Mushroom, 150, 420, QColor(200, 40, 40));
  c.put(K::Bird, 120, 50, QColor(40, 40, 50));
  c.extra(K::Duck, 130, 380, QColor(250, 250, 250));
  c.extra(K::Flower, 230, 430, QColor(230, 60, 120));
}

void farmScene(Composer& c) {
  skyAndGround(c, 190, QColor(130, 190, 90));
  c.put(K::House, 90, 200, QColor(190, 50, 40), 140, c.pick(0, 2), QColor(90, 90, 90));
  c.put(K::Tower, 200, 200, QColor(200, 200, 190), 70, 0);
  c.put(K::Tree, 300, 200, kGreen, 90, c.pick(0, 2));
  c.put(K::Tree, 350, 196, kGreen, 70, c.pick(0, 2));
  c.put(K::Fence, 250, 250, QColor(200, 170, 120), 100, 2);
  c.put(K::Fence, 80, 250, QColor(200, 170, 120), 100, 1);
  c.put(K::Cow, 90, 320, QColor(250, 250, 250), 110, c.pick(0, 1));
  c.put(K::Cow, 270, 330, QColor(180, 120, 70), 100, c.pick(0, 1), QColor(250, 250, 250));
  c.put(K::Sheep, 180, 300, QColor(245, 245, 240));
  c.put(K::Sheep, 330, 280, QColor(245, 245, 240));
  for (int i = 0; i < 4; ++i) c.put(K::Hen, 30 + i * 40, 380 + (i % 2) * 12, c.oneOf({{250, 250, 250}, {200, 120, 60}}), 100);
  c.put(K::Duck, 220, 400, QColor(250, 250, 250));
  c.put(K::Duck, 250, 410, QColor(250, 250, 250));
  c.put(K::Tractor, 320, 420, QColor(200, 40, 40));
  c.put(K::Person, 190, 420, QColor(60, 90, 170), 100, 2);
  c.put(K::Dog, 140, 430, QColor(90, 70, 50), 80);
  c.put(K::Crate, 30, 430, QColor(250, 160, 30), 60, 1);
  c.put(K::Cat, 40, 300, QColor(230, 150, 60), 80);
  c.put(K::Flower, 150, 250, QColor(250, 220, 50));
  c.put(K::Bird, 150, 100, QColor(40, 40, 50));
  c.put(K::Sign, 230, 180, QColor(240, 230, 200), 50, 2, QColor(200, 40, 40));
  c.put(K::Hen, 180, 360, QColor(200, 120, 60));
  c.put(K::Mushroom, 350, 360, QColor(200, 40, 40));
  c.put(K::Bush, 30, 200, QColor(70, 150, 70), 60);
  c.extra(K::Hen, 120, 330, QColor(250, 250, 250));
  c.extra(K::Bird, 330, 150, QColor(40, 40, 50));
}

void orchardScene(Composer& c) {
  skyAndGround(c, 180, QColor(120, 185, 90));
  for (int row = 0; row < 2; ++row) {
    for (int i = 0; i < 4; ++i) {
      c.put(K::Tree, 50 + i * 92 + row * 30, 250 + row * 100, row == 0 ? kGreen : QColor(70, 150, 70), 100, c.pick(0, 2),
            c.oneOf({{220, 40, 40}, {250, 170, 30}}));
    }
  }
  for (int i = 0; i < 4; ++i) c.put(K::Crate, 40 + i * 100, 420, c.oneOf({{220, 40, 40}, {250, 170, 30}, {120, 190, 60}}), 70, c.pick(0, 2));
  c.put(K::Person, 140, 410, QColor(60, 90, 170), 100, 1);
  c.put(K::Child, 240, 410, QColor(240, 200, 40), 100, 1);
  c.put(K::Dog, 330, 390, QColor(200, 160, 100), 70);
  c.put(K::Tractor, 330, 200, QColor(40, 140, 60), 70);
  c.put(K::House, 40, 186, QColor(230, 200, 150), 60, c.pick(0, 2));
  c.put(K::Hen, 20, 370, QColor(250, 250, 250));
  c.put(K::Apple, 90, 430, QColor(220, 40, 40));
  c.put(K::Pear, 190, 430, QColor(200, 200, 70));
  c.put(K::Apple, 290, 430, QColor(120, 190, 60));
  c.put(K::Bird, 120, 140, QColor(40, 40, 50));
  c.put(K::Bush, 360, 300, QColor(70, 150, 70), 70);
  c.put(K::Sheep, 230, 300, QColor(245, 245, 240), 80);
  c.put(K::Hen, 300, 330, QColor(200, 120, 60));
  c.put(K::Flower, 130, 330, QColor(230, 60, 120));
  c.put(K::Bird, 330, 130, QColor(40, 40, 50));
  c.extra(K::Apple, 60, 300, QColor(220, 40, 40));
  c.extra(K::Bird, 300, 50, QColor(40, 40, 50));
}

void countryRoadScene(Composer& c) {
  skyAndGround(c, 200, kGrass);
  c.band(0, 300, 380, 60, QColor(120, 120, 120));
  c.band(0, 328, 380, 4, QColor(245, 245, 245));
  for (int i = 0; i < 3; ++i) c.put(K::House, 60 + i * 130, 210, c.oneOf({{230, 200, 150}, {200, 120, 90}, {180, 190, 210}}), 90, c.pick(0, 2));
  for (int i = 0; i < 4; ++i) c.put(K::Pine, 20 + i * 115, 300, QColor(40, 110, 60), c.pick(80, 100));
  c.put(K::Car, 110, 326, QColor(40, 90, 200), 90);
  c.put(K::Tractor, 290, 356, QColor(200, 40, 40), 80);
  c.put(K::Sign, 200, 300, QColor(200, 40, 40), 60, 5);
  c.put(K::Cow, 80, 420, QColor(250, 250, 250), 90, c.pick(0, 1));
  c.put(K::Sheep, 190, 410, QColor(245, 245, 240));
  c.put(K::Sheep, 230, 420, QColor(245, 245, 240));
  c.put(K::Fence, 320, 420, QColor(200, 170, 120), 100, 1);
  c.put(K::Bicycle, 170, 300, QColor(240, 200, 40), 80);
  c.put(K::Person, 250, 290, QColor(160, 60, 160), 80, 1);
  c.put(K::Hen, 30, 430, QColor(200, 120, 60));
  c.put(K::Flower, 140, 430, QColor(230, 60, 120));
  c.put(K::Flower, 280, 430, QColor(250, 220, 50));
  c.put(K::Rock, 350, 280, QColor(140, 130, 120), 80);
  c.put(K::Kite, 300, 160, QColor(60, 170, 90), 70);
  c.put(K::Bird, 100, 140, QColor(40, 40, 50));
  c.put(K::Mushroom, 120, 290, QColor(200, 40, 40));
  c.put(K::Duck, 200, 260, QColor(250, 250, 250));
  c.put(K::Bush, 20, 260, QColor(70, 150, 70), 60);
  c.put(K::Dog, 330, 300, QColor(160, 110, 60), 70);
  c.put(K::Bird, 250, 60, QColor(40, 40, 50));
  c.extra(K::Bird, 180, 170, QColor(40, 40, 50));
  c.extra(K::Hen, 330, 270, QColor(250, 250, 250));
}

void gardenScene(Composer& c) {
  skyAndGround(c, 220, QColor(100, 170, 80));
  c.put(K::House, 280, 230, QColor(230, 210, 160), 130, c.pick(0, 2));
  c.put(K::Tree, 70, 230, kGreen, 110, c.pick(0, 2));
  c.put(K::Fence, 150, 270, QColor(250, 250, 250), 100, 2);
  for (int i = 0; i < 7; ++i) c.put(K::Flower, 30 + i * 50, 310 + (i % 2) * 12, c.oneOf({{230, 60, 120}, {250, 220, 50}, {160, 60, 190}, {240, 120, 40}}), 100, c.pick(0, 2));
  for (int i = 0; i < 3; ++i) c.put(K::Bush, 40 + i * 150, 380, QColor(70, 150, 70), 90);
  c.put(K::Cat, 180, 360, QColor(230, 150, 60));
  c.put(K::Dog, 260, 420, QColor(120, 80, 50), 90);
  c.put(K::Child, 120, 420, QColor(60, 120, 200), 100, 1);
  c.put(K::Mushroom, 330, 430, QColor(200, 40, 40));
  c.put(K::Mushroom, 350, 420, QColor(200, 40, 40), 80);
  c.put(K::Rock, 200, 430, QColor(140, 130, 120));
  c.put(K::Hen, 320, 340, QColor(250, 250, 250));
  c.put(K::Duck, 60, 430, QColor(250, 250, 250));
  c.put(K::Umbrella, 200, 290, QColor(220, 60, 60), 70);
  c.put(K::Table, 200, 300, QColor(150, 100, 60), 50);
  c.put(K::Kite, 160, 170, QColor(60, 90, 200), 80);
  c.put(K::Bird, 300, 120, QColor(40, 40, 50));
  c.put(K::Flower, 250, 360, QColor(230, 60, 120));
  c.put(K::Duck, 90, 410, QColor(130, 100, 60));
  c.extra(K::Flower, 100, 260, QColor(230, 60, 120));
  c.extra(K::Mushroom, 30, 380, QColor(200, 40, 40));
}

void forestScene(Composer& c) {
  skyAndGround(c, 180, QColor(90, 150, 70));
  for (int row = 0; row < 3; ++row) {
    for (int i = 0; i < 5; ++i) c.put(K::Pine, 20 + i * 84 + row * 22, 220 + row * 60, QColor(30 + row * 15, 100 + row * 10, 50), c.pick(80, 100));
  }
  c.put(K::Person, 100, 420, QColor(200, 60, 60), 100, 2);
  c.put(K::Child, 150, 420, QColor(240, 200, 40), 100, 1);
  c.put(K::Dog, 210, 425, QColor(160, 110, 60), 80);
  c.put(K::Mushroom, 40, 420, QColor(200, 40, 40));
  c.put(K::Mushroom, 290, 430, QColor(180, 120, 60));
  c.put(K::Rock, 340, 420, QColor(140, 130, 120));
  c.put(K::Bush, 250, 430, QColor(70, 150, 70), 70);
  c.put(K::Flower, 20, 430, QColor(230, 60, 120));
  c.put(K::Bird, 300, 150, QColor(40, 40, 50));
  c.put(K::Duck, 60, 380, QColor(130, 100, 60));
  c.put(K::Flower, 320, 430, QColor(250, 220, 50));
  c.put(K::Bird, 60, 150, QColor(40, 40, 50));
  c.extra(K::Mushroom, 320, 380, QColor(200, 40, 40));
  c.extra(K::Bird, 140, 130, QColor(40, 40, 50));
}

}  // namespace sample_maker
