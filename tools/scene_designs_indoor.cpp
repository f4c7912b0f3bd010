// SPDX-License-Identifier: GPL-2.0-or-later
// Scenes indoors: a kitchen, a classroom, a living room, a bedroom, a library, a party,
// a dinner table.
#include "tools/scene_composer.h"

namespace sample_maker {

namespace {
using K = PieceKind;

void room(Composer& c, int floorY, QColor floor) {
  c.band(0, floorY, 380, 436 - floorY, floor);
  c.band(0, floorY - 6, 380, 6, floor.darker(130));
}

void fruitBowl(Composer& c, int x, int y) {
  c.put(K::Plate, x, y, QColor(240, 240, 235), 80);
  c.put(K::Apple, x - 8, y - 4, c.oneOf({{220, 40, 40}, {120, 190, 60}}), 70);
  c.put(K::Pear, x + 9, y - 4, QColor(200, 200, 70), 70);
}
}  // namespace

void kitchenScene(Composer& c) {
  c.background(QColor(240, 225, 190));
  room(c, 300, QColor(200, 170, 130));
  c.put(K::Window, 190, 150, QColor(160, 210, 240), 160, c.pick(0, 2));
  c.put(K::Clock, 60, 90, QColor(200, 60, 50), 90, c.pick(0, 2));
  c.put(K::Frame, 320, 110, QColor(120, 80, 40), 90, c.pick(0, 2));
  c.put(K::Cupboard, 50, 300, QColor(240, 230, 200), 110, c.pick(0, 1));
  c.put(K::Stove, 330, 300, QColor(235, 235, 235), 100);
  c.put(K::Table, 190, 360, QColor(190, 130, 80), 130);
  c.put(K::Chair, 100, 372, QColor(160, 100, 60), 90);
  c.put(K::Chair, 280, 372, QColor(160, 100, 60), 90).mirrored = true;
  fruitBowl(c, 150, 300);
  c.put(K::Bread, 200, 300, QColor(210, 160, 90), 80);
  c.put(K::Bottle, 236, 300, QColor(60, 120, 60), 80);
  c.put(K::Cup, 256, 300, QColor(230, 230, 240), 90);
  c.put(K::Cheese, 120, 300, QColor(245, 210, 90), 60);
  c.put(K::Cup, 60, 198, QColor(60, 120, 200), 80);
  c.put(K::Cup, 80, 198, QColor(220, 60, 60), 80);
  c.put(K::Bottle, 40, 198, QColor(140, 60, 40), 70);
  c.put(K::Cake, 330, 228, QColor(160, 90, 60), 60, c.pick(0, 2));
  c.put(K::Plate, 330, 230, QColor(240, 240, 235), 70);
  c.put(K::Cat, 170, 430, QColor(230, 150, 60));
  c.put(K::Rug, 260, 430, QColor(170, 60, 60), 70);
  c.put(K::Person, 300, 420, QColor(60, 120, 180), 110, 1);
  c.put(K::Child, 50, 420, QColor(230, 200, 40), 110, 1);
  c.put(K::PlantPot, 120, 428, QColor(190, 100, 60), 70);
  c.put(K::Lamp, 350, 428, QColor(250, 220, 120), 70);
  c.put(K::Bird, 170, 110, QColor(40, 40, 50), 70);
  c.put(K::Flower, 220, 430, QColor(230, 60, 120), 80);
  c.put(K::Apple, 90, 430, QColor(220, 40, 40), 80);
  c.put(K::Shelf, 190, 44, QColor(170, 120, 70), 70, c.pick(0, 2));
  c.put(K::Melon, 20, 300, QColor(230, 70, 80), 50);
  c.extra(K::Apple, 240, 428, QColor(120, 190, 60));
  c.extra(K::Cup, 160, 198, QColor(240, 200, 40), 80);
}

void classroomScene(Composer& c) {
  c.background(QColor(230, 220, 180));
  room(c, 280, QColor(190, 160, 120));
  c.put(K::Blackboard, 150, 150, QColor(40, 80, 60), 130, c.pick(0, 2));
  c.put(K::Clock, 320, 80, QColor(40, 40, 40), 80, c.pick(0, 2));
  c.put(K::Window, 330, 190, QColor(160, 210, 240), 110, c.pick(0, 2));
  c.put(K::Shelf, 330, 280, QColor(160, 110, 70), 80, c.pick(0, 2));
  c.put(K::Frame, 40, 90, QColor(200, 150, 40), 70, c.pick(0, 2));
  c.put(K::Person, 270, 270, QColor(150, 60, 60), 110, 1);
  c.put(K::Flag, 30, 280, QColor(40, 150, 60), 70);
  for (int row = 0; row < 2; ++row) {
    for (int i = 0; i < 3; ++i) {
      const int x = 70 + i * 120, y = 340 + row * 80;
      c.put(K::Table, x, y, QColor(200, 160, 100), 60);
      c.put(K::Child, x + 20, y + 6, c.oneOf({{200, 60, 60}, {60, 120, 200}, {240, 200, 40}, {60, 160, 90}}), 100, c.pick(0, 2));
      c.put(K::Apple, x - 18, y - 28, c.oneOf({{220, 40, 40}, {120, 190, 60}}), 60);
    }
  }
  c.put(K::PlantPot, 20, 430, QColor(190, 100, 60), 60);
  c.put(K::Cup, 200, 252, QColor(230, 230, 240), 70);
  c.put(K::Bottle, 360, 430, QColor(60, 120, 180), 70);
  c.put(K::Lamp, 240, 44, QColor(250, 230, 150), 50);
  c.put(K::Lamp, 90, 44, QColor(250, 230, 150), 50);
  c.put(K::Sign, 330, 140, QColor(240, 240, 230), 40, 9, QColor(200, 40, 40));
  c.extra(K::Cat, 200, 430, QColor(60, 60, 60));
  c.extra(K::Apple, 330, 240, QColor(250, 200, 40));
}

void livingRoomScene(Composer& c) {
  c.background(QColor(220, 200, 170));
  room(c, 300, QColor(170, 120, 80));
  c.put(K::Window, 100, 170, QColor(160, 210, 240), 140, c.pick(0, 2));
  c.put(K::Frame, 250, 120, QColor(160, 110, 40), 110, c.pick(0, 2));
  c.put(K::Frame, 330, 140, QColor(60, 60, 60), 60, c.pick(0, 2));
  c.put(K::Clock, 200, 70, QColor(100, 60, 30), 70, c.pick(0, 2));
  c.put(K::Shelf, 320, 300, QColor(150, 100, 60), 110, c.pick(0, 2));
  c.put(K::Lamp, 30, 300, QColor(240, 200, 120), 100);
  c.put(K::Rug, 180, 400, QColor(60, 90, 160), 130);
  c.put(K::Table, 180, 380, QColor(120, 80, 50), 90);
  c.put(K::Cup, 160, 336, QColor(230, 230, 240), 90);
  c.put(K::Cake, 200, 336, QColor(240, 180, 190), 60, c.pick(0, 2));
  c.put(K::Chair, 80, 380, QColor(200, 60, 60), 100);
  c.put(K::Chair, 270, 380, QColor(200, 60, 60), 100).mirrored = true;
  c.put(K::Cat, 100, 430, QColor(120, 120, 120));
  c.put(K::Dog, 300, 430, QColor(200, 160, 100));
  c.put(K::PlantPot, 30, 430, QColor(190, 100, 60), 80);
  c.put(K::PlantPot, 240, 300, QColor(60, 120, 180), 60);
  c.put(K::Person, 140, 300, QColor(230, 200, 50), 100, 1);
  c.put(K::Child, 220, 300, QColor(60, 160, 90), 100, 0);
  c.put(K::Bottle, 360, 430, QColor(140, 60, 40), 70);
  c.put(K::Flower, 190, 430, QColor(230, 60, 120));
  c.put(K::Bird, 90, 130, QColor(40, 40, 50), 60);
  c.put(K::Bird, 120, 120, QColor(40, 40, 50), 60);
  c.put(K::Balloon, 360, 250, QColor(220, 40, 60), 80);
  c.put(K::Apple, 240, 430, QColor(220, 40, 40), 70);
  c.put(K::Fish, 40, 120, QColor(250, 140, 30), 60);
  c.put(K::Sun, 100, 150, QColor(250, 220, 80), 40);
  c.put(K::Lamp, 150, 44, QColor(250, 230, 150), 50);
  c.put(K::Lamp, 300, 44, QColor(250, 230, 150), 50);
  c.put(K::Bread, 180, 432, QColor(210, 160, 90), 50);
  c.put(K::Pear, 280, 430, QColor(200, 200, 70), 70);
  c.put(K::Star, 60, 60, QColor(250, 220, 80), 50);
  c.extra(K::Cup, 210, 428, QColor(60, 120, 200));
  c.extra(K::Balloon, 30, 200, QColor(40, 120, 220), 80);
}

void bedroomScene(Composer& c) {
  c.background(QColor(200, 210, 230));
  room(c, 310, QColor(190, 150, 110));
  c.put(K::Window, 280, 180, QColor(20, 30, 90), 140, c.pick(0, 2));
  c.put(K::Moon, 280, 150, QColor(240, 230, 170), 40, 0, QColor(20, 30, 90));
  c.put(K::Star, 258, 130, QColor(250, 240, 200), 50);
  c.put(K::Star, 300, 160, QColor(250, 240, 200), 50);
  c.put(K::Frame, 90, 120, QColor(60, 110, 160), 100, c.pick(0, 2));
  c.put(K::Clock, 180, 80, QColor(200, 60, 50), 70, c.pick(0, 2));
  c.put(K::Bed, 120, 370, QColor(80, 120, 200), 130);
  c.put(K::Lamp, 250, 310, QColor(250, 200, 120), 80);
  c.put(K::Cupboard, 340, 310, QColor(210, 170, 120), 90, c.pick(0, 1));
  c.put(K::Shelf, 200, 240, QColor(160, 110, 70), 60, c.pick(0, 2));
  c.put(K::Rug, 250, 420, QColor(200, 80, 120), 100);
  c.put(K::Cat, 90, 300, QColor(60, 60, 60), 90, 1);
  c.put(K::Dog, 330, 430, QColor(200, 160, 100), 80);
  c.put(K::Child, 200, 420, QColor(240, 200, 40), 110, 1);
  c.put(K::Balloon, 40, 250, QColor(220, 40, 60), 80);
  c.put(K::Balloon, 60, 260, QColor(40, 120, 220), 80);
  c.put(K::Kite, 160, 200, QColor(60, 170, 90), 60);
  c.put(K::Plate, 250, 430, QColor(240, 240, 235), 60);
  c.put(K::Cup, 130, 430, QColor(230, 230, 240), 80);
  c.put(K::Apple, 100, 430, QColor(220, 40, 40), 70);
  c.put(K::Bottle, 30, 430, QColor(60, 120, 60), 70);
  c.put(K::PlantPot, 360, 220, QColor(190, 100, 60), 60);
  c.put(K::Flag, 170, 300, QColor(200, 40, 40), 40);
  c.put(K::Fish, 40, 80, QColor(250, 140, 30), 60);
  c.put(K::Bird, 330, 60, QColor(40, 40, 50), 60);
  c.put(K::Sign, 40, 170, QColor(240, 240, 230), 40, 9, QColor(60, 90, 160));
  c.put(K::Cake, 300, 430, QColor(230, 150, 170), 50);
  c.put(K::Flower, 60, 430, QColor(230, 60, 120), 70);
  c.put(K::Star, 320, 130, QColor(250, 240, 200), 40);
  c.put(K::Pear, 220, 310, QColor(200, 200, 70), 60);
  c.put(K::Cup, 360, 430, QColor(60, 120, 200), 70);
  c.extra(K::Star, 250, 170, QColor(250, 240, 200), 50);
  c.extra(K::Apple, 170, 430, QColor(120, 190, 60), 70);
}

}  // namespace sample_maker
