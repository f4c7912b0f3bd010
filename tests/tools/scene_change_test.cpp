// Scenes, their changes and the rectangles computed from them.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <stdexcept>

#include "tools/sample_test_helpers.h"
#include "tools/sample_pair.h"
#include "tools/scene.h"
#include "tools/scene_change.h"
#include "tools/scene_painter.h"

using namespace sample_maker;

namespace {

Scene smallScene() {
  Scene s;
  s.width = 100;
  s.height = 80;
  s.background = QColor(200, 220, 240);
  s.shapes = {box("ground", 0, 50, 100, 30, QColor(90, 160, 80)),
              box("hut", 10, 30, 20, 20, QColor(180, 120, 70), QColor(90, 60, 30), 2),
              oval("sun", 70, 5, 16, 16, QColor(250, 220, 60)),
              polyline("bird", {{40, 15}, {45, 10}, {50, 15}}, QColor(30, 30, 30), 2)};
  return s;
}

}  // namespace

TEST(Scene, BoundsCoverFillOutlineAndSmoothing) {
  EXPECT_EQ(shapeBounds(box("a", 10, 20, 30, 40, Qt::red)), QRect(QPoint(9, 19), QPoint(41, 61)));
  // An outline of width 4 reaches two pixels past the edge, smoothing one more.
  EXPECT_EQ(shapeBounds(box("a", 10, 20, 30, 40, Qt::red, Qt::black, 4)), QRect(QPoint(7, 17), QPoint(43, 63)));
  EXPECT_EQ(shapeBounds(polyline("l", {{5, 9}, {1, 3}}, Qt::black, 3)), QRect(QPoint(-2, 0), QPoint(8, 12)));
  const Scene s = smallScene();
  EXPECT_TRUE(objectBounds(s, "nothing").isEmpty());
  EXPECT_EQ(objectBounds(s, "sun"), QRect(QPoint(69, 4), QPoint(87, 22)));
}

TEST(Scene, PaintedShapesStayInsideTheirBounds) {
  Scene s = smallScene();
  const QImage without = paintScene(s, true);
  s.shapes.push_back(polygon("tri", {{20, 60}, {60, 20}, {70, 70}}, QColor(10, 10, 200), QColor(200, 10, 10), 5));
  const QImage with = paintScene(s, true);
  const QRect bounds = shapeBounds(s.shapes.back());
  EXPECT_GT(sample_tests::differingPixels(without, with, bounds), 500);
  EXPECT_EQ(sample_tests::differingOutside(without, with, {bounds}), 0);
}

TEST(SceneChange, EachKindEditsOnlyItsObject) {
  const Scene s = smallScene();

  const Scene removed = applyChange(s, SceneChange::remove("hut"));
  EXPECT_FALSE(hasObject(removed, "hut"));
  EXPECT_EQ(removed.shapes.size(), s.shapes.size() - 1);

  const Scene recoloured = applyChange(s, SceneChange::recolour("hut", Qt::blue));
  EXPECT_EQ(recoloured.shapes[1].fill, QColor(Qt::blue));
  EXPECT_EQ(recoloured.shapes[1].pen, s.shapes[1].pen) << "the outline keeps its colour";
  EXPECT_EQ(recoloured.shapes[0].fill, s.shapes[0].fill);

  const Scene moved = applyChange(s, SceneChange::move("sun", {-20, 3}));
  EXPECT_EQ(moved.shapes[2].points[0], QPoint(50, 8));
  EXPECT_EQ(changeBounds(s, SceneChange::move("sun", {-20, 3})), QRect(QPoint(49, 4), QPoint(87, 25)));

  const Scene added = applyChange(s, SceneChange::add("tree", {oval("", 40, 30, 10, 20, Qt::green)}, "hut"));
  ASSERT_EQ(added.shapes.size(), s.shapes.size() + 1);
  EXPECT_EQ(added.shapes[1].object, "tree") << "painted just under the hut";
  EXPECT_EQ(added.shapes[2].object, "hut");
  EXPECT_EQ(applyChange(s, SceneChange::add("cloud", {oval("", 1, 1, 5, 5, Qt::white)})).shapes.back().object, "cloud");
}

TEST(SceneChange, NamingAMissingObjectIsAnError) {
  const Scene s = smallScene();
  EXPECT_THROW(applyChange(s, SceneChange::remove("boat")), std::invalid_argument);
  EXPECT_THROW(applyChange(s, SceneChange::move("boat", {1, 1})), std::invalid_argument);
  EXPECT_THROW(applyChange(s, SceneChange::add("sun", {oval("", 1, 1, 5, 5, Qt::white)})), std::invalid_argument);
  EXPECT_THROW(applyChange(s, SceneChange::add("moon", {oval("", 1, 1, 5, 5, Qt::white)}, "boat")),
               std::invalid_argument);
}

TEST(SceneChange, RectangleHasMarginAndIsClippedToThePicture) {
  const Scene s = smallScene();
  const QRect sun = differenceRectangle(s, SceneChange::move("sun", {20, 0}));
  EXPECT_EQ(sun.right(), s.width - 1) << "clipped at the right edge";
  EXPECT_EQ(sun.top(), 4 - kDifferenceMargin);
  const QRect hut = differenceRectangle(s, SceneChange::remove("hut"));
  EXPECT_EQ(hut, objectBounds(s, "hut").adjusted(-3, -3, 3, 3));
}

namespace {

SceneDesign designWith(std::vector<SceneChange> candidates) {
  SceneDesign d;
  d.name = "prova";
  d.scene = smallScene();
  d.scene.width = 300;
  d.scene.height = 300;
  d.scene.shapes.push_back(box("field", 0, 240, 300, 60, QColor(120, 180, 90)));
  for (int i = 0; i < 6; ++i) {
    d.scene.shapes.push_back(box("b" + std::to_string(i), 20 + i * 45, 200, 30, 30, QColor(40 * i, 90, 120)));
  }
  d.candidates = std::move(candidates);
  return d;
}

}  // namespace

TEST(ChoosePair, TakesFiveVisibleSeparateChanges) {
  std::vector<SceneChange> candidates;
  for (int i = 0; i < 6; ++i) {
    candidates.push_back(SceneChange::remove("b" + std::to_string(i)));
  }
  // Never chosen: a recolouring to the colour it has, and one too big to need looking for.
  candidates.push_back(SceneChange::recolour("hut", QColor(180, 120, 70)));
  candidates.push_back(SceneChange::recolour("field", Qt::red));
  std::mt19937 rng(5);
  const SamplePair pair = choosePair(designWith(candidates), rng);
  ASSERT_EQ(pair.changes.size(), 5u);
  ASSERT_EQ(pair.differences.size(), 5u);
  std::set<std::string> objects;
  for (const auto& c : pair.changes) {
    objects.insert(c.object);
    EXPECT_EQ(c.kind, SceneChange::Kind::Remove) << c.object;
  }
  EXPECT_EQ(objects.size(), 5u);
  const QImage before = paintScene(pair.original, true), after = paintScene(pair.copy, true);
  EXPECT_EQ(sample_tests::differingOutside(before, after, pair.differences), 0);
  EXPECT_EQ(pair.originalFile(), "prova.bmp");
  EXPECT_EQ(pair.copyFile(), "prova_C.bmp");
}

TEST(ChoosePair, RecolouringToTheSameColourIsNotADifference) {
  std::vector<SceneChange> candidates;
  for (int i = 0; i < 4; ++i) {
    candidates.push_back(SceneChange::remove("b" + std::to_string(i)));
  }
  candidates.push_back(SceneChange::recolour("b5", QColor(200, 90, 120)));  // its own colour
  std::mt19937 rng(1);
  EXPECT_THROW(choosePair(designWith(candidates), rng), std::runtime_error);
}

TEST(ChoosePair, AdditionUnderARemovedObjectStillApplies) {
  std::vector<SceneChange> candidates = {
      SceneChange::add("spot", {oval("", 40, 60, 12, 12, Qt::black)}, "hut"), SceneChange::remove("hut")};
  for (int i = 0; i < 3; ++i) {
    candidates.push_back(SceneChange::remove("b" + std::to_string(i)));
  }
  // The spot lies far from the hut so both may be chosen; the order must not matter.
  candidates[0].added[0].points = {QPoint(150, 20), QPoint(170, 40)};
  for (std::uint32_t seed = 0; seed < 8; ++seed) {
    std::mt19937 rng(seed);
    const SamplePair pair = choosePair(designWith(candidates), rng);
    EXPECT_TRUE(hasObject(pair.copy, "spot"));
    EXPECT_FALSE(hasObject(pair.copy, "hut"));
  }
}
