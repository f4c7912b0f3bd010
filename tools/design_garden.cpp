// A garden: a flower bed before the hedge, a gnome, a bird house, a butterfly.
#include "tools/sample_designs.h"
#include "tools/seeded_random.h"

namespace sample_maker {

namespace {

const QColor kStem(40, 120, 40);

// A flower whose head is centred at (cx, cy): stem and leaf, petals, centre, as the
// objects name + "Stem", name + "Petals", name + "Centre". single: one object only.
std::vector<Shape> flower(const std::string& name, int cx, int cy, QColor petals, bool single = false) {
  const auto part = [&](const char* suffix) { return single ? name : name + suffix; };
  std::vector<Shape> shapes = {
      polyline(part("Stem"), {{cx, cy}, {cx, cy + 62}}, kStem, 3),
      polygon(part("Stem"), {{cx, cy + 40}, {cx + 18, cy + 30}, {cx + 22, cy + 36}}, QColor(60, 150, 50))};
  const QPoint around[] = {{0, -10}, {10, -3}, {6, 9}, {-6, 9}, {-10, -3}};
  for (const QPoint& p : around) {
    shapes.push_back(oval(part("Petals"), cx + p.x() - 8, cy + p.y() - 8, 16, 16, petals));
  }
  shapes.push_back(oval(part("Centre"), cx - 6, cy - 6, 12, 12, QColor(250, 200, 40), QColor(190, 130, 20), 1));
  return shapes;
}

}  // namespace

SceneDesign garden(std::mt19937& rng) {
  std::vector<QColor> petalColours = {{220, 40, 60}, {250, 140, 190}, {250, 250, 250},
                                      {240, 170, 40}, {150, 80, 200}, {230, 60, 120}};
  shuffleInPlace(rng, petalColours);
  const int butterflyX = pickInt(rng, 130, 170);

  Scene s = sampleCanvas(QColor(170, 215, 250));
  auto add = [&](std::vector<Shape> shapes) { s.shapes.insert(s.shapes.end(), shapes.begin(), shapes.end()); };
  add({oval("sun", 24, 20, 50, 50, QColor(255, 220, 70))});
  add({oval("cloud", 230, 30, 70, 28, QColor(250, 250, 252)), oval("cloud", 262, 20, 56, 34, QColor(250, 250, 252))});
  std::vector<Shape> hedge = {box("hedge", 0, 150, 360, 60, QColor(50, 120, 50))};
  for (int x = -10; x < 360; x += 36) {
    hedge.push_back(oval("hedge", x, 132, 46, 40, QColor(50, 120, 50)));
  }
  add(hedge);
  add({box("lawn", 0, 200, 360, 220, QColor(120, 190, 80))});
  for (int i = 0; i < 12; ++i) {
    const int x = 6 + i * 30;
    add({polygon("picket" + std::to_string(i + 1), {{x, 226}, {x, 176}, {x + 8, 168}, {x + 16, 176}, {x + 16, 226}},
                 QColor(250, 250, 245), QColor(190, 190, 180), 1)});
  }
  add({box("rail", 0, 188, 360, 7, QColor(240, 240, 232)), box("rail", 0, 212, 360, 7, QColor(240, 240, 232))});
  add({box("birdhouse", 300, 112, 7, 120, QColor(130, 90, 55)),
       box("birdhouse", 284, 82, 38, 32, QColor(190, 130, 75), QColor(120, 80, 40), 2),
       polygon("birdhouseRoof", {{279, 86}, {303, 64}, {327, 86}}, QColor(190, 50, 40))});
  add({oval("birdhouseHole", 297, 90, 12, 12, QColor(40, 25, 15))});
  add({box("bed", 10, 306, 340, 22, QColor(130, 85, 50))});
  const int heads[][2] = {{40, 262}, {95, 250}, {150, 266}, {205, 252}, {260, 264}, {315, 254}};
  for (int i = 0; i < 6; ++i) {
    // The last flower is one object, so a change can take it away whole.
    add(flower("flower" + std::to_string(i + 1), heads[i][0], heads[i][1], petalColours[static_cast<std::size_t>(i)],
               i == 5));
  }
  const int bx = butterflyX;
  add({polygon("butterfly", {{bx, 120}, {bx - 18, 104}, {bx - 20, 124}}, QColor(250, 150, 40), QColor(120, 60, 20), 1),
       polygon("butterfly", {{bx, 120}, {bx + 18, 104}, {bx + 20, 124}}, QColor(250, 150, 40), QColor(120, 60, 20), 1),
       polygon("butterfly", {{bx, 122}, {bx - 12, 136}, {bx - 4, 138}}, QColor(250, 190, 70)),
       polygon("butterfly", {{bx, 122}, {bx + 12, 136}, {bx + 4, 138}}, QColor(250, 190, 70)),
       box("butterfly", bx - 1, 112, 3, 22, QColor(50, 40, 30))});
  add({box("wateringCan", 36, 352, 42, 32, QColor(70, 130, 200), QColor(40, 80, 140), 2),
       polyline("wateringCan", {{78, 362}, {98, 346}}, QColor(70, 130, 200), 4),
       polyline("wateringCan", {{44, 352}, {50, 340}, {64, 340}, {70, 352}}, QColor(40, 80, 140), 3)});
  add({oval("snail", 206, 378, 22, 20, QColor(190, 130, 60), QColor(120, 70, 30), 2),
       polygon("snail", {{198, 398}, {236, 398}, {240, 392}, {230, 394}}, QColor(200, 180, 130))});
  add({box("gnomeBody", 256, 368, 28, 30, QColor(50, 90, 180)), oval("gnomeFace", 259, 344, 22, 20, QColor(250, 205, 170)),
       polygon("gnomeBeard", {{259, 356}, {281, 356}, {270, 378}}, QColor(250, 250, 250)),
       polygon("gnomeHat", {{256, 350}, {284, 350}, {270, 316}}, QColor(210, 40, 40))});

  SceneDesign d;
  d.name = "giardino";
  d.originalFormat = d.copyFormat = PictureFormat::Gif;
  d.scene = s;
  d.candidates = {
      SceneChange::recolour("flower3Petals", QColor(60, 90, 220)),
      SceneChange::remove("butterfly"),
      SceneChange::add("ladybug", {oval("", 120, 380, 14, 12, QColor(220, 30, 30), QColor(30, 30, 30), 1),
                                   oval("", 124, 383, 3, 3, QColor(20, 20, 20)),
                                   oval("", 129, 385, 3, 3, QColor(20, 20, 20))}),
      SceneChange::move("wateringCan", {36, 0}),
      SceneChange::remove("birdhouseHole"),
      SceneChange::recolour("gnomeHat", QColor(40, 90, 200)),
      SceneChange::remove("snail"),
      SceneChange::add("flower7", flower("", 170, 330, QColor(250, 240, 60), true)),
      SceneChange::remove("flower5Centre"),
      SceneChange::remove("picket5"),
      SceneChange::remove("flower6"),
  };
  return d;
}

}  // namespace sample_maker
