// SPDX-License-Identifier: GPL-2.0-or-later
// Many pairs checked on several threads give what each gives alone, metafiles (drawn by
// the renderer process) included.
#include <gtest/gtest.h>

#include <atomic>

#include "pair_check/parallel_check.h"
#include "pair_check/stored_pair.h"
#include "support/drawn_pairs.h"
#include "support/metafile_bytes.h"
#include "support/temp_app_folder.h"

TEST(ParallelCheck, FourThreadsReportWhatEachPairGivesAlone) {
  test_support::TempAppFolder folder;
  const drawn_pairs::DrawnPair drawn = drawn_pairs::fiveChanges();
  const auto [original, copy] = drawn_pairs::save(folder, drawn, "scena", "BMP");
  folder.writeFile("quadro.emf", test_support::emfWithRectangle(QSize(200, 150), QRect(20, 20, 40, 30), 200, 0, 0));
  folder.writeFile("quadro_C.emf", test_support::emfWithRectangle(QSize(200, 150), QRect(120, 80, 40, 30), 200, 0, 0));
  std::vector<picture_db::PairWithDifferences> pairs;
  for (int i = 0; i < 24; ++i) {
    picture_db::PairWithDifferences p;
    p.pair.id = i;
    if (i % 3 == 0) {
      p.pair.original = "quadro.emf";
      p.pair.copy = "quadro_C.emf";
    } else if (i % 3 == 1) {
      p.pair.original = original.toStdString();
      p.pair.copy = copy.toStdString();
    } else {
      p.pair.original = original.toStdString();
      p.pair.copy = "manca.bmp";
    }
    for (int r = 0; r < i % 6; ++r) p.rects.push_back({r, 10.0 * r, 10, 10.0 * r + 30, 60, "N"});
    pairs.push_back(p);
  }
  std::atomic<size_t> lastProgress{0};
  const auto together = pair_check::checkPairsInParallel(folder.dir(), pairs, 4, [&](size_t done) {
    EXPECT_GE(done, lastProgress.load());
    lastProgress = done;
  });
  EXPECT_EQ(lastProgress, pairs.size());
  ASSERT_EQ(together.size(), pairs.size());
  for (size_t i = 0; i < pairs.size(); ++i) {
    const pair_check::PairReport alone = pair_check::checkStoredPair(folder.dir(), pairs[i]);
    ASSERT_EQ(together[i].differences.size(), alone.differences.size()) << "pair " << i;
    for (size_t d = 0; d < alone.differences.size(); ++d) {
      EXPECT_EQ(together[i].differences[d].box, alone.differences[d].box);
    }
    ASSERT_EQ(together[i].problems.size(), alone.problems.size()) << "pair " << i;
    for (size_t p = 0; p < alone.problems.size(); ++p) EXPECT_EQ(together[i].problems[p].kind, alone.problems[p].kind);
  }
  // The metafile pair: the rectangle moved, so two places differ, drawn at the frame's size.
  EXPECT_EQ(together[0].size, QSize(200, 150));
  EXPECT_EQ(together[0].differences.size(), 2u);
  EXPECT_EQ(together[1].differences.size(), 5u);
}

TEST(ParallelCheck, APairWhoseCheckThrowsIsUnreadableAndTheOthersAreChecked) {
  std::vector<picture_db::PairWithDifferences> pairs(6);
  for (int i = 0; i < 6; ++i) pairs[size_t(i)].pair.id = i;
  const auto reports = pair_check::checkPairsInParallel(
      pairs, 2, [](const picture_db::PairWithDifferences& p) -> pair_check::PairReport {
        if (p.pair.id == 2) throw std::bad_alloc();
        if (p.pair.id == 4) throw 42;  // not even an exception
        return pair_check::checkPair({QImage(10, 10, QImage::Format_RGB32), {}},
                                     {QImage(10, 10, QImage::Format_RGB32), {}}, {});
      });
  ASSERT_EQ(reports.size(), 6u);
  for (int i : {2, 4}) {
    ASSERT_GE(reports[size_t(i)].problems.size(), 2u);
    EXPECT_EQ(reports[size_t(i)].problems[0].kind, pair_check::ProblemKind::PictureUnreadable);
    EXPECT_EQ(reports[size_t(i)].problems[1].kind, pair_check::ProblemKind::PictureUnreadable);
    EXPECT_FALSE(reports[size_t(i)].problems[0].detail.isEmpty());
  }
  for (int i : {0, 1, 3, 5}) {
    ASSERT_EQ(reports[size_t(i)].problems.size(), 1u);
    EXPECT_EQ(reports[size_t(i)].problems[0].kind, pair_check::ProblemKind::NotFiveRectangles);
  }
}
