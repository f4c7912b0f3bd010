// SPDX-License-Identifier: GPL-2.0-or-later
// Scenes around books and food: a library, a party, a dinner table.
#include "tools/scene_composer.h"

namespace sample_maker {

namespace {
using K = PieceKind;
}  // namespace

void libraryScene(Composer& c) {
  c.background(QColor(230, 210, 170));
  c.band(0, 320, 380, 116, QColor(150, 100, 70));
  for (int i = 0; i < 4; ++i) {
    c.put(K::Shelf, 50 + i * 94, 150, QColor(150, 100, 60), 100, c.pick(0, 2), c.oneOf({{230, 230, 220}, {200, 80, 80}}));
    c.put(K::Shelf, 50 + i * 94, 230, QColor(150, 100, 60), 100, c.pick(0, 2));
    c.put(K::Shelf, 50 + i * 94, 310, QColor(150, 100, 60), 100, c.pick(0, 2));
  }
  c.put(K::Clock, 190, 60, QColor(60, 60, 60), 70, c.pick(0, 2));
  c.put(K::Lamp, 60, 44, QColor(250, 230, 150), 40);
  c.put(K::Lamp, 320, 44, QColor(250, 230, 150), 40);
  c.put(K::Table, 190, 400, QColor(120, 80, 50), 150);
  c.put(K::Chair, 90, 410, QColor(160, 60, 60), 90);
  c.put(K::Chair, 290, 410, QColor(160, 60, 60), 90).mirrored = true;
  c.put(K::Person, 130, 400, QColor(60, 110, 180), 100, 0);
  c.put(K::Child, 250, 400, QColor(230, 200, 40), 100, 1);
  c.put(K::Cup, 170, 352, QColor(230, 230, 240), 80);
  c.put(K::Lamp, 215, 352, QColor(60, 160, 90), 50);
  c.put(K::Apple, 150, 352, QColor(220, 40, 40), 60);
  c.put(K::Cat, 40, 430, QColor(60, 60, 60));
  c.put(K::PlantPot, 350, 430, QColor(190, 100, 60), 70);
  c.put(K::Sign, 190, 20, QColor(240, 230, 200), 30, 9, QColor(60, 60, 60)).at = QPoint(300, 90);
  c.put(K::Frame, 100, 90, QColor(160, 110, 40), 60, c.pick(0, 2));
  c.put(K::Rug, 190, 432, QColor(60, 90, 160), 90);
  c.put(K::Clock, 40, 70, QColor(200, 60, 50), 50, c.pick(0, 2));
  c.put(K::Bottle, 240, 352, QColor(60, 120, 180), 60);
  c.put(K::Flower, 260, 432, QColor(230, 60, 120), 70);
  c.extra(K::Cup, 230, 430, QColor(220, 60, 60));
  c.extra(K::Bird, 200, 120, QColor(40, 40, 50));
}

void partyScene(Composer& c) {
  c.band(0, 300, 380, 136, QColor(160, 200, 120));
  c.put(K::Sun, 320, 70, QColor(250, 215, 60));
  c.put(K::Cloud, 80, 60, QColor(250, 250, 252), 80);
  c.put(K::House, 80, 300, QColor(230, 200, 150), 130, c.pick(0, 2));
  for (int i = 0; i < 6; ++i) c.put(K::Balloon, 170 + i * 34, c.near(170, 15), c.oneOf({{220, 40, 60}, {40, 120, 220}, {250, 200, 40}, {60, 170, 90}}), 90);
  c.put(K::Flag, 170, 300, QColor(200, 40, 40), 60);
  c.put(K::Flag, 350, 300, QColor(40, 90, 200), 60);
  c.put(K::Table, 250, 380, QColor(240, 240, 240), 150);
  c.put(K::Cake, 250, 311, QColor(230, 150, 170), 100, c.pick(0, 2));
  c.put(K::Plate, 190, 312, QColor(240, 240, 235), 70);
  c.put(K::Plate, 310, 312, QColor(240, 240, 235), 70);
  c.put(K::Cup, 170, 310, QColor(60, 120, 200), 80);
  c.put(K::Cup, 330, 310, QColor(220, 60, 60), 80);
  c.put(K::Bottle, 210, 312, QColor(200, 120, 40), 80);
  c.put(K::Bottle, 290, 312, QColor(60, 120, 60), 80);
  c.put(K::Melon, 345, 312, QColor(230, 70, 80), 60);
  c.put(K::Child, 60, 420, QColor(240, 200, 40), 110, 1);
  c.put(K::Child, 120, 420, QColor(60, 120, 200), 110, 2);
  c.put(K::Child, 180, 425, QColor(200, 60, 120), 110, 0);
  c.put(K::Person, 340, 425, QColor(120, 60, 160), 100, 1);
  c.put(K::Dog, 250, 430, QColor(200, 160, 100), 80);
  c.put(K::Kite, 40, 200, QColor(230, 60, 60), 80);
  c.put(K::Bird, 200, 70, QColor(40, 40, 50));
  c.put(K::Tree, 20, 300, QColor(60, 140, 60), 70, c.pick(0, 2));
  c.put(K::Flower, 150, 330, QColor(230, 60, 120));
  c.put(K::Flower, 20, 340, QColor(250, 220, 50));
  c.put(K::Apple, 230, 312, QColor(220, 40, 40), 60);
  c.put(K::Bread, 270, 432, QColor(210, 160, 90), 50).at = QPoint(300, 432);
  c.extra(K::Balloon, 100, 130, QColor(160, 60, 190), 90);
  c.extra(K::Bird, 260, 60, QColor(40, 40, 50));
}

void dinnerScene(Composer& c) {
  c.band(0, 150, 380, 286, QColor(230, 220, 200));
  c.band(0, 0, 380, 150, QColor(200, 180, 150));
  c.put(K::Window, 80, 120, QColor(160, 210, 240), 120, c.pick(0, 2));
  c.put(K::Frame, 300, 110, QColor(160, 110, 40), 100, c.pick(0, 2));
  c.put(K::Clock, 190, 80, QColor(120, 60, 40), 70, c.pick(0, 2));
  for (int row = 0; row < 3; ++row) {
    const int y = 210 + row * 90;
    c.put(K::Plate, 70, y, QColor(250, 250, 250), 130);
    c.put(K::Plate, 300, y, QColor(250, 250, 250), 130);
    c.put(K::Cup, 140, y, c.oneOf({{60, 120, 200}, {220, 60, 60}, {240, 200, 40}}), 90);
    c.put(K::Bottle, 230, y, c.oneOf({{60, 120, 60}, {140, 60, 40}}), 90);
  }
  c.put(K::Apple, 60, 206, QColor(220, 40, 40), 80);
  c.put(K::Pear, 80, 206, QColor(200, 200, 70), 80);
  c.put(K::Bread, 300, 205, QColor(210, 160, 90), 70);
  c.put(K::Cheese, 70, 295, QColor(245, 210, 90), 70);
  c.put(K::Cake, 300, 294, QColor(160, 90, 60), 60, c.pick(0, 2));
  c.put(K::Melon, 70, 384, QColor(230, 70, 80), 70);
  c.put(K::Apple, 290, 384, QColor(120, 190, 60), 70);
  c.put(K::Apple, 310, 384, QColor(220, 40, 40), 70);
  c.put(K::Fish, 190, 170, QColor(250, 140, 30), 70);
  c.put(K::Flower, 190, 250, QColor(230, 60, 120));
  c.put(K::Flower, 190, 340, QColor(250, 220, 50));
  c.put(K::PlantPot, 190, 430, QColor(190, 100, 60), 60);
  c.put(K::Cat, 350, 430, QColor(230, 150, 60), 80);
  c.put(K::Lamp, 30, 150, QColor(250, 230, 150), 60);
  c.put(K::Lamp, 350, 150, QColor(250, 230, 150), 60);
  c.extra(K::Cup, 30, 430, QColor(230, 230, 240));
  c.extra(K::Apple, 120, 420, QColor(250, 200, 40), 80);
}

}  // namespace sample_maker
