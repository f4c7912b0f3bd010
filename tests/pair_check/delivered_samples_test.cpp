// SPDX-License-Identifier: GPL-2.0-or-later
// The sample pairs the build lays out in the application folder: each has exactly its
// five differences, each inside exactly one rectangle, and nothing wrong.
#include <gtest/gtest.h>

#include "pair_check/problem_texts.h"
#include "pair_check/stored_pair.h"
#include "storage/app_folders.h"
#include "picture_db/check_queries.h"

TEST(DeliveredSamples, EveryPairHasFiveDifferencesEachInsideExactlyOneRectangle) {
  const std::string app = VOBREL_APP_DIR;
  picture_db::Database db = picture_db::Database::openExisting(storage::databasePath(app));
  const auto pairs = picture_db::allPairsWithDifferences(db);
  ASSERT_FALSE(pairs.empty());
  for (const auto& pair : pairs) {
    const pair_check::PairReport report = pair_check::checkStoredPair(app, pair);
    std::string wrong;
    for (const auto& d : report.differences) {
      if (d.coveredBy.size() != 1) {
        wrong += "\n  difference " + pair_check::edgesText(d.box).toStdString() + " inside " +
                 std::to_string(d.coveredBy.size()) + " rectangles";
      }
    }
    for (const auto& p : report.problems) {
      wrong += "\n  " + pair_check::problemText(p, report, QString::fromStdString(pair.pair.original),
                                                QString::fromStdString(pair.pair.copy))
                            .toStdString();
    }
    EXPECT_TRUE(report.differences.size() == 5 && wrong.empty())
        << "pair " << pair.pair.id << " (" << pair.pair.original << ", " << pair.pair.copy
        << "): " << report.differences.size() << " differences" << wrong;
  }
}
