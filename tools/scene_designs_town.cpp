// SPDX-License-Identifier: GPL-2.0-or-later
// Scenes in town: a street, a square, a bus stop, a station, a market, a harbour.
#include "tools/scene_composer.h"

namespace sample_maker {

namespace {
using K = PieceKind;
const QColor kSky(160, 205, 235), kPavement(190, 190, 190), kRoad(80, 80, 85), kWhite(245, 245, 245);
const QColor kGrass(110, 180, 90), kCloud(250, 250, 252);

void sky(Composer& c, int clouds) {
  c.put(K::Sun, c.near(330, 10), 70, QColor(250, 215, 60));
  for (int i = 0; i < clouds; ++i) c.put(K::Cloud, c.near(50 + i * 110, 12), c.near(50 + (i % 2) * 16, 4), kCloud, c.pick(70, 95));
}
}  // namespace

void streetScene(Composer& c) {
  sky(c, 3);
  c.put(K::Bird, c.near(140, 10), 90, QColor(40, 40, 50));
  c.put(K::House, 60, 250, c.oneOf({{200, 120, 90}, {220, 190, 120}}), 120, c.pick(0, 2));
  c.put(K::Tower, 170, 250, QColor(175, 175, 190), 100, c.pick(0, 2));
  c.put(K::Shop, 290, 250, QColor(225, 195, 135), 140, 0);
  c.band(0, 250, 380, 34, kPavement);
  c.band(0, 284, 380, 100, kRoad);
  c.band(0, 384, 380, 52, kPavement);
  for (int i = 0; i < 5; ++i) c.band(12 + i * 78, 330, 40, 6, kWhite);
  c.put(K::Tree, 120, 252, QColor(60, 140, 60), 80);
  c.put(K::StreetLamp, 238, 254, QColor(60, 60, 70));
  c.put(K::TrafficLight, 20, 256, QColor(40, 40, 45), 90);
  c.put(K::Person, c.near(100, 6), 278, QColor(200, 60, 60));
  c.put(K::Child, c.near(352, 4), 278, QColor(60, 120, 200), 100, 1);
  c.put(K::Dog, 150, 280, QColor(160, 110, 60), 80);
  c.put(K::Sign, 200, 282, QColor(200, 40, 40), 70, 5);
  c.put(K::Car, c.near(250, 10), 320, c.oneOf({{40, 150, 90}, {120, 80, 170}}));
  c.put(K::Bus, 100, 376, QColor(240, 180, 40), 100, c.pick(0, 2));
  c.put(K::Car, 290, 376, c.oneOf({{210, 40, 40}, {40, 90, 200}}), 90);
  c.put(K::Bicycle, 40, 428, QColor(40, 120, 200));
  c.put(K::Person, 100, 430, QColor(90, 160, 90), 100, 2);
  c.put(K::PlantPot, 170, 430, QColor(190, 100, 60), 60);
  c.put(K::Cat, 220, 428, QColor(60, 60, 60));
  c.put(K::Person, 270, 430, QColor(150, 90, 160), 100, 0, QColor(40, 40, 40));
  c.put(K::Flower, 320, 428, QColor(230, 60, 120));
  c.put(K::Flower, 345, 428, QColor(250, 200, 40));
  c.put(K::Bird, 260, 130, QColor(40, 40, 50));
  c.put(K::Balloon, 20, 200, QColor(220, 40, 60));
  c.put(K::Window, 340, 180, QColor(150, 200, 230), 70, 2);
  c.put(K::Flag, 200, 150, QColor(40, 150, 60), 70);
  c.put(K::Bush, 30, 250, QColor(70, 150, 70), 70);
  c.extra(K::Bird, 200, 40, QColor(40, 40, 50));
  c.extra(K::Cat, 330, 280, QColor(230, 150, 60));
  c.extra(K::Balloon, 160, 420, QColor(40, 120, 220));
}

void squareScene(Composer& c) {
  sky(c, 2);
  c.put(K::Tower, 50, 230, QColor(210, 170, 130), 110, c.pick(0, 2));
  c.put(K::House, 150, 230, QColor(230, 210, 150), 110, c.pick(0, 2), QColor(170, 70, 60));
  c.put(K::House, 260, 230, QColor(190, 140, 120), 110, c.pick(0, 2), QColor(90, 90, 110));
  c.put(K::Tower, 345, 230, QColor(180, 180, 200), 100, 1);
  c.band(0, 230, 380, 206, QColor(215, 200, 170));
  c.put(K::Clock, 50, 120, QColor(60, 60, 60), 80, c.pick(0, 2));
  for (int i = 0; i < 4; ++i) c.put(K::Flag, 30 + i * 100, 250, c.oneOf({{200, 40, 40}, {40, 90, 200}, {40, 150, 60}}), 60);
  c.put(K::Umbrella, 90, 330, QColor(220, 60, 60));
  c.put(K::Table, 90, 372, QColor(170, 120, 70), 60);
  c.put(K::Chair, 50, 380, QColor(130, 90, 50), 70);
  c.put(K::Chair, 130, 380, QColor(130, 90, 50), 70).mirrored = true;
  c.put(K::Cup, 80, 343, QColor(240, 240, 240));
  c.put(K::Bottle, 104, 345, QColor(60, 130, 70), 80);
  c.put(K::Umbrella, 270, 330, QColor(40, 110, 190));
  c.put(K::Table, 270, 372, QColor(170, 120, 70), 60);
  c.put(K::Cake, 270, 345, QColor(230, 150, 170), 60);
  c.put(K::Person, 220, 390, QColor(230, 170, 40));
  c.put(K::Person, 320, 392, QColor(90, 60, 140), 100, 1);
  c.put(K::Child, 180, 420, QColor(200, 60, 60), 100, 1);
  c.put(K::Dog, 350, 430, QColor(230, 220, 200), 80, 0, QColor(120, 80, 50));
  c.put(K::Bicycle, 40, 430, QColor(200, 40, 40));
  c.put(K::Sign, 180, 300, QColor(40, 90, 160), 70, 10);
  c.put(K::StreetLamp, 180, 240, QColor(50, 50, 60), 80);
  c.put(K::Bird, 120, 290, QColor(90, 90, 100));
  c.put(K::Bird, 150, 296, QColor(90, 90, 100));
  c.put(K::PlantPot, 20, 300, QColor(200, 110, 60), 70);
  c.put(K::PlantPot, 360, 300, QColor(200, 110, 60), 70);
  c.put(K::Bird, 240, 60, QColor(40, 40, 50));
  c.put(K::Balloon, 130, 420, QColor(250, 200, 40));
  c.put(K::Cat, 300, 430, QColor(120, 120, 120));
  c.extra(K::Bird, 320, 150, QColor(40, 40, 50));
  c.extra(K::Balloon, 240, 300, QColor(220, 40, 140));
}

void busStopScene(Composer& c) {
  sky(c, 3);
  for (int i = 0; i < 4; ++i) c.put(K::House, 48 + i * 96, 200, c.oneOf({{200, 130, 100}, {220, 200, 150}, {170, 180, 200}}), 100, c.pick(0, 2));
  c.band(0, 200, 380, 40, kGrass);
  c.band(0, 240, 380, 30, kPavement);
  c.band(0, 270, 380, 100, kRoad);
  c.band(0, 370, 380, 66, kPavement);
  for (int i = 0; i < 4; ++i) c.put(K::Tree, 40 + i * 100, 238, QColor(60, 140, 60), 70, c.pick(0, 2));
  c.put(K::Sign, 60, 270, QColor(40, 100, 180), 80, 5);
  c.put(K::Person, 110, 268, QColor(200, 80, 60));
  c.put(K::Person, 150, 268, QColor(60, 140, 90), 100, 2);
  c.put(K::Child, 180, 268, QColor(230, 200, 40));
  c.put(K::Dog, 220, 268, QColor(90, 70, 50), 70);
  c.put(K::Bus, 220, 350, QColor(40, 120, 200), 110, c.pick(0, 2));
  c.put(K::Car, 60, 352, QColor(200, 40, 40), 80);
  c.put(K::StreetLamp, 330, 272, QColor(60, 60, 70), 80);
  c.put(K::Fence, 70, 430, QColor(240, 240, 240), 90, 1);
  c.put(K::Bicycle, 190, 428, QColor(40, 160, 80));
  c.put(K::Person, 250, 430, QColor(160, 60, 160), 100, 1);
  c.put(K::Cat, 300, 430, QColor(230, 150, 60));
  c.put(K::PlantPot, 350, 430, QColor(180, 90, 60), 70);
  c.put(K::Bird, 180, 100, QColor(40, 40, 50));
  c.put(K::Bird, 220, 110, QColor(40, 40, 50));
  c.put(K::Kite, 280, 150, QColor(230, 60, 60), 70);
  c.put(K::Flower, 130, 238, QColor(230, 60, 120));
  c.put(K::Flower, 240, 238, QColor(250, 220, 50));
  c.put(K::Balloon, 130, 410, QColor(40, 120, 220));
  c.put(K::TrafficLight, 360, 380, QColor(40, 40, 45), 60);
  c.extra(K::Bird, 100, 120, QColor(40, 40, 50));
  c.extra(K::Duck, 330, 238, QColor(250, 250, 250));
}

void stationScene(Composer& c) {
  sky(c, 2);
  c.put(K::Tower, 60, 210, QColor(200, 150, 110), 90, 1);
  c.put(K::Shop, 180, 210, QColor(230, 220, 190), 130, 4, QColor(40, 90, 160));
  c.put(K::Tower, 310, 210, QColor(200, 150, 110), 90, 1);
  c.put(K::Clock, 180, 110, QColor(50, 50, 50), 80, c.pick(0, 2));
  c.band(0, 210, 380, 60, QColor(170, 170, 160));
  c.band(0, 270, 380, 8, QColor(120, 100, 80));
  c.band(0, 330, 380, 8, QColor(120, 100, 80));
  c.band(0, 338, 380, 98, QColor(150, 150, 140));
  for (int i = 0; i < 3; ++i) c.put(K::Wagon, 66 + i * 126, 330, c.oneOf({{40, 110, 70}, {190, 50, 50}}), 100);
  c.put(K::Person, 40, 262, QColor(60, 60, 150));
  c.put(K::Person, 90, 262, QColor(200, 120, 40), 100, 1);
  c.put(K::Child, 120, 262, QColor(220, 60, 120));
  c.put(K::Sign, 250, 266, QColor(40, 90, 160), 70, 4);
  c.put(K::Person, 300, 262, QColor(110, 110, 110), 100, 2);
  c.put(K::Dog, 340, 262, QColor(200, 170, 120), 70);
  c.put(K::StreetLamp, 150, 270, QColor(40, 40, 50), 80);
  c.put(K::Person, 60, 428, QColor(50, 140, 140));
  c.put(K::Bicycle, 130, 428, QColor(200, 60, 40));
  c.put(K::Person, 200, 428, QColor(230, 200, 60), 100, 1);
  c.put(K::Cat, 250, 428, QColor(60, 60, 60));
  c.put(K::Bottle, 290, 428, QColor(60, 120, 60));
  c.put(K::PlantPot, 330, 428, QColor(180, 100, 60), 70);
  c.put(K::Bird, 240, 60, QColor(40, 40, 50));
  c.put(K::Bird, 110, 150, QColor(40, 40, 50));
  c.put(K::Flag, 360, 120, QColor(40, 150, 60), 60);
  c.put(K::Flag, 20, 120, QColor(200, 40, 40), 60);
  c.put(K::Table, 20, 428, QColor(150, 100, 60), 40);
  c.put(K::Cloud, 280, 40, QColor(250, 250, 252), 60);
  c.put(K::Bird, 60, 60, QColor(40, 40, 50));
  c.put(K::Cup, 360, 262, QColor(220, 60, 60), 70);
  c.extra(K::Balloon, 170, 420, QColor(220, 40, 60));
  c.extra(K::Bird, 300, 150, QColor(40, 40, 50));
}

void marketScene(Composer& c) {
  sky(c, 2);
  c.put(K::House, 60, 170, QColor(220, 190, 140), 90, c.pick(0, 2));
  c.put(K::Tower, 190, 170, QColor(200, 160, 130), 80, c.pick(0, 2));
  c.put(K::House, 320, 170, QColor(190, 140, 120), 90, c.pick(0, 2));
  c.band(0, 170, 380, 266, QColor(200, 190, 170));
  const QColor awnings[] = {{200, 40, 50}, {40, 120, 60}, {40, 90, 180}};
  for (int i = 0; i < 3; ++i) {
    const int x = 66 + i * 124;
    c.put(K::Awning, x, 300, awnings[i], 100);
    c.put(K::Crate, x - 30, 254, c.oneOf({{220, 40, 40}, {250, 160, 30}}), 60, c.pick(0, 2));
    c.put(K::Crate, x + 10, 254, c.oneOf({{240, 220, 60}, {120, 190, 60}}), 60, c.pick(0, 2));
    c.put(K::Person, x - 10, 318, QColor(240, 240, 240), 90, c.pick(0, 1), QColor(60, 60, 60));
  }
  c.put(K::Melon, 40, 232, QColor(230, 70, 80), 80);
  c.put(K::Cheese, 166, 232, QColor(245, 210, 90), 80);
  c.put(K::Bread, 200, 232, QColor(210, 160, 90), 70);
  c.put(K::Bottle, 300, 232, QColor(60, 120, 60), 80);
  c.put(K::Sign, 126, 168, QColor(240, 230, 200), 60, 11, QColor(200, 40, 40));
  c.put(K::Sign, 250, 168, QColor(240, 230, 200), 60, 3, QColor(40, 90, 180));
  c.put(K::Person, 50, 410, QColor(200, 100, 40));
  c.put(K::Person, 120, 420, QColor(60, 90, 170), 100, 2);
  c.put(K::Child, 160, 420, QColor(240, 200, 40), 100, 1);
  c.put(K::Dog, 220, 420, QColor(120, 80, 50), 80);
  c.put(K::Person, 290, 410, QColor(170, 60, 140), 100, 1);
  c.put(K::Crate, 350, 420, QColor(120, 190, 60), 60, 1);
  c.put(K::Apple, 250, 420, QColor(220, 40, 40));
  c.put(K::Pear, 20, 420, QColor(190, 200, 70));
  c.put(K::Bird, 140, 60, QColor(40, 40, 50));
  c.put(K::Bird, 170, 70, QColor(40, 40, 50));
  c.put(K::Flag, 190, 90, QColor(40, 150, 60), 50);
  c.extra(K::Apple, 100, 380, QColor(250, 200, 40));
  c.extra(K::Cat, 340, 360, QColor(60, 60, 60));
}

void harbourScene(Composer& c) {
  sky(c, 3);
  c.band(0, 180, 380, 256, QColor(50, 120, 180));
  c.band(0, 150, 120, 36, QColor(200, 190, 150));
  c.put(K::House, 30, 152, QColor(230, 200, 150), 60, c.pick(0, 2));
  c.put(K::House, 80, 152, QColor(200, 120, 100), 60, c.pick(0, 2));
  c.put(K::Tower, 200, 186, QColor(240, 240, 240), 70, 0, QColor(200, 40, 40));
  c.band(250, 330, 130, 20, QColor(150, 110, 70));
  c.put(K::Boat, c.near(90, 10), 250, QColor(200, 60, 50), 100, c.pick(0, 2));
  c.put(K::Boat, c.near(300, 8), 240, QColor(240, 240, 240), 80, c.pick(0, 2), QColor(250, 210, 60));
  c.put(K::Boat, 150, 360, QColor(40, 90, 160), 110, c.pick(0, 2));
  c.put(K::Boat, 60, 420, QColor(230, 180, 40), 80, 0);
  for (int i = 0; i < 4; ++i) c.put(K::Fish, 200 + i * 40, 420 - (i % 2) * 30, c.oneOf({{250, 140, 30}, {250, 220, 60}, {200, 80, 160}}), 70);
  c.put(K::Duck, 30, 300, QColor(250, 250, 250));
  c.put(K::Duck, 60, 310, QColor(250, 250, 250));
  c.put(K::Person, 280, 330, QColor(200, 60, 60));
  c.put(K::Person, 330, 330, QColor(60, 60, 150), 100, 2);
  c.put(K::Crate, 360, 330, QColor(150, 190, 60), 50);
  c.put(K::Dog, 255, 330, QColor(230, 220, 200), 60, 0, QColor(120, 80, 50));
  c.put(K::Bird, 140, 110, QColor(250, 250, 250));
  c.put(K::Bird, 170, 100, QColor(250, 250, 250));
  c.put(K::Bird, 260, 140, QColor(250, 250, 250));
  c.put(K::Flag, 110, 150, QColor(40, 150, 60), 50);
  c.put(K::Rock, 350, 250, QColor(120, 120, 110));
  c.put(K::Rock, 250, 280, QColor(130, 120, 110), 70);
  c.put(K::Fish, 320, 360, QColor(250, 140, 30), 60);
  c.put(K::Sign, 30, 140, QColor(240, 240, 240), 50, 7, QColor(40, 90, 160));
  c.put(K::Hen, 300, 330, QColor(250, 250, 250), 80);
  c.put(K::Bottle, 235, 330, QColor(60, 120, 60), 70);
  c.extra(K::Duck, 200, 300, QColor(250, 250, 250));
  c.extra(K::Bird, 60, 60, QColor(250, 250, 250));
}

}  // namespace sample_maker
