// SPDX-License-Identifier: GPL-2.0-or-later
// The stored rectangles against what the pictures show: each kind of mistake gives
// exactly its problems, and bad input ends as a problem of the pair, never a crash.
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <limits>
#include <set>

#include "support/drawn_pairs.h"
#include "pair_check/pair_checker.h"
#include "pair_check/problem_texts.h"
#include "pair_check/stored_pair.h"

using namespace drawn_pairs;
using pair_check::ProblemKind;
using pair_check::Rect;

namespace {
class RectangleProblems : public ::testing::Test {
 protected:
  DrawnPair pair = fiveChanges();

  std::vector<Rect> goodRects() const {
    std::vector<Rect> rects;
    for (const QRect& c : pair.changes) rects.push_back(around(c));
    return rects;
  }
  pair_check::PairReport check(const std::vector<Rect>& rects) const {
    return pair_check::checkPair({pair.original, {}}, {pair.copy, {}}, rects);
  }
  static std::multiset<ProblemKind> kinds(const pair_check::PairReport& r) {
    std::multiset<ProblemKind> k;
    for (const auto& p : r.problems) k.insert(p.kind);
    return k;
  }
};
}  // namespace

TEST_F(RectangleProblems, FiveRectanglesOnFiveChangesAreSound) {
  const auto report = check(goodRects());
  EXPECT_TRUE(report.sound()) << pair_check::kindName(report.problems.front().kind);
  for (const auto& d : report.differences) EXPECT_EQ(d.coveredBy.size(), 1u);
}

TEST_F(RectangleProblems, OneMisplacedRectangleLeavesItsChangeUncovered) {
  std::vector<Rect> rects = goodRects();
  rects[2] = Rect{10, 400, 40, 430};  // on the ground, where nothing changed
  const auto report = check(rects);
  EXPECT_EQ(kinds(report),
            (std::multiset<ProblemKind>{ProblemKind::RectangleWithoutDifference, ProblemKind::UncoveredDifference}));
  for (const auto& p : report.problems) {
    if (p.kind == ProblemKind::RectangleWithoutDifference) {
      EXPECT_EQ(*p.rect, rects[2]);
    } else {
      EXPECT_TRUE(pair.changes[2].contains(int(p.rect->x1), int(p.rect->y1)));
    }
  }
  EXPECT_EQ(pair_check::problemText(report.problems[0], report, "o.bmp", "c.bmp"),
            "Il rettangolo 10,400-40,430 non contiene differenze.");
}

TEST_F(RectangleProblems, FourRectanglesAreTooFewAndLeaveOneChange) {
  std::vector<Rect> rects = goodRects();
  rects.pop_back();
  const auto report = check(rects);
  EXPECT_EQ(kinds(report),
            (std::multiset<ProblemKind>{ProblemKind::NotFiveRectangles, ProblemKind::UncoveredDifference}));
  EXPECT_EQ(pair_check::problemText(report.problems[0], report, "o.bmp", "c.bmp"),
            "La coppia ha 4 rettangoli: ne servono 5.");
}

TEST_F(RectangleProblems, OverlappingRectanglesAreToldOnceEach) {
  std::vector<Rect> rects = goodRects();
  // A roomier rectangle is fine while it meets no other; an empty sixth touches nothing.
  rects[0].x2 += 30;
  rects[0].y2 += 30;
  rects.push_back(Rect{0, 0, 0, 0});
  auto report = check(rects);
  EXPECT_EQ(kinds(report), (std::multiset<ProblemKind>{ProblemKind::NotFiveRectangles, ProblemKind::EmptyRectangle}));

  // The moved object's rectangle stretched up and right over part of the patch's.
  rects = goodRects();
  rects[3] = Rect{rects[3].x1, 95, 190, rects[3].y2};
  report = check(rects);
  EXPECT_EQ(kinds(report), (std::multiset<ProblemKind>{ProblemKind::RectanglesOverlap}));
  EXPECT_EQ(*report.problems[0].rect, rects[3]);
  EXPECT_EQ(*report.problems[0].other, rects[2]);
}

TEST_F(RectangleProblems, TwoRectanglesOnOneChangeLeaveAnotherUncovered) {
  std::vector<Rect> rects = goodRects();
  rects[4] = around(pair.changes[3], 8);  // a second rectangle round the moved object
  const auto report = check(rects);
  EXPECT_EQ(kinds(report),
            (std::multiset<ProblemKind>{ProblemKind::RectanglesOverlap, ProblemKind::UncoveredDifference}));
}

TEST_F(RectangleProblems, EdgesOfEveryBadKindAreProblemsNotCrashes) {
  constexpr double kNull = std::numeric_limits<double>::quiet_NaN();
  std::vector<Rect> rects = goodRects();
  rects[0] = Rect{80, 40, 40, 80};                        // X1 > X2
  rects[1] = Rect{kNull, 40, 100, 80};                    // an edge left null
  rects[2] = Rect{-1e300, -1e300, 1e300, 1e300};          // huge, holding everything
  rects[3] = Rect{370, 10, 400, 30};                      // reaching past the right edge
  rects[4] = Rect{2147483647.0, 5, 2147483648.0 + 9, 9};  // far outside
  const auto report = check(rects);
  std::multiset<ProblemKind> expected{ProblemKind::EmptyRectangle,
                                      ProblemKind::EmptyRectangle,
                                      ProblemKind::RectangleOutsidePicture,
                                      ProblemKind::RectangleOutsidePicture,
                                      ProblemKind::RectangleOutsidePicture,
                                      ProblemKind::RectanglesOverlap,
                                      ProblemKind::RectanglesOverlap,
                                      ProblemKind::RectangleWithoutDifference,
                                      ProblemKind::RectangleWithoutDifference};
  // The huge one meets the two beyond the edges and holds every change: none is uncovered.
  EXPECT_EQ(kinds(report), expected);
  for (const auto& p : report.problems) {
    EXPECT_FALSE(pair_check::problemText(p, report, "o", "c").isEmpty());
  }
  EXPECT_EQ(pair_check::edgesText(rects[1]), "?,40-100,80");
}

TEST_F(RectangleProblems, UnreadableOrMismatchedPicturesStillCheckTheRectangles) {
  auto report = pair_check::checkPair({pair.original, {}}, {QImage(), "file troncato"}, goodRects());
  EXPECT_EQ(kinds(report), (std::multiset<ProblemKind>{ProblemKind::PictureUnreadable}));
  EXPECT_EQ(pair_check::problemText(report.problems[0], report, "o.bmp", "c.bmp"),
            "La copia c.bmp non si può leggere: file troncato.");
  EXPECT_TRUE(report.differences.empty());

  report = pair_check::checkPair({QImage(), "x"}, {QImage(), "y"}, {});
  EXPECT_EQ(kinds(report), (std::multiset<ProblemKind>{ProblemKind::PictureUnreadable, ProblemKind::PictureUnreadable,
                                                       ProblemKind::NotFiveRectangles}));
  EXPECT_EQ(pair_check::problemText(report.problems[2], report, "o", "c"),
            "La coppia non ha rettangoli: ne servono 5.");

  report = pair_check::checkPair({pair.original.copy(0, 0, 300, 300), {}}, {pair.copy, {}}, goodRects());
  EXPECT_EQ(kinds(report), (std::multiset<ProblemKind>{ProblemKind::SizesDiffer}));
  EXPECT_EQ(pair_check::problemText(report.problems[0], report, "o", "c"),
            "Le due immagini hanno dimensioni diverse: l'originale è di 300 x 300 pixel, la copia di 380 x 436.");
}

TEST(StoredPairLoading, MissingNoneAndOversizedFilesAreUnreadablePictures) {
  test_support::TempAppFolder folder;
  EXPECT_EQ(pair_check::loadSide(folder.dir(), "(none)").error, "nessun file assegnato");
  EXPECT_EQ(pair_check::loadSide(folder.dir(), "").error, "nessun file assegnato");
  EXPECT_TRUE(pair_check::loadSide(folder.dir(), "manca.bmp").image.isNull());
  // A bitmap header that claims 10000 x 10000 pixels is refused before any pixel is read.
  QByteArray huge(54, '\0');
  huge[0] = 'B';
  huge[1] = 'M';
  auto put32 = [&](int at, quint32 v) {
    for (int i = 0; i < 4; ++i) huge[at + i] = char((v >> (8 * i)) & 0xFF);
  };
  put32(10, 54);
  put32(14, 40);
  put32(18, 10000);
  put32(22, 10000);
  huge[26] = 1;
  huge[28] = 24;
  folder.writeFile("enorme.bmp", huge);
  const pair_check::PictureSide side = pair_check::loadSide(folder.dir(), "enorme.bmp");
  EXPECT_TRUE(side.image.isNull());
  EXPECT_FALSE(side.error.isEmpty());

  const picture_db::PairWithDifferences stored{{7, "(none)", "enorme.bmp"}, {{1, 10, 10, 5, 40, "N"}}};
  const auto report = pair_check::checkStoredPair(folder.dir(), stored);
  std::multiset<ProblemKind> k;
  for (const auto& p : report.problems) k.insert(p.kind);
  EXPECT_EQ(k, (std::multiset<ProblemKind>{ProblemKind::PictureUnreadable, ProblemKind::PictureUnreadable,
                                           ProblemKind::NotFiveRectangles, ProblemKind::EmptyRectangle}));
}

TEST_F(RectangleProblems, ARectangleHoldingTwoChangesCoversBoth) {
  std::vector<Rect> rects = goodRects();
  // The patch's rectangle grown over the moved object too: both are covered by it, and
  // the moved object's own rectangle still holds it.
  const Rect both{std::min(rects[2].x1, rects[3].x1), std::min(rects[2].y1, rects[3].y1),
                  std::max(rects[2].x2, rects[3].x2), std::max(rects[2].y2, rects[3].y2)};
  rects[2] = both;
  rects.erase(rects.begin() + 3);
  const auto report = check(rects);
  EXPECT_EQ(kinds(report), (std::multiset<ProblemKind>{ProblemKind::NotFiveRectangles}));
}

TEST_F(RectangleProblems, AnEdgeOnePixelBeyondThePictureIsAllowedAndTwoAreOutside) {
  std::vector<Rect> rects = goodRects();
  rects[0] = Rect{-1, -1, rects[0].x2, rects[0].y2};
  EXPECT_TRUE(check(rects).sound());
  rects[0].x1 = -2;
  EXPECT_EQ(kinds(check(rects)), (std::multiset<ProblemKind>{ProblemKind::RectangleOutsidePicture}));
  rects[0] = Rect{kWidth - 30.0, kHeight - 30.0, kWidth + 1.0, kHeight};
  EXPECT_EQ(kinds(check(rects)),
            (std::multiset<ProblemKind>{ProblemKind::RectangleOutsidePicture, ProblemKind::RectangleWithoutDifference,
                                        ProblemKind::UncoveredDifference}));
}
