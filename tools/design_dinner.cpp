// A table laid for dinner for two, in front of a window.
#include "tools/sample_designs.h"
#include "tools/seeded_random.h"

namespace sample_maker {

namespace {

std::vector<Shape> fork(const std::string& name, int x, int y) {
  const QColor steel(150, 150, 165);
  return {box(name, x + 3, y + 10, 3, 30, steel), box(name, x, y, 9, 12, steel),
          polyline(name, {{x + 3, y}, {x + 3, y + 8}}, QColor(240, 235, 225), 1),
          polyline(name, {{x + 6, y}, {x + 6, y + 8}}, QColor(240, 235, 225), 1)};
}

std::vector<Shape> knife(const std::string& name, int x, int y) {
  return {polygon(name, {{x, y}, {x + 6, y + 2}, {x + 6, y + 22}, {x, y + 22}}, QColor(190, 190, 200)),
          box(name, x, y + 22, 6, 18, QColor(70, 50, 40))};
}

std::vector<Shape> plate(const std::string& name, int x, int y) {
  return {oval(name, x, y, 92, 28, QColor(252, 252, 250), QColor(190, 190, 195), 2),
          oval(name, x + 16, y + 5, 60, 18, QColor(240, 240, 238), QColor(215, 215, 220), 1)};
}

}  // namespace

SceneDesign dinnerTable(std::mt19937& rng) {
  const QColor cloth = pickOne(rng, std::vector<QColor>{{200, 50, 60}, {50, 90, 170}});
  const QColor wallpaper = pickOne(rng, std::vector<QColor>{{236, 222, 190}, {225, 232, 210}});
  const QColor curtain(180, 40, 50), glass(205, 230, 245), glassRim(150, 180, 200);

  Scene s = sampleCanvas(wallpaper);
  auto add = [&](std::vector<Shape> shapes) { s.shapes.insert(s.shapes.end(), shapes.begin(), shapes.end()); };
  // The wall: a framed painting and a window with curtains.
  add({box("frame", 30, 36, 116, 86, QColor(120, 80, 40), QColor(80, 50, 20), 2),
       box("painting", 39, 45, 98, 68, QColor(130, 190, 230)),
       polygon("paintingHills", {{39, 113}, {39, 90}, {70, 76}, {100, 92}, {137, 80}, {137, 113}}, QColor(80, 150, 80)),
       oval("paintingSun", 108, 52, 16, 16, QColor(250, 210, 60))});
  add({box("window", 214, 30, 108, 122, QColor(170, 210, 240), QColor(250, 250, 250), 6),
       polyline("windowBars", {{268, 30}, {268, 152}}, QColor(250, 250, 250), 5),
       polyline("windowBars", {{214, 91}, {322, 91}}, QColor(250, 250, 250), 5),
       polygon("curtainL", {{204, 22}, {232, 22}, {222, 164}, {198, 164}}, curtain),
       polygon("curtainR", {{304, 22}, {332, 22}, {338, 164}, {314, 164}}, curtain),
       box("rod", 194, 18, 148, 6, QColor(110, 80, 50))});
  add({polyline("lampCord", {{160, 0}, {160, 40}}, QColor(60, 60, 60), 2),
       polygon("lampShade", {{140, 40}, {180, 40}, {192, 62}, {128, 62}}, QColor(60, 130, 90), QColor(30, 80, 50), 2)});

  // The table and what is on it.
  add({box("floor", 0, 370, 360, 50, QColor(150, 100, 70)), box("legs", 30, 360, 16, 60, QColor(110, 70, 40)),
       box("legs", 314, 360, 16, 60, QColor(110, 70, 40)),
       polygon("tablecloth", {{20, 226}, {340, 226}, {360, 330}, {0, 330}}, QColor(250, 248, 240)),
       box("hem", 0, 330, 360, 36, cloth)});
  for (int x = 0; x < 360; x += 40) {
    add({polygon("hemPattern", {{x + 10, 330}, {x + 30, 330}, {x + 20, 344}}, QColor(250, 248, 240))});
  }
  add({oval("bread", 76, 230, 52, 22, QColor(205, 150, 80), QColor(150, 100, 50), 1),
       polyline("bread", {{92, 234}, {88, 248}}, QColor(150, 100, 50), 2),
       polyline("bread", {{106, 233}, {102, 249}}, QColor(150, 100, 50), 2)});
  add({polygon("glass1", {{42, 198}, {64, 198}, {60, 242}, {46, 242}}, glass, glassRim, 1),
       polygon("wine1", {{44, 220}, {62, 220}, {60, 242}, {46, 242}}, QColor(140, 20, 45))});
  add({polygon("bottle", {{171, 148}, {181, 148}, {181, 174}, {193, 190}, {193, 250}, {159, 250}, {159, 190}, {171, 174}},
               QColor(40, 110, 60), QColor(20, 70, 35), 1),
       box("label", 163, 205, 26, 24, QColor(240, 230, 200))});
  add({box("candle", 206, 190, 12, 56, QColor(250, 250, 235), QColor(200, 190, 160), 1),
       polyline("wick", {{212, 190}, {212, 184}}, QColor(50, 40, 30), 2),
       oval("flame", 206, 168, 12, 18, QColor(255, 190, 40), QColor(255, 130, 20), 1)});
  add({oval("orange", 282, 212, 24, 24, QColor(245, 150, 30)), oval("apple", 262, 216, 22, 22, QColor(200, 30, 40)),
       oval("bowl", 250, 230, 72, 26, QColor(90, 130, 200), QColor(50, 80, 150), 2)});
  add({box("salt", 122, 262, 10, 18, QColor(250, 250, 250), QColor(170, 170, 170), 1),
       box("salt", 122, 258, 10, 5, QColor(160, 160, 170))});
  add(plate("plate1", 40, 286));
  add({oval("food1", 64, 289, 44, 14, QColor(240, 200, 90)), oval("food1", 78, 285, 18, 9, QColor(200, 60, 40))});
  add(plate("plate2", 226, 286));
  add({oval("food2", 250, 290, 40, 14, QColor(150, 80, 50)), oval("food2", 286, 292, 16, 9, QColor(110, 170, 70))});
  add(fork("fork1", 22, 282));
  add(knife("knife1", 140, 282));
  add(fork("fork2", 208, 282));
  add(knife("knife2", 326, 282));
  add({polygon("napkin", {{150, 300}, {196, 300}, {173, 322}}, QColor(250, 220, 120), QColor(200, 170, 80), 1)});

  SceneDesign d;
  d.name = "tavola";
  d.originalFormat = d.copyFormat = PictureFormat::Bmp;
  d.scene = s;
  d.candidates = {
      SceneChange::remove("flame"),
      SceneChange::recolour("bottle", QColor(120, 60, 30)),
      SceneChange::recolour("label", QColor(200, 60, 60)),
      SceneChange::remove("knife1"),
      SceneChange::add("grapes",
                       {oval("", 300, 216, 9, 9, QColor(110, 50, 120)), oval("", 308, 219, 9, 9, QColor(110, 50, 120)),
                        oval("", 302, 224, 9, 9, QColor(110, 50, 120)), oval("", 310, 227, 9, 9, QColor(110, 50, 120))},
                       "bowl"),
      SceneChange::remove("paintingSun"),
      SceneChange::recolour("curtainR", QColor(60, 120, 70)),
      SceneChange::remove("wine1"),
      SceneChange::recolour("food2", QColor(100, 170, 70)),
      SceneChange::remove("salt"),
      SceneChange::move("napkin", {0, -10}),
      SceneChange::recolour("lampShade", QColor(200, 150, 50)),
  };
  return d;
}

}  // namespace sample_maker
