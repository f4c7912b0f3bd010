// A town street: houses and a shop, a traffic light, cars on the road.
#include "tools/sample_designs.h"
#include "tools/seeded_random.h"

namespace sample_maker {

namespace {

// A car whose body sits on the line y, front to the right. Its parts are objects of
// their own: name, name + "Windows", name + "FrontWheel", name + "BackWheel".
std::vector<Shape> car(const std::string& name, int x, int y, QColor paint) {
  const QColor tyre(30, 30, 35), hub(190, 190, 200), window(180, 220, 240);
  return {polygon(name, {{x, y}, {x, y - 18}, {x + 18, y - 22}, {x + 34, y - 40}, {x + 82, y - 40}, {x + 100, y - 22},
                         {x + 118, y - 18}, {x + 122, y - 8}, {x + 122, y}},
                  paint, paint.darker(160), 2),
          polygon(name + "Windows", {{x + 38, y - 36}, {x + 58, y - 36}, {x + 58, y - 23}, {x + 24, y - 23}}, window),
          polygon(name + "Windows", {{x + 63, y - 36}, {x + 80, y - 36}, {x + 94, y - 23}, {x + 63, y - 23}}, window),
          oval(name + "BackWheel", x + 14, y - 12, 26, 26, tyre), oval(name + "BackWheel", x + 21, y - 5, 12, 12, hub),
          oval(name + "FrontWheel", x + 82, y - 12, 26, 26, tyre), oval(name + "FrontWheel", x + 89, y - 5, 12, 12, hub),
          oval(name + "Lamp", x + 114, y - 16, 8, 7, QColor(255, 240, 150))};
}

// A grid of windows; each window is its own object, "win<block>_<n>".
std::vector<Shape> windows(const std::string& block, int x, int y, int columns, int rows, QColor glass) {
  std::vector<Shape> shapes;
  int n = 0;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      shapes.push_back(box("win" + block + "_" + std::to_string(++n), x + c * 30, y + r * 38, 18, 24, glass,
                           QColor(245, 245, 240), 2));
    }
  }
  return shapes;
}

}  // namespace

SceneDesign street(std::mt19937& rng) {
  const QColor car1Paint = pickOne(rng, std::vector<QColor>{{210, 40, 40}, {230, 170, 30}});
  const QColor car2Paint = pickOne(rng, std::vector<QColor>{{40, 150, 90}, {120, 80, 170}});
  const int car1X = pickInt(rng, 20, 50);
  const QColor glass(120, 160, 200);

  Scene s = sampleCanvas(QColor(160, 205, 235));
  auto add = [&](std::vector<Shape> shapes) { s.shapes.insert(s.shapes.end(), shapes.begin(), shapes.end()); };
  add({oval("cloud", 150, 22, 60, 26, QColor(250, 250, 252)), oval("cloud", 176, 12, 50, 32, QColor(250, 250, 252))});
  add({box("building1", 0, 70, 104, 182, QColor(200, 120, 90), QColor(150, 85, 60), 2),
       polygon("roof1", {{-4, 72}, {52, 40}, {108, 72}}, QColor(150, 60, 50))});
  add(windows("1", 14, 86, 3, 3, glass));
  add({box("building2", 110, 104, 118, 148, QColor(175, 175, 190), QColor(120, 120, 135), 2),
       polyline("antenna", {{168, 104}, {168, 70}}, QColor(60, 60, 70), 2),
       polyline("antenna", {{156, 80}, {180, 80}}, QColor(60, 60, 70), 2),
       polyline("antenna", {{160, 90}, {176, 90}}, QColor(60, 60, 70), 2)});
  add(windows("2", 126, 118, 3, 2, glass));
  add({box("building3", 232, 46, 128, 206, QColor(225, 195, 135), QColor(170, 140, 90), 2)});
  add(windows("3", 248, 62, 4, 3, glass));
  add({box("shopWindow", 244, 208, 72, 44, QColor(150, 190, 215), QColor(90, 70, 50), 3),
       box("sign", 244, 186, 100, 18, QColor(200, 40, 50), QColor(130, 20, 30), 2),
       box("shopDoor", 322, 208, 26, 44, QColor(110, 75, 45), QColor(70, 45, 25), 2)});
  add({box("pavement", 0, 252, 360, 30, QColor(190, 190, 190)), box("kerb", 0, 280, 360, 6, QColor(130, 130, 130)),
       box("road", 0, 286, 360, 98, QColor(80, 80, 85)), box("pavement2", 0, 384, 360, 36, QColor(190, 190, 190))});
  for (int i = 0; i < 5; ++i) {
    add({box("dash" + std::to_string(i + 1), 10 + i * 76, 332, 40, 6, QColor(245, 245, 245))});
  }
  add({box("tree", 64, 206, 10, 48, QColor(110, 75, 45)), oval("treeCrown", 42, 164, 54, 52, QColor(60, 140, 60))});
  add({box("streetLamp", 122, 150, 5, 104, QColor(60, 60, 70)),
       oval("streetLamp", 113, 140, 23, 14, QColor(250, 240, 170), QColor(60, 60, 70), 2)});
  add({box("trafficLight", 221, 190, 6, 64, QColor(90, 90, 95)),
       box("trafficLight", 212, 132, 24, 60, QColor(40, 40, 45), QColor(20, 20, 20), 1),
       oval("lightRed", 216, 136, 16, 16, QColor(230, 30, 30)), oval("lightYellow", 216, 154, 16, 16, QColor(90, 80, 20)),
       oval("lightGreen", 216, 172, 16, 16, QColor(20, 60, 25))});
  add({box("bin", 290, 258, 16, 22, QColor(40, 120, 60), QColor(20, 70, 30), 1),
       box("bin", 288, 255, 20, 5, QColor(30, 90, 45))});
  add(car("car2", 196, 326, car2Paint));
  add(car("car1", car1X, 376, car1Paint));

  SceneDesign d;
  d.name = "strada";
  d.originalFormat = d.copyFormat = PictureFormat::Jpeg;
  d.scene = s;
  d.candidates = {
      SceneChange::recolour("car1", QColor(40, 90, 200)),
      SceneChange::remove("car2FrontWheel"),
      SceneChange::recolour("win2_5", QColor(250, 220, 100)),
      SceneChange::remove("antenna"),
      SceneChange::recolour("sign", QColor(40, 120, 200)),
      SceneChange::remove("dash3"),
      SceneChange::recolour("lightGreen", QColor(40, 220, 70)),
      SceneChange::remove("streetLamp"),
      SceneChange::recolour("treeCrown", QColor(220, 140, 40)),
      SceneChange::remove("bin"),
      SceneChange::remove("win3_6"),
      SceneChange::add("bird", {polyline("", {{60, 30}, {68, 24}, {75, 30}, {82, 24}, {90, 30}}, QColor(40, 40, 50), 2)}),
      SceneChange::remove("car1Windows"),
  };
  return d;
}

}  // namespace sample_maker
