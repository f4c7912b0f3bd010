// A little harbour: boats on the water, a lighthouse on the rocks, the quay in front.
#include "tools/sample_designs.h"
#include "tools/seeded_random.h"

namespace sample_maker {

namespace {

std::vector<Shape> gull(const std::string& name, int x, int y) {
  return {polyline(name, {{x, y}, {x + 9, y - 7}, {x + 17, y}, {x + 25, y - 7}, {x + 34, y}}, QColor(60, 60, 70), 2)};
}

std::vector<Shape> wave(const std::string& name, int x, int y) {
  return {polyline(name, {{x, y}, {x + 8, y - 4}, {x + 16, y}, {x + 24, y - 4}, {x + 32, y}}, QColor(130, 180, 225), 2)};
}

std::vector<Shape> bollard(const std::string& name, int x) {
  const QColor iron(55, 55, 60);
  return {box(name, x, 316, 14, 18, iron), oval(name, x - 3, 310, 20, 10, iron)};
}

// The lighthouse tower narrows upwards; a band at [top, bottom) follows its sides.
QPoint towerEdge(int y, bool left) {
  const int inset = (230 - y) * 6 / 110;
  return left ? QPoint(298 + inset, y) : QPoint(334 - inset, y);
}

Shape towerBand(const std::string& name, int top, int bottom, QColor colour) {
  return polygon(name, {towerEdge(top, true), towerEdge(top, false), towerEdge(bottom, false), towerEdge(bottom, true)},
                 colour);
}

}  // namespace

SceneDesign harbour(std::mt19937& rng) {
  const QColor hull1 = pickOne(rng, std::vector<QColor>{{200, 50, 50}, {40, 140, 90}});
  const int boatShift = pickInt(rng, -8, 8);
  const QColor red(200, 40, 40), white(250, 250, 250), wood(140, 90, 50);

  Scene s = sampleCanvas(QColor(175, 215, 245));
  auto add = [&](std::vector<Shape> shapes) { s.shapes.insert(s.shapes.end(), shapes.begin(), shapes.end()); };
  add({oval("sun", 36, 28, 46, 46, QColor(255, 225, 90))});
  add(gull("gull1", 130, 70));
  add(gull("gull2", 220, 44));
  add({polygon("shore", {{0, 150}, {60, 122}, {130, 142}, {200, 112}, {280, 136}, {360, 118}, {360, 170}, {0, 170}},
               QColor(120, 160, 120)),
       box("sea", 0, 165, 360, 170, QColor(40, 110, 180))});
  add({polygon("rocks", {{262, 252}, {280, 226}, {300, 220}, {336, 222}, {352, 236}, {360, 256}}, QColor(110, 100, 95)),
       towerBand("tower", 120, 230, white), towerBand("stripe1", 140, 156, red), towerBand("stripe2", 176, 192, red),
       towerBand("stripe3", 210, 226, red), box("lamp", 303, 104, 26, 16, QColor(255, 230, 110), QColor(60, 60, 60), 2),
       polygon("cap", {{299, 105}, {316, 88}, {333, 105}}, red)});
  add(wave("wave1", 20, 196));
  add(wave("wave2", 150, 186));
  add(wave("wave3", 100, 300));
  add(wave("wave4", 290, 290));

  const int bx = boatShift;
  add({polygon("hull1", {{40 + bx, 262}, {142 + bx, 262}, {126 + bx, 288}, {56 + bx, 288}}, hull1,
               QColor(90, 30, 30), 2),
       polyline("mast1", {{90 + bx, 262}, {90 + bx, 176}}, QColor(90, 65, 40), 3),
       polygon("sail1", {{94 + bx, 182}, {94 + bx, 256}, {138 + bx, 256}}, white, QColor(170, 170, 170), 1),
       polygon("jib1", {{86 + bx, 190}, {86 + bx, 256}, {50 + bx, 256}}, QColor(235, 235, 225), QColor(170, 170, 170), 1)});
  add({polygon("hull2", {{165, 238}, {247, 238}, {236, 258}, {176, 258}}, white, QColor(30, 60, 100), 2),
       box("cabin2", 184, 220, 38, 19, QColor(230, 120, 40), QColor(120, 60, 20), 1),
       oval("porthole2", 189, 225, 9, 9, QColor(170, 220, 250)), oval("porthole2", 205, 225, 9, 9, QColor(170, 220, 250))});
  add({polygon("rowboat", {{196, 298}, {262, 298}, {252, 312}, {206, 312}}, wood, QColor(90, 55, 30), 2),
       polyline("oar", {{214, 296}, {246, 318}}, QColor(120, 80, 45), 3)});
  add({oval("buoy", 148, 302, 15, 15, QColor(240, 80, 30), QColor(120, 40, 20), 1)});

  add({box("quayEdge", 0, 332, 360, 8, QColor(105, 105, 110)), box("quay", 0, 340, 360, 80, QColor(160, 158, 150))});
  for (int i = 0; i < 6; ++i) {
    add({polyline("joints", {{i * 64 + 20, 340}, {i * 64 + 20, 420}}, QColor(135, 133, 126), 2)});
  }
  add({polyline("joints", {{0, 380}, {360, 380}}, QColor(135, 133, 126), 2)});
  add(bollard("bollard1", 60));
  add(bollard("bollard2", 250));
  add({box("crate", 120, 352, 28, 24, QColor(180, 130, 70), QColor(110, 70, 30), 2),
       polyline("crate", {{120, 352}, {148, 376}}, QColor(110, 70, 30), 2)});
  add({polyline("rope", {{300, 360}, {312, 352}, {326, 360}, {312, 368}, {300, 360}}, QColor(200, 170, 110), 3)});

  SceneDesign d;
  d.name = "porto";
  d.originalFormat = d.copyFormat = PictureFormat::Gif;
  d.scene = s;
  d.candidates = {
      SceneChange::recolour("hull2", QColor(250, 215, 70)),
      SceneChange::add("flag1", {polygon("", {{91 + bx, 170}, {108 + bx, 175}, {91 + bx, 181}}, QColor(255, 200, 0)),
                                 polyline("", {{90 + bx, 181}, {90 + bx, 168}}, QColor(90, 65, 40), 3)}),
      SceneChange::remove("porthole2"),
      SceneChange::remove("gull1"),
      SceneChange::move("buoy", {32, 0}),
      SceneChange::recolour("sail1", QColor(250, 170, 60)),
      SceneChange::remove("bollard2"),
      SceneChange::remove("stripe2"),
      SceneChange::remove("crate"),
      SceneChange::add("gull3", gull("", 190, 100)),
      SceneChange::remove("wave3"),
      SceneChange::remove("oar"),
  };
  return d;
}

}  // namespace sample_maker
