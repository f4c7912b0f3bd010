// SPDX-License-Identifier: GPL-2.0-or-later
// Proposed rectangles: which stored rows they replace, how many, and their storing in
// images.mdb all at once or not at all.
#include <gtest/gtest.h>

#include <algorithm>

#include <QPainter>

#include "support/drawn_pairs.h"
#include "pair_check/pair_checker.h"
#include "pair_check/proposal.h"
#include "picture_db/check_queries.h"
#include "picture_db/editor_queries.h"
#include "picture_db/game_queries.h"
#include "support/temp_app_folder.h"

using namespace drawn_pairs;
using pair_check::Rect;

namespace {
pair_check::PairReport checkDrawn(const DrawnPair& pair, const std::vector<Rect>& rects) {
  return pair_check::checkPair({pair.original, {}}, {pair.copy, {}}, rects);
}
}  // namespace

TEST(Proposals, ReuseTheWrongRectanglesKeepTheRightOnesAndStopAtFive) {
  const DrawnPair pair = fiveChanges();
  // Two right, one misplaced, one empty: three changes want a rectangle, two rows are spare.
  const std::vector<Rect> rects{around(pair.changes[0]), Rect{5, 400, 30, 430}, around(pair.changes[4]),
                                Rect{0, 0, 0, 0}};
  const auto report = checkDrawn(pair, rects);
  const auto proposals = pair_check::proposeRects(report);
  ASSERT_EQ(proposals.size(), 3u);
  EXPECT_EQ(proposals[0].replaces, std::optional<size_t>(1));
  EXPECT_EQ(proposals[1].replaces, std::optional<size_t>(3));
  EXPECT_FALSE(proposals[2].replaces);
  // Largest uncovered change first.
  EXPECT_GE(report.differences[proposals[0].difference].pixels, report.differences[proposals[1].difference].pixels);
  EXPECT_GE(report.differences[proposals[1].difference].pixels, report.differences[proposals[2].difference].pixels);

  // Five right rectangles leave nothing to propose even beside a sixth, wrong one.
  std::vector<Rect> six;
  for (const QRect& c : pair.changes) six.push_back(around(c));
  six.push_back(Rect{5, 400, 30, 430});
  EXPECT_TRUE(pair_check::proposeRects(checkDrawn(pair, six)).empty());
}

TEST(Proposals, StayWithinAPixelOfThePictureAndHoldItsEdgesStrictlyInside) {
  DrawnPair pair = recolouredPatch(QRect(0, 0, 20, 20), 90);  // in the corner
  QPainter(&pair.copy).fillRect(QRect(kWidth - 10, kHeight - 10, 10, 10), Qt::black);
  const auto report = checkDrawn(pair, {});
  const auto proposals = pair_check::proposeRects(report);
  ASSERT_EQ(proposals.size(), 2u);
  std::vector<Rect> accepted;
  for (const auto& p : proposals) {
    EXPECT_GE(p.rect.x1, -1);
    EXPECT_GE(p.rect.y1, -1);
    EXPECT_LE(p.rect.x2, kWidth);
    EXPECT_LE(p.rect.y2, kHeight);
    accepted.push_back(p.rect);
  }
  const pair_check::Difference& d = report.differences[proposals[0].difference];
  const Rect r = pair_check::proposedRect(d, QSize(kWidth, kHeight));
  EXPECT_EQ(r.x1, std::max(-1.0, d.box.x1 - pair_check::kProposalMargin));
  EXPECT_EQ(r.x2, std::min(double(kWidth), d.box.x2 + pair_check::kProposalMargin));
  // The corner pixels are hits under the game's strict test.
  auto hits = [&](double x, double y) {
    return std::any_of(accepted.begin(), accepted.end(),
                       [&](const Rect& a) { return x > a.x1 && x < a.x2 && y > a.y1 && y < a.y2; });
  };
  EXPECT_TRUE(hits(0, 0));
  EXPECT_TRUE(hits(kWidth - 1, kHeight - 1));
}

TEST(Proposals, AThinChangeOnTheFirstColumnOrRowIsHeldAndTheAcceptedPairIsSound) {
  DrawnPair pair = recolouredPatch(QRect(0, 100, 2, 60), 120);
  QPainter(&pair.copy).fillRect(QRect(200, 0, 50, 2), Qt::black);
  auto report = checkDrawn(pair, {});
  ASSERT_EQ(report.differences.size(), 2u);
  std::vector<Rect> accepted;
  for (const auto& p : pair_check::proposeRects(report)) accepted.push_back(p.rect);
  ASSERT_EQ(accepted.size(), 2u);
  report = checkDrawn(pair, accepted);
  for (const auto& problem : report.problems) {
    // Only the count is wrong: every change is held and nothing lies outside.
    EXPECT_EQ(problem.kind, pair_check::ProblemKind::NotFiveRectangles) << pair_check::kindName(problem.kind);
  }
  EXPECT_TRUE(pair_check::proposeRects(report).empty());
}

TEST(Proposals, NeverOverlapAKeptRectangleOrEachOther) {
  // Three changes, and a kept rectangle drawn roomily round the third that reaches into
  // the room the other two would get.
  DrawnPair pair = recolouredPatch(QRect(100, 100, 30, 30), 90);
  QPainter painter(&pair.copy);
  painter.fillRect(QRect(146, 100, 30, 30), Qt::black);
  painter.fillRect(QRect(100, 160, 30, 30), Qt::white);
  painter.end();
  const std::vector<Rect> kept{Rect{90, 131, 148, 200}};
  const auto report = checkDrawn(pair, kept);
  ASSERT_EQ(report.differences.size(), 3u);
  std::vector<Rect> all = kept;
  for (const auto& p : pair_check::proposeRects(report)) all.push_back(p.rect);
  ASSERT_EQ(all.size(), 3u);
  for (size_t i = 0; i < all.size(); ++i) {
    for (size_t j = 0; j < i; ++j) {
      const bool overlap = std::max(all[i].x1, all[j].x1) < std::min(all[i].x2, all[j].x2) &&
                           std::max(all[i].y1, all[j].y1) < std::min(all[i].y2, all[j].y2);
      EXPECT_FALSE(overlap) << i << " and " << j;
    }
  }
  const auto again = checkDrawn(pair, all);
  for (const auto& problem : again.problems) EXPECT_EQ(problem.kind, pair_check::ProblemKind::NotFiveRectangles);
}

TEST(StoringProposals, AddsAndReplacesInOneTransactionOrLeavesEverything) {
  test_support::TempAppFolder folder;
  folder.addPairWithoutFiles(3, "o.bmp", "c.bmp", {{1, 2, 3, 4}, {5, 6, 7, 8}});
  picture_db::Database db = folder.open();
  const auto before = picture_db::pairDifferences(db, 3);
  ASSERT_EQ(before.size(), 2u);

  // A row that is gone fails the whole store: the first replacement is undone too.
  const std::vector<picture_db::ProposedRect> failing{
      {before[0].rowid, 10, 10, 50, 50}, {std::nullopt, 60, 60, 90, 90}, {before[1].rowid + 1000, 1, 1, 9, 9}};
  EXPECT_THROW(picture_db::storeProposedRects(db, 3, failing), picture_db::DbError);
  auto rows = picture_db::pairDifferences(db, 3);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(*rows[0].x2, 3);

  const auto written =
      picture_db::storeProposedRects(db, 3, {{before[1].rowid, 100, 110, 120, 130}, {std::nullopt, 60, 60, 90, 90}});
  rows = picture_db::pairDifferences(db, 3);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(written[0], before[1].rowid);
  EXPECT_EQ(*rows[1].x1, 100);
  EXPECT_EQ(*rows[1].y2, 130);
  EXPECT_EQ(rows[2].rowid, written[1]);
  EXPECT_EQ(*rows[2].x1, 60);
  EXPECT_EQ(picture_db::unfoundDifferences(db, 3).size(), 3u);  // every row unfound, as the editor writes them
}

TEST(PairsWithRectangles, ComeInListOrderEachWithItsOwnRows) {
  test_support::TempAppFolder folder;
  folder.addPairWithoutFiles(9, "a.bmp", "a_C.bmp", {{1, 1, 5, 5}});
  folder.addPairWithoutFiles(2, "b.bmp", "b_C.bmp", {});
  folder.addPairWithoutFiles(5, "c.bmp", "c_C.bmp", {{3, 3, 9, 9}, {10, 10, 20, 20}});
  picture_db::Database db = folder.open();
  const auto pairs = picture_db::allPairsWithDifferences(db);
  ASSERT_EQ(pairs.size(), 3u);
  EXPECT_EQ(pairs[0].pair.id, 9);
  EXPECT_EQ(pairs[0].rects.size(), 1u);
  EXPECT_EQ(pairs[1].pair.id, 2);
  EXPECT_TRUE(pairs[1].rects.empty());
  EXPECT_EQ(pairs[2].pair.copy, "c_C.bmp");
  ASSERT_EQ(pairs[2].rects.size(), 2u);
  EXPECT_EQ(*pairs[2].rects[1].x2, 20);

  const auto one = picture_db::pairWithDifferences(db, 5);
  ASSERT_TRUE(one);
  EXPECT_EQ(one->rects.size(), 2u);
  EXPECT_FALSE(picture_db::pairWithDifferences(db, 6));
}
