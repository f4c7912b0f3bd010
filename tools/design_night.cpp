// A village under the night sky: the moon, stars, lit windows, pines on the hills.
#include "tools/sample_designs.h"
#include "tools/seeded_random.h"

namespace sample_maker {

namespace {

// Colours of the SVG named set, so that the original (a Windows metafile) and the copy
// (an enhanced metafile) are easy to compare by eye and by name.
const QColor kNight(25, 25, 112);       // midnightblue
const QColor kStarlight(255, 250, 205);  // lemonchiffon
const QColor kMoon(238, 232, 170);       // palegoldenrod
const QColor kCloud(72, 61, 139);        // darkslateblue
const QColor kHillBack(47, 79, 79);      // darkslategray
const QColor kHillFront(85, 107, 47);    // darkolivegreen
const QColor kNeedles(0, 100, 0);        // darkgreen
const QColor kBark(139, 69, 19);         // saddlebrown
const QColor kRoof(128, 0, 0);           // maroon
const QColor kDoor(0, 0, 0);             // black
const QColor kIron(105, 105, 105);       // dimgray
const QColor kPost(160, 82, 45);         // sienna
const QColor kOwl(210, 105, 30);         // chocolate
const QColor kGold(255, 215, 0);         // gold
const QColor kOrange(255, 165, 0);       // orange

std::vector<Shape> star(const std::string& name, int cx, int cy, int r) {
  const int q = r / 3 + 1;
  return {polygon(name, {{cx, cy - r}, {cx + q, cy - q}, {cx + r, cy}, {cx + q, cy + q}, {cx, cy + r}, {cx - q, cy + q},
                         {cx - r, cy}, {cx - q, cy - q}},
                  kStarlight)};
}

std::vector<Shape> pine(const std::string& name, int x, int baseY, int height) {
  const QColor needles = kNeedles;
  const int w = height / 2;
  return {box(name, x - 3, baseY - 10, 6, 12, kBark),
          polygon(name, {{x - w / 2, baseY - 8}, {x, baseY - height * 2 / 3}, {x + w / 2, baseY - 8}}, needles),
          polygon(name, {{x - w / 3, baseY - height / 2}, {x, baseY - height}, {x + w / 3, baseY - height / 2}}, needles)};
}

// A house with its windows as objects name + "Window1", name + "Window2".
std::vector<Shape> house(const std::string& name, int x, int y, int w, int h, QColor wall, QColor light) {
  return {box(name, x, y, w, h, wall),
          polygon(name + "Roof", {{x - 6, y + 2}, {x + w / 2, y - h / 2}, {x + w + 6, y + 2}}, kRoof),
          box(name + "Window1", x + 8, y + 12, 14, 14, light),
          box(name + "Window2", x + w - 22, y + 12, 14, 14, light),
          box(name + "Door", x + w / 2 - 7, y + h - 24, 14, 24, kDoor)};
}

}  // namespace

SceneDesign nightSky(std::mt19937& rng) {
  const QColor light = pickOne(rng, std::vector<QColor>{kGold, kOrange});
  const int moonX = pickInt(rng, 238, 262);

  Scene s = sampleCanvas(kNight);
  auto add = [&](std::vector<Shape> shapes) { s.shapes.insert(s.shapes.end(), shapes.begin(), shapes.end()); };
  const int stars[][3] = {{30, 34, 6},  {88, 70, 5},  {140, 28, 7}, {196, 62, 5}, {60, 130, 6},
                          {120, 110, 4}, {200, 140, 6}, {330, 150, 5}, {22, 190, 4}, {170, 190, 5}};
  int n = 0;
  for (const auto& st : stars) {
    add(star("star" + std::to_string(++n), st[0] + pickInt(rng, -4, 4), st[1] + pickInt(rng, -4, 4), st[2]));
  }
  add({oval("moon", moonX, 36, 74, 74, kMoon), oval("moonShadow", moonX + 24, 26, 70, 70, kNight)});
  add({oval("cloud", 40, 210, 90, 20, kCloud), oval("cloud", 70, 200, 70, 24, kCloud)});

  add({polygon("hillBack", {{0, 270}, {80, 236}, {170, 256}, {260, 226}, {360, 250}, {360, 420}, {0, 420}},
               kHillBack),
       polygon("hillFront", {{0, 330}, {120, 300}, {240, 318}, {360, 296}, {360, 420}, {0, 420}}, kHillFront)});
  add(pine("pine1", 34, 300, 70));
  add(pine("pine2", 318, 300, 80));
  add(house("house1", 80, 262, 64, 50, QColor(112, 128, 144) /* slategray */, light));
  add(house("house2", 176, 250, 76, 62, QColor(188, 143, 143) /* rosybrown */, light));
  add({box("chimney2", 230, 214, 10, 20, kRoof)});
  add({box("lampPost", 286, 316, 5, 70, kIron), oval("lampLight", 278, 300, 21, 18, light)});
  add({polyline("fence", {{20, 372}, {250, 372}}, kBark, 4), polyline("fence", {{20, 388}, {250, 388}}, kBark, 4)});
  for (int x = 26; x < 250; x += 28) {
    add({box("post" + std::to_string(x), x, 362, 7, 40, kPost)});
  }
  add({oval("owl", 137, 332, 22, 30, kOwl), oval("owl", 140, 338, 8, 8, kGold), oval("owl", 149, 338, 8, 8, kGold),
       polygon("owl", {{146, 346}, {150, 346}, {148, 351}}, kOrange)});

  SceneDesign d;
  d.name = "notte";
  d.originalFormat = PictureFormat::Wmf;
  d.copyFormat = PictureFormat::Emf;
  d.scene = s;
  d.candidates = {
      SceneChange::remove("star3"),
      SceneChange::add("newStar", star("", 100, 180, 6)),
      SceneChange::recolour("house2Window1", kHillBack),
      SceneChange::add("shootingStar", {polyline("", {{20, 84}, {50, 100}, {78, 112}}, QColor(255, 255, 255) /* white */, 2),
                                        polygon("", {{78, 106}, {86, 114}, {76, 118}}, kStarlight)}),
      SceneChange::remove("owl"),
      SceneChange::recolour("house1Door", QColor(178, 34, 34) /* firebrick */),
      SceneChange::remove("pine2"),
      SceneChange::move("moonShadow", {14, 0}),
      SceneChange::remove("chimney2"),
      SceneChange::recolour("lampLight", QColor(135, 206, 250) /* lightskyblue */),
      SceneChange::remove("star6"),
      SceneChange::recolour("house1Roof", QColor(70, 130, 180) /* steelblue */),
  };
  return d;
}

}  // namespace sample_maker
