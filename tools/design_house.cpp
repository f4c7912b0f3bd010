// A house with a tree in the countryside, on a sunny day.
#include "tools/sample_designs.h"
#include "tools/seeded_random.h"

namespace sample_maker {

namespace {

std::vector<Shape> cloud(const std::string& name, int x, int y) {
  const QColor white(250, 250, 252);
  return {oval(name, x, y + 12, 50, 30, white), oval(name, x + 25, y, 55, 40, white),
          oval(name, x + 55, y + 14, 45, 28, white)};
}

std::vector<Shape> bird(const std::string& name, int x, int y) {
  return {polyline(name, {{x, y}, {x + 8, y - 6}, {x + 15, y}, {x + 22, y - 6}, {x + 30, y}}, QColor(40, 40, 50), 2)};
}

}  // namespace

SceneDesign houseAndTree(std::mt19937& rng) {
  const QColor wall = pickOne(rng, std::vector<QColor>{{235, 215, 170}, {240, 200, 160}, {225, 225, 200}});
  const QColor door = pickOne(rng, std::vector<QColor>{{120, 75, 40}, {140, 60, 40}});
  const int cloudShift = pickInt(rng, -12, 12);
  const QColor trim(120, 90, 60), glass(170, 215, 240), white(255, 255, 255);
  const QColor leaves(60, 140, 55), leavesDark(45, 120, 45);

  Scene s = sampleCanvas(QColor(150, 200, 240));
  auto add = [&](std::vector<Shape> shapes) { s.shapes.insert(s.shapes.end(), shapes.begin(), shapes.end()); };
  add({oval("sun", 282, 28, 52, 52, QColor(255, 215, 60), QColor(250, 180, 40), 2)});
  add(cloud("cloud1", 30 + cloudShift, 40));
  add(cloud("cloud2", 170 - cloudShift, 82));
  add({oval("hill1", -60, 200, 260, 120, QColor(95, 165, 70)), oval("hill2", 180, 215, 260, 90, QColor(100, 172, 76)),
       box("grass", 0, 250, 360, 170, QColor(110, 180, 80))});
  add({box("chimney", 165, 118, 20, 42, QColor(150, 60, 45), QColor(100, 40, 30), 2),
       box("wall", 50, 180, 160, 120, wall, trim, 2),
       polygon("roof", {{38, 184}, {130, 112}, {222, 184}}, QColor(180, 70, 50), QColor(110, 40, 30), 2),
       box("door", 115, 235, 30, 65, door, QColor(80, 50, 25), 2),
       oval("knob", 136, 265, 5, 5, QColor(230, 200, 60)),
       box("window1", 68, 205, 34, 32, glass, white, 3),
       polyline("window1bars", {{85, 205}, {85, 237}}, white, 2),
       polyline("window1bars", {{68, 221}, {102, 221}}, white, 2),
       box("window2", 158, 205, 34, 32, glass, white, 3),
       polyline("window2bars", {{175, 205}, {175, 237}}, white, 2),
       polyline("window2bars", {{158, 221}, {192, 221}}, white, 2),
       polygon("path", {{117, 300}, {143, 300}, {172, 420}, {88, 420}}, QColor(205, 185, 145))});
  add({polyline("stems", {{62, 300}, {62, 285}}, QColor(40, 110, 40), 2),
       polyline("stems", {{78, 300}, {78, 288}}, QColor(40, 110, 40), 2),
       polyline("stems", {{94, 300}, {94, 284}}, QColor(40, 110, 40), 2),
       oval("flowers", 56, 278, 12, 12, QColor(220, 50, 60)), oval("flowers", 72, 281, 12, 12, QColor(220, 50, 60)),
       oval("flowers", 88, 277, 12, 12, QColor(220, 50, 60))});
  add({box("trunk", 262, 200, 22, 100, QColor(110, 75, 45), QColor(80, 55, 30), 2),
       oval("crown", 230, 128, 90, 80, leaves), oval("crown", 212, 165, 62, 56, leavesDark),
       oval("crown", 276, 160, 66, 60, leavesDark)});
  add({box("mailbox", 20, 255, 5, 45, QColor(90, 90, 90)),
       box("mailbox", 11, 240, 23, 16, QColor(200, 40, 40), QColor(120, 20, 20), 1)});
  add({box("bench", 290, 330, 56, 8, QColor(140, 95, 55)), box("bench", 294, 338, 5, 14, QColor(100, 70, 40)),
       box("bench", 337, 338, 5, 14, QColor(100, 70, 40))});

  SceneDesign d;
  d.name = "casa";
  d.originalFormat = d.copyFormat = PictureFormat::Jpeg;
  d.scene = s;
  d.candidates = {
      SceneChange::remove("chimney"),
      SceneChange::recolour("door", QColor(40, 90, 160)),
      SceneChange::move("sun", {-48, 6}),
      SceneChange::add("apples",
                       {oval("", 247, 168, 11, 11, QColor(210, 40, 40)), oval("", 292, 146, 11, 11, QColor(210, 40, 40)),
                        oval("", 303, 186, 11, 11, QColor(210, 40, 40)), oval("", 236, 192, 11, 11, QColor(210, 40, 40))}),
      SceneChange::remove("cloud2"),
      SceneChange::add("bird", bird("", 176, 44)),
      SceneChange::recolour("window2", QColor(250, 225, 110)),
      SceneChange::remove("mailbox"),
      SceneChange::recolour("flowers", QColor(90, 90, 220)),
      SceneChange::remove("window1bars"),
      SceneChange::remove("bench"),
  };
  return d;
}

}  // namespace sample_maker
