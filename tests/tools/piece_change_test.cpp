// SPDX-License-Identifier: GPL-2.0-or-later
// Scene pieces, the changes made to them, and the pairs chosen from those changes.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "tools/sample_test_helpers.h"
#include "tools/change_kinds.h"
#include "tools/pixel_difference.h"
#include "tools/sample_pair.h"
#include "tools/scene.h"
#include "tools/scene_pieces.h"

using namespace sample_maker;

TEST(Scene, BoundsCoverFillOutlineAndSmoothing) {
  EXPECT_EQ(shapeBounds(box(10, 20, 30, 40, Qt::red)), QRect(QPoint(9, 19), QPoint(41, 61)));
  // An outline of width 4 reaches two pixels past the edge, smoothing one more.
  EXPECT_EQ(shapeBounds(box(10, 20, 30, 40, Qt::red, Qt::black, 4)), QRect(QPoint(7, 17), QPoint(43, 63)));
  EXPECT_EQ(shapeBounds(polyline({{5, 9}, {1, 3}}, Qt::black, 3)), QRect(QPoint(-2, 0), QPoint(8, 12)));
}

TEST(ScenePieces, EveryKindStaysInsideItsBoundsAndMirrorsAboutItsAnchor) {
  const auto kinds = pieceKinds();
  EXPECT_GE(kinds.size(), 60u);
  for (const std::string& k : kinds) {
    if (k == "Block") continue;
    Piece p = piece("thing", k, 190, 300, QColor(200, 80, 60));
    Scene s;
    s.width = 380;
    s.height = 436;
    s.background = QColor(250, 250, 250);
    const QImage empty = paintScene(s, true);
    for (Shape& shape : drawPiece(p)) s.shapes.push_back(shape);
    const QImage drawn = paintScene(s, true);
    const QRect bounds = objectBounds(s, "thing");
    EXPECT_GT(sample_tests::differingPixels(empty, drawn, bounds), 100) << "kind " << k;
    EXPECT_EQ(sample_tests::differingOutside(empty, drawn, {bounds}), 0) << "kind " << k;
    EXPECT_LE(bounds.bottom(), 300 + 4) << "kind " << k << " stands on its anchor, outline and smoothing below it";

    Piece mirrored = p;
    mirrored.mirrored = true;
    Scene m = s;
    m.shapes = drawPiece(mirrored);
    const QRect flipped = objectBounds(m, "thing");
    EXPECT_EQ(flipped.top(), bounds.top()) << "kind " << k;
    EXPECT_LE(std::abs((190 - bounds.left()) - (flipped.right() - 190)), 1) << "kind " << k;
  }
}

TEST(ScenePieces, ScaleKeepsTheAnchorAndVariantsChangeTheDrawing) {
  const Piece house = piece("h", "House", 100, 200, QColor(200, 120, 90));
  Piece big = house;
  big.scale = 150;
  Scene a, b;
  a.shapes = drawPiece(house);
  b.shapes = drawPiece(big);
  const QRect small = objectBounds(a, "h"), large = objectBounds(b, "h");
  EXPECT_NEAR(large.width(), small.width() * 3 / 2, 4);
  EXPECT_NEAR(large.bottom(), small.bottom(), 2);
  EXPECT_NEAR(large.center().x(), small.center().x(), 2);
  for (const char* k : {"House", "Window", "Sign", "Clock", "Flower"}) {
    ASSERT_GE(variantCount(k), 2);
    Piece one = piece("v", k, 190, 300, QColor(90, 140, 200));
    Piece other = one;
    other.variant = 1;
    Scene first, second;
    first.width = second.width = 380;
    first.height = second.height = 436;
    first.background = second.background = QColor(250, 250, 250);
    first.shapes = drawPiece(one);
    second.shapes = drawPiece(other);
    EXPECT_GT(sample_tests::differingPixels(paintScene(first, true), paintScene(second, true),
                                            first.shapes.empty() ? QRect() : QRect(0, 0, 380, 436), 40),
              20)
        << "kind " << k << ": the detail shows";
  }
}

TEST(PieceChange, EachKindEditsOnlyItsPiece) {
  Layout l;
  l.width = 200;
  l.height = 200;
  l.background = QColor(255, 255, 255);
  l.add(block("ground", 0, 150, 200, 50, QColor(90, 160, 80)));
  l.add(piece("tree", "Tree", 50, 150, QColor(60, 140, 60)));
  l.add(piece("cat", "Cat", 140, 150, QColor(60, 60, 60)));

  PieceChange c{ChangeKind::Remove, "cat", {}};
  EXPECT_EQ(applyChange(l, c).indexOf("cat"), -1);
  c = {ChangeKind::Move, "tree", l.pieces[1]};
  c.after.at += QPoint(10, 0);
  const Layout moved = applyChange(l, c);
  EXPECT_EQ(moved.pieces[1].at, QPoint(60, 150));
  EXPECT_EQ(moved.pieces[2].at, l.pieces[2].at);
  c = {ChangeKind::Add, "bird", piece("ignored", "Bird", 100, 40, Qt::black)};
  const Layout added = applyChange(l, c);
  ASSERT_EQ(added.pieces.size(), 4u);
  EXPECT_EQ(added.pieces.back().name, "bird") << "on top of all";

  EXPECT_THROW(applyChange(l, {ChangeKind::Remove, "boat", {}}), std::invalid_argument);
  EXPECT_THROW(applyChange(l, {ChangeKind::Add, "cat", l.pieces[2]}), std::invalid_argument);

  std::mt19937 rng(1);
  for (int i = 0; i < 50; ++i) {
    PieceChange proposed;
    ASSERT_TRUE(proposeChange(l, {}, ChangeKind::Recolour, rng, proposed));
    EXPECT_NE(proposed.piece, "ground") << "ground is never changed";
    const QColor before = l.pieces[static_cast<std::size_t>(l.indexOf(proposed.piece))].colour;
    EXPECT_GE(channelGap(before.rgb(), proposed.after.colour.rgb()), 45) << "even a subtle recolouring is a plain step";
    PieceChange addition;
    EXPECT_FALSE(proposeChange(l, {}, ChangeKind::Add, rng, addition)) << "nothing to add";
  }
}

TEST(PixelDifference, OnePatchStrengthAndBounds) {
  QImage a(60, 40, QImage::Format_RGB32);
  a.fill(QColor(100, 100, 100));
  QImage b = a;
  for (int y = 5; y < 20; ++y) {
    for (int x = 5; x < 20; ++x) b.setPixel(x, y, qRgb(150, 100, 100));
  }
  b.setPixel(21, 10, qRgb(110, 100, 100));  // faint, two pixels off: still one patch
  DifferenceShape d = measureDifference(a, b, a.rect());
  EXPECT_EQ(d.bounds, QRect(5, 5, 17, 15));
  EXPECT_EQ(d.strongBounds, QRect(5, 5, 15, 15));
  EXPECT_EQ(d.strongPixels, 225);
  EXPECT_TRUE(d.onePatch);
  b.setPixel(40, 30, qRgb(0, 0, 0));
  EXPECT_FALSE(measureDifference(a, b, a.rect()).onePatch) << "a second patch far away";
  EXPECT_TRUE(measureDifference(a, a, a.rect()).bounds.isEmpty());
}

TEST(PixelDifference, AThinStrokeThatFadesWhenBlurredSplitsAChange) {
  QImage a(80, 40, QImage::Format_RGB32);
  a.fill(QColor(100, 100, 100));
  QImage b = a;
  const auto fill = [&](int x0, int x1, int y0, int y1, QRgb c) {
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) b.setPixel(x, y, c);
    }
  };
  fill(5, 20, 5, 25, qRgb(200, 100, 100));
  fill(50, 65, 5, 25, qRgb(200, 100, 100));
  // A plain step, but one pixel wide: a slight blur takes it under what a checker counts.
  fill(20, 50, 15, 16, qRgb(145, 100, 100));
  EXPECT_FALSE(blurredOnePatch(a, b, a.rect()));
  EXPECT_FALSE(measureDifference(a, b, a.rect()).onePatch) << "two patches as a pair checker sees them";
  fill(20, 50, 14, 17, qRgb(145, 100, 100));
  EXPECT_TRUE(blurredOnePatch(a, b, a.rect())) << "a band three pixels wide survives the blur";
  EXPECT_TRUE(measureDifference(a, b, a.rect()).onePatch);
}

namespace {

// Houses small enough for the pair check to keep their changes apart.
SceneDesign rowOfHouses(int houses) {
  SceneDesign d;
  d.name = "prova";
  d.originalFormat = d.copyFormat = PictureFormat::Bmp;
  d.layout.width = 380;
  d.layout.height = 436;
  d.layout.background = QColor(160, 205, 235);
  d.layout.add(block("ground", 0, 300, 380, 136, QColor(100, 170, 80)));
  for (int i = 0; i < houses; ++i) {
    d.layout.add(piece("h" + std::to_string(i), "House", 60 + (i % 3) * 130, 140 + (i / 3) * 150, QColor(200, 120, 90),
                       60, i % 3));
  }
  return d;
}

}  // namespace

TEST(MakePair, FiveSeparateRealChangesWithTightRectangles) {
  for (std::uint32_t seed = 0; seed < 3; ++seed) {
    std::mt19937 rng(seed);
    const SamplePair pair = makePair(rowOfHouses(6), rng);
    ASSERT_EQ(pair.differences.size(), 5u);
    const QImage before = paintScene(pair.original, true), after = paintScene(pair.copy, true);
    EXPECT_EQ(sample_tests::differingOutside(before, after, pair.differences), 0);
    for (const QRect& r : pair.differences) {
      // The margin is exactly four pixels on every side of what changed.
      EXPECT_EQ(measureDifference(before, after, r).bounds, r.adjusted(4, 4, -4, -4)) << "seed " << seed;
      EXPECT_GE(sample_tests::differingPixels(before, after, r, kStrongGap - 1), kMinStrongPixels);
    }
    EXPECT_EQ(sample_tests::judgePair(before, after, pair.differences, 12), "") << "seed " << seed;
    EXPECT_EQ(pair.originalFile(), "prova.bmp");
    EXPECT_EQ(pair.copyFile(), "prova_C.bmp");
  }
}

TEST(MakePair, TooFewPiecesIsAnError) {
  std::mt19937 rng(2);
  EXPECT_THROW(makePair(rowOfHouses(2), rng), std::runtime_error);
}
