// SPDX-License-Identifier: GPL-2.0-or-later
// The scene texts: every delivered scene reads and runs, a bad line is refused by name and
// line, and the generator is drawn in the order the delivered pictures rely on.
#include <gtest/gtest.h>

#include <set>

#include "tools/sample_catalogue.h"
#include "tools/scene_script.h"
#include "tools/seeded_random.h"

using namespace sample_maker;

namespace {

SceneDesign runText(const std::string& text, std::mt19937& rng) {
  SceneScript script;
  script.add("test.txt", text);
  SceneDesign design;
  Composer c(design, rng, QColor(0, 0, 0));
  script.run(script.sceneNames().front(), c);
  return design;
}

std::string refusal(const std::string& text) {
  try {
    std::mt19937 rng(1);
    runText(text, rng);
  } catch (const SceneScriptError& e) {
    return e.what();
  }
  return "accepted";
}

}  // namespace

TEST(SceneScript, EveryDeliveredSceneReadsAndRuns) {
  std::set<std::string> catalogued;
  for (std::size_t i = 0; i < sampleSceneCount(); ++i) {
    std::mt19937 rng(5);
    const SceneDesign d = sampleDesign(i, rng);
    catalogued.insert(d.name);
    EXPECT_GE(d.layout.pieces.size(), 30u) << d.name;
  }
  const auto names = deliveredScenes().sceneNames();
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), catalogued) << "a text scene the catalogue lacks";
}

TEST(SceneScript, FieldsDrawFromLastToFirstAndLoopsRepeat) {
  std::mt19937 rng(42);
  const SceneDesign d = runText(
      "scene s\n"
      "# a note\n"
      "repeat i 2\n"
      "  let x 10+i*5\n"
      "  Tree near(x,3) 200 oneOf(1,2,3|4,5,6) pick(60,90) pick(0,2) nth(i|7,8,9|10,11,12) mirrored\n"
      "end\n"
      "repeat j 2: extra Cat 30+j 40 1,1,1\n"
      "band 0 0 380 10 (1+2)*3,-2+5,7%4\n",
      rng);
  std::mt19937 expected(42);
  const std::vector<QColor> colours{{1, 2, 3}, {4, 5, 6}};
  ASSERT_EQ(d.layout.pieces.size(), 3u);
  for (int i = 0; i < 2; ++i) {
    const Piece& p = d.layout.pieces[static_cast<std::size_t>(i)];
    const int variant = pickInt(expected, 0, 2), scale = pickInt(expected, 60, 90);
    const QColor colour = pickOne(expected, colours);
    const int x = 10 + i * 5 + pickInt(expected, -3, 3);
    EXPECT_EQ(p.variant, variant);
    EXPECT_EQ(p.scale, scale);
    EXPECT_EQ(p.colour, colour);
    EXPECT_EQ(p.at, QPoint(x, 200));
    EXPECT_EQ(p.accent, i == 0 ? QColor(7, 8, 9) : QColor(10, 11, 12));
    EXPECT_TRUE(p.mirrored);
  }
  EXPECT_EQ(d.layout.pieces[2].colour, QColor(9, 3, 3));
  ASSERT_EQ(d.extras.size(), 2u);
  EXPECT_EQ(d.extras[1].at, QPoint(31, 40));
}

TEST(SceneScript, BadLinesAreRefusedNamingSceneAndLine) {
  const struct {
    const char* text;
    const char* says;
  } cases[] = {
      {"scene parco\nTre 1 2 3,4,5\n", "test.txt line 2, scene parco: unknown piece \"Tre\""},
      {"scene parco\nTree 1 2 3,4\n", "line 2, scene parco: a colour is R,G,B"},
      {"scene parco\n\nTree 1 2 3,4,5 100 0 1,2,3 9\n", "line 3, scene parco"},
      {"scene parco\nTree 1 k 3,4,5\n", "unknown name \"k\""},
      {"scene parco\nTree 1 2+ 3,4,5\n", "a number is expected"},
      {"scene parco\nTree 1 2 300,4,5\n", "line 2, scene parco: colour \"300,4,5\" out of 0..255"},
      {"scene parco\nTree 1 2/0 3,4,5\n", "line 2, scene parco: division by zero"},
      {"scene parco\nrepeat i 2\nTree i 2 3,4,5\n", "line 2, scene parco: repeat without end"},
      {"scene parco\nend\n", "end without repeat"},
      {"scene parco\nrepeat i 2\nrepeat i 2\nend\nend\n", "line 3, scene parco: \"i\" is already in use"},
      {"scene parco\nuse sky 1,2,3 4\n", "sky takes 1 arguments"},
      {"scene parco\nuse nowhere\n", "unknown helper"},
      {"Tree 1 2 3,4,5\n", "test.txt line 1: \"Tree\" comes before any scene"},
      {"scene a\nscene a\n", "line 2, scene a: scene \"a\" is already defined"},
      {"scene a\nTree 1 2 nth(2|1,1,1|2,2,2)\n", "nth out of range"},
  };
  for (const auto& c : cases) {
    const std::string said = refusal(c.text);
    EXPECT_NE(said.find(c.says), std::string::npos) << c.text << " -> " << said;
  }
}
