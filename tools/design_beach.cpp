// A day at the seaside: a striped umbrella, a towel, a sand castle, a ball.
#include "tools/sample_designs.h"
#include "tools/seeded_random.h"

namespace sample_maker {

namespace {

std::vector<Shape> starfish(const std::string& name, int cx, int cy) {
  std::vector<QPoint> points;
  const int outer[][2] = {{0, -14}, {4, -5}, {13, -4}, {6, 3}, {8, 12}, {0, 7}, {-8, 12}, {-6, 3}, {-13, -4}, {-4, -5}};
  for (const auto& p : outer) {
    points.emplace_back(cx + p[0], cy + p[1]);
  }
  return {polygon(name, points, QColor(240, 120, 60), QColor(190, 80, 40), 1)};
}

}  // namespace

SceneDesign beach(std::mt19937& rng) {
  const QColor stripe = pickOne(rng, std::vector<QColor>{{220, 40, 50}, {40, 110, 200}});
  const QColor towel = pickOne(rng, std::vector<QColor>{{250, 200, 40}, {120, 200, 120}});
  const int sailX = pickInt(rng, 150, 200);
  const QColor sand(238, 214, 160), white(252, 252, 250);

  Scene s = sampleCanvas(QColor(140, 200, 240));
  auto add = [&](std::vector<Shape> shapes) { s.shapes.insert(s.shapes.end(), shapes.begin(), shapes.end()); };
  add({oval("sun", 290, 24, 50, 50, QColor(255, 225, 80))});
  add({oval("cloud", 30, 40, 64, 24, white), oval("cloud", 56, 30, 52, 30, white)});
  add({box("sea", 0, 150, 360, 90, QColor(30, 120, 190)),
       polygon("foam", {{0, 236}, {60, 228}, {120, 238}, {190, 228}, {260, 238}, {360, 230}, {360, 250}, {0, 250}},
               QColor(230, 245, 250)),
       polygon("beach", {{0, 246}, {80, 238}, {170, 248}, {260, 238}, {360, 246}, {360, 420}, {0, 420}}, sand)});
  add({polygon("sailboat", {{sailX, 146}, {sailX + 30, 146}, {sailX + 24, 154}, {sailX + 6, 154}}, QColor(120, 70, 40)),
       polygon("sailboat", {{sailX + 14, 112}, {sailX + 14, 144}, {sailX + 32, 144}}, white)});
  add({polygon("island", {{250, 150}, {280, 132}, {320, 128}, {350, 150}}, QColor(90, 140, 90))});

  // Umbrella: pole, then the canopy in alternating bands.
  add({polyline("pole", {{110, 210}, {118, 330}}, QColor(120, 90, 60), 4)});
  const int cx = 110, cy = 210, r = 80;
  const QPoint rim[] = {{cx - r, cy + 26}, {cx - r / 2, cy + 30}, {cx, cy + 32}, {cx + r / 2, cy + 30}, {cx + r, cy + 26}};
  for (int i = 0; i < 4; ++i) {
    add({polygon("canopy" + std::to_string(i + 1), {{cx, cy - 20}, rim[i], rim[i + 1]}, i % 2 == 0 ? stripe : white,
                 QColor(120, 120, 120), 1)});
  }
  add({box("towel", 160, 330, 120, 46, towel, towel.darker(140), 2),
       box("towelStripe", 160, 346, 120, 12, QColor(250, 250, 250))});
  add({box("castle", 40, 360, 70, 32, QColor(215, 185, 120), QColor(170, 140, 80), 1),
       box("castle", 40, 346, 16, 16, QColor(215, 185, 120), QColor(170, 140, 80), 1),
       box("castle", 94, 346, 16, 16, QColor(215, 185, 120), QColor(170, 140, 80), 1),
       box("castleDoor", 68, 374, 14, 18, QColor(150, 120, 70))});
  add({polyline("castleFlag", {{48, 346}, {48, 326}}, QColor(80, 60, 40), 2),
       polygon("castleFlag", {{49, 326}, {62, 330}, {49, 334}}, QColor(220, 40, 40))});
  add({polygon("bucket", {{300, 300}, {326, 300}, {322, 330}, {304, 330}}, QColor(60, 160, 220), QColor(30, 100, 160), 2),
       polyline("bucket", {{300, 300}, {313, 288}, {326, 300}}, QColor(30, 100, 160), 2)});
  add({oval("ball", 220, 270, 34, 34, QColor(250, 250, 250), QColor(120, 120, 120), 1),
       polygon("ballPatch", {{237, 271}, {250, 279}, {246, 293}, {228, 293}, {224, 279}}, QColor(230, 50, 50))});
  add(starfish("starfish", 330, 380));
  add({oval("shell", 20, 300, 18, 14, QColor(250, 220, 210), QColor(200, 150, 140), 1)});
  add({polyline("gull", {{200, 80}, {209, 73}, {217, 80}, {225, 73}, {234, 80}}, QColor(60, 60, 70), 2)});

  SceneDesign d;
  d.name = "spiaggia";
  d.originalFormat = d.copyFormat = PictureFormat::Bmp;
  d.scene = s;
  d.candidates = {
      SceneChange::remove("starfish"),
      SceneChange::recolour("ballPatch", QColor(40, 160, 70)),
      SceneChange::move("bucket", {-20, 0}),
      SceneChange::add("crab", {oval("", 180, 392, 22, 14, QColor(220, 60, 40)),
                                polyline("", {{182, 396}, {174, 388}}, QColor(220, 60, 40), 3),
                                polyline("", {{200, 396}, {208, 388}}, QColor(220, 60, 40), 3)}),
      SceneChange::remove("castleFlag"),
      SceneChange::recolour("towelStripe", QColor(250, 120, 170)),
      SceneChange::remove("sailboat"),
      SceneChange::recolour("canopy3", QColor(250, 210, 40)),
      SceneChange::remove("shell"),
      SceneChange::remove("gull"),
      SceneChange::remove("castleDoor"),
      SceneChange::remove("island"),
  };
  return d;
}

}  // namespace sample_maker
