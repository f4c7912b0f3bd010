// SPDX-License-Identifier: GPL-2.0-or-later
// Scenes under an open sky: a beach, a lake, a winter village, an aquarium, balloons in
// the sky, a village at night, a meadow.
#include "tools/scene_composer.h"

namespace sample_maker {

namespace {
using K = PieceKind;
const QColor kCloud(250, 250, 252);
}  // namespace

void beachScene(Composer& c) {
  c.band(0, 190, 380, 110, QColor(40, 130, 190));
  c.band(0, 300, 380, 136, QColor(240, 215, 150));
  c.put(K::Sun, c.near(300, 10), 90, QColor(250, 215, 60));
  c.put(K::Cloud, c.near(90, 15), 70, kCloud);
  c.put(K::Cloud, c.near(200, 15), 110, kCloud, 70);
  c.put(K::Bird, 150, 150, QColor(250, 250, 250));
  c.put(K::Bird, 180, 140, QColor(250, 250, 250));
  c.put(K::Boat, c.near(80, 10), 260, QColor(200, 60, 50), 80, c.pick(0, 2));
  c.put(K::Boat, c.near(260, 10), 240, QColor(240, 240, 240), 60, c.pick(0, 2));
  c.put(K::Fish, 180, 280, QColor(250, 140, 30), 70);
  c.put(K::Duck, 330, 290, QColor(250, 250, 250));
  for (int i = 0; i < 3; ++i) c.put(K::Umbrella, 60 + i * 130, 370, c.oneOf({{220, 60, 60}, {40, 110, 190}, {250, 200, 40}}), 100);
  c.put(K::Person, 100, 400, QColor(200, 60, 60), 100, 1);
  c.put(K::Child, 160, 410, QColor(60, 120, 200), 100, 1);
  c.put(K::Child, 220, 420, QColor(240, 200, 40), 100, 0);
  c.put(K::Person, 300, 400, QColor(60, 160, 90), 100, 2);
  c.put(K::Dog, 350, 430, QColor(200, 160, 100), 80);
  c.put(K::Balloon, 40, 330, QColor(220, 40, 60), 80);
  c.put(K::Kite, 250, 190, QColor(230, 60, 60), 70);
  c.put(K::Cup, 30, 430, QColor(60, 120, 200));
  c.put(K::Melon, 260, 430, QColor(230, 70, 80), 70);
  c.put(K::Bottle, 130, 430, QColor(60, 120, 60), 70);
  c.put(K::Rock, 20, 310, QColor(140, 130, 120), 80);
  c.put(K::Rock, 360, 320, QColor(140, 130, 120), 60);
  c.put(K::Flag, 200, 330, QColor(200, 40, 40), 60);
  c.put(K::Sign, 330, 350, QColor(240, 240, 240), 50, 7, QColor(40, 90, 160));
  c.put(K::Fish, 60, 200, QColor(250, 220, 60), 60);
  c.put(K::Bird, 40, 120, QColor(250, 250, 250));
  c.put(K::Duck, 300, 250, QColor(250, 250, 250));
  c.put(K::Apple, 200, 430, QColor(220, 40, 40), 70);
  c.put(K::Bird, 320, 40, QColor(250, 250, 250));
  c.extra(K::Fish, 300, 210, QColor(200, 80, 160), 70);
  c.extra(K::Duck, 140, 220, QColor(250, 250, 250));
}

void lakeScene(Composer& c) {
  c.band(0, 200, 380, 236, QColor(50, 110, 170));
  c.put(K::Sun, c.near(190, 20), 80, QColor(250, 215, 60));
  c.put(K::Rock, 60, 210, QColor(120, 130, 140), 400);
  c.put(K::Rock, 300, 210, QColor(110, 120, 130), 350);
  c.put(K::Cloud, 100, 60, kCloud, 80);
  c.put(K::Cloud, 300, 50, kCloud, 70);
  for (int i = 0; i < 5; ++i) c.put(K::Pine, 20 + i * 85, 230, QColor(40, 110, 60), c.pick(70, 90));
  c.put(K::House, 190, 230, QColor(200, 120, 90), 70, c.pick(0, 2));
  c.put(K::Boat, 120, 320, QColor(200, 60, 50), 80, c.pick(0, 2));
  c.put(K::Boat, 280, 300, QColor(240, 240, 240), 60, c.pick(0, 2));
  for (int i = 0; i < 3; ++i) c.put(K::Duck, 40 + i * 40, 380, QColor(250, 250, 250));
  for (int i = 0; i < 3; ++i) c.put(K::Fish, 220 + i * 50, 400 - (i % 2) * 20, c.oneOf({{250, 140, 30}, {250, 220, 60}}), 70);
  c.put(K::Bird, 160, 130, QColor(40, 40, 50));
  c.put(K::Bird, 200, 140, QColor(40, 40, 50));
  c.put(K::Bird, 320, 120, QColor(40, 40, 50));
  c.put(K::Person, 80, 300, QColor(240, 200, 40), 70, 1);
  c.put(K::Rock, 340, 430, QColor(140, 130, 120), 80);
  c.put(K::Flag, 360, 200, QColor(200, 40, 40), 50);
  c.put(K::Kite, 60, 150, QColor(60, 170, 90), 60);
  c.put(K::Duck, 320, 360, QColor(130, 100, 60));
  c.put(K::Rock, 30, 430, QColor(140, 130, 120), 70);
  c.put(K::Bird, 60, 40, QColor(40, 40, 50));
  c.put(K::Fish, 100, 420, QColor(200, 80, 160), 70);
  c.put(K::Cloud, 200, 30, QColor(250, 250, 252), 50);
  c.extra(K::Duck, 180, 400, QColor(250, 250, 250));
  c.extra(K::Bird, 260, 160, QColor(40, 40, 50));
}

void winterScene(Composer& c) {
  c.background(QColor(70, 90, 150));
  c.band(0, 220, 380, 216, QColor(245, 248, 252));
  c.put(K::Moon, 320, 90, QColor(240, 240, 230), 80, 1);
  for (int i = 0; i < 6; ++i) c.put(K::Star, 30 + i * 50, c.near(60, 20), QColor(250, 250, 250), 70);
  for (int i = 0; i < 3; ++i) c.put(K::House, 60 + i * 130, 240, c.oneOf({{200, 120, 90}, {180, 190, 210}, {230, 200, 150}}), 100, c.pick(0, 2), QColor(240, 240, 250));
  for (int i = 0; i < 4; ++i) c.put(K::Pine, 20 + i * 110, 300, QColor(40, 100, 70), c.pick(80, 100));
  c.put(K::Child, 120, 400, QColor(200, 40, 40), 100, 1);
  c.put(K::Child, 200, 410, QColor(40, 90, 200), 100, 2);
  c.put(K::Person, 300, 410, QColor(60, 140, 90), 100, 2);
  c.put(K::Dog, 250, 420, QColor(90, 70, 50), 80);
  c.put(K::StreetLamp, 40, 420, QColor(50, 50, 60), 80);
  c.put(K::Fence, 330, 330, QColor(150, 110, 70), 80, 1);
  c.put(K::Sheep, 60, 430, QColor(235, 235, 230));
  c.put(K::Bird, 200, 150, QColor(40, 40, 50));
  c.put(K::Sign, 180, 330, QColor(40, 90, 160), 50, 6);
  c.put(K::Pine, 180, 230, QColor(40, 100, 70), 60);
  c.put(K::Bird, 260, 180, QColor(40, 40, 50));
  c.put(K::Star, 250, 40, QColor(250, 250, 250), 60);
  c.put(K::Star, 340, 170, QColor(250, 250, 250), 60);
  c.put(K::Rock, 350, 430, QColor(180, 180, 190), 70);
  c.put(K::Cat, 160, 430, QColor(60, 60, 60));
  c.put(K::Cup, 20, 330, QColor(200, 40, 40), 60);
  c.put(K::Flag, 120, 330, QColor(200, 40, 40), 50);
  c.extra(K::Star, 160, 120, QColor(250, 250, 250), 70);
  c.extra(K::Bird, 120, 170, QColor(40, 40, 50));
}

void aquariumScene(Composer& c) {
  c.background(QColor(60, 140, 200));
  c.band(0, 390, 380, 46, QColor(230, 210, 150));
  for (int i = 0; i < 14; ++i) {
    c.put(K::Fish, 30 + (i % 5) * 75 + (i / 5) * 18, 80 + (i / 5) * 100 + (i % 3) * 20,
          c.oneOf({{250, 140, 30}, {250, 220, 60}, {200, 80, 160}, {60, 200, 200}, {230, 60, 60}}), c.pick(80, 120));
  }
  for (int i = 0; i < 4; ++i) c.put(K::Rock, 40 + i * 100, 400, QColor(120, 120, 110), 100);
  for (int i = 0; i < 6; ++i) c.put(K::Bush, 20 + i * 66, 410, QColor(40, 140, 90), 60);
  for (int i = 0; i < 5; ++i) c.put(K::Balloon, 60 + i * 70, c.near(390, 10), QColor(210, 240, 250), 40);
  c.put(K::Duck, 190, 40, QColor(250, 250, 250));
  c.put(K::Mushroom, 300, 430, QColor(200, 60, 60));
  c.put(K::Boat, 330, 430, QColor(200, 60, 50), 50, 0);
  c.extra(K::Fish, 190, 330, QColor(250, 220, 60));
  c.extra(K::Fish, 60, 300, QColor(200, 80, 160));
}

void skyScene(Composer& c) {
  c.band(0, 360, 380, 76, QColor(110, 180, 90));
  c.put(K::Sun, c.near(60, 10), 90, QColor(250, 215, 60));
  for (int i = 0; i < 5; ++i) c.put(K::Cloud, 40 + i * 80, 60 + (i % 2) * 120, kCloud, c.pick(70, 100));
  for (int i = 0; i < 8; ++i) c.put(K::Balloon, 40 + (i % 4) * 90, 200 + (i / 4) * 110, c.oneOf({{220, 40, 60}, {40, 120, 220}, {250, 200, 40}, {60, 170, 90}}), c.pick(90, 120));
  for (int i = 0; i < 3; ++i) c.put(K::Kite, 80 + i * 110, 150 + (i % 2) * 30, c.oneOf({{230, 60, 60}, {60, 90, 200}}), 90);
  for (int i = 0; i < 5; ++i) c.put(K::Bird, 30 + i * 70, 40 + (i % 2) * 14, QColor(40, 40, 50));
  for (int i = 0; i < 4; ++i) c.put(K::Child, 50 + i * 90, 420, c.oneOf({{200, 40, 40}, {40, 90, 200}, {240, 200, 40}}), 100, c.pick(0, 2));
  c.put(K::Tree, 350, 380, QColor(60, 140, 60), 70);
  c.put(K::Flower, 100, 430, QColor(230, 60, 120));
  c.put(K::Flower, 190, 430, QColor(250, 220, 50));
  c.put(K::Dog, 280, 430, QColor(200, 160, 100), 80);
  c.put(K::Bush, 20, 400, QColor(70, 150, 70), 60);
  c.extra(K::Balloon, 320, 130, QColor(160, 60, 190));
  c.extra(K::Bird, 200, 300, QColor(40, 40, 50));
}

void nightScene(Composer& c) {
  c.background(QColor(25, 25, 112));
  c.band(0, 260, 380, 176, QColor(47, 79, 79));
  c.put(K::Moon, c.near(300, 15), 110, QColor(238, 232, 170), 110, 0, QColor(25, 25, 112));
  for (int i = 0; i < 9; ++i) c.put(K::Star, 20 + i * 38, c.near(60 + (i % 3) * 50, 10), QColor(255, 250, 205), 80, c.pick(0, 1));
  c.put(K::Cloud, 80, 220, QColor(72, 61, 139), 80);
  for (int i = 0; i < 3; ++i) c.put(K::House, 60 + i * 120, 300, c.oneOf({{112, 128, 144}, {188, 143, 143}}), 90, c.pick(0, 2), QColor(128, 0, 0));
  for (int i = 0; i < 4; ++i) c.put(K::Pine, 20 + i * 115, 360, QColor(0, 100, 0), c.pick(80, 100));
  c.put(K::StreetLamp, 300, 420, QColor(105, 105, 105), 90, 0, QColor(255, 215, 0));
  c.put(K::Cat, 120, 420, QColor(30, 30, 30));
  c.put(K::Fence, 200, 430, QColor(160, 82, 45), 90, 1);
  c.put(K::Bird, 200, 200, QColor(20, 20, 20));
  c.put(K::Person, 60, 430, QColor(210, 105, 30), 90, 2);
  c.put(K::Star, 200, 150, QColor(255, 250, 205), 60);
  c.put(K::Star, 40, 190, QColor(255, 250, 205), 60);
  c.put(K::Bird, 240, 230, QColor(20, 20, 20));
  c.put(K::Rock, 250, 430, QColor(105, 105, 105), 70);
  c.put(K::Mushroom, 160, 430, QColor(178, 34, 34));
  c.put(K::Flower, 230, 380, QColor(255, 215, 0), 80);
  c.put(K::Bush, 350, 430, QColor(0, 100, 0), 70);
  c.put(K::Cloud, 200, 250, QColor(72, 61, 139), 60);
  c.extra(K::Star, 150, 180, QColor(255, 250, 205), 80);
  c.extra(K::Cat, 350, 350, QColor(210, 105, 30));
}

void meadowScene(Composer& c) {
  c.band(0, 230, 380, 206, QColor(85, 160, 60));
  c.put(K::Sun, c.near(320, 10), 80, QColor(255, 215, 0));
  c.put(K::Cloud, 80, 70, QColor(255, 255, 255), 90);
  c.put(K::Cloud, 200, 110, QColor(255, 255, 255), 70);
  for (int i = 0; i < 4; ++i) c.put(K::Tree, 40 + i * 100, 240, QColor(34, 139, 34), c.pick(70, 90), c.pick(0, 2));
  for (int i = 0; i < 8; ++i) c.put(K::Flower, 25 + i * 46, 300 + (i % 3) * 40, c.oneOf({{255, 105, 180}, {255, 215, 0}, {138, 43, 226}}), 100, c.pick(0, 2));
  c.put(K::Cow, 100, 420, QColor(255, 255, 255), 100, c.pick(0, 1), QColor(0, 0, 0));
  c.put(K::Sheep, 220, 400, QColor(245, 245, 245));
  c.put(K::Sheep, 260, 420, QColor(245, 245, 245));
  c.put(K::Rock, 340, 420, QColor(128, 128, 128));
  c.put(K::Bird, 150, 160, QColor(0, 0, 0));
  c.put(K::Bird, 250, 180, QColor(0, 0, 0));
  c.put(K::Kite, 300, 200, QColor(220, 20, 60), 80);
  c.put(K::Mushroom, 180, 430, QColor(178, 34, 34));
  c.put(K::Duck, 30, 430, QColor(255, 255, 255));
  c.put(K::Hen, 140, 380, QColor(250, 250, 250));
  c.put(K::Bush, 360, 240, QColor(34, 139, 34), 60);
  c.put(K::Rock, 250, 310, QColor(128, 128, 128), 60);
  c.put(K::Bird, 60, 40, QColor(0, 0, 0));
  c.put(K::Cloud, 330, 160, QColor(255, 255, 255), 60);
  c.put(K::Mushroom, 70, 350, QColor(178, 34, 34));
  c.put(K::Flower, 300, 430, QColor(255, 105, 180));
  c.extra(K::Bird, 60, 150, QColor(0, 0, 0));
  c.extra(K::Mushroom, 330, 320, QColor(178, 34, 34));
}

}  // namespace sample_maker
