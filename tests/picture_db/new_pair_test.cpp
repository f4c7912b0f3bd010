// SPDX-License-Identifier: GPL-2.0-or-later
// A new pair starts without rectangles, even where an older editor left some behind
// under the same number; the rectangles of pairs that exist are never touched.
#include <gtest/gtest.h>

#include "picture_db/editor_queries.h"
#include "support/temp_app_folder.h"

using namespace picture_db;
using test_support::TempAppFolder;

TEST(NewPair, LeftoverRectanglesOfTheNumberAreRemovedAndNoOthers) {
  TempAppFolder app;
  Database db = app.open();
  addPicture(db, 1, "a.bmp", "a_C.bmp");
  addDifference(db, 1, 1, 2, 3, 4);
  // Rectangles of pair 2, whose FOTO row was deleted on its own.
  addDifference(db, 2, 5, 6, 7, 8);
  addDifference(db, 2, 9, 10, 11, 12);

  db.inTransaction([&] { addNewPair(db, 2, kNoFile, kNoFile); });
  EXPECT_TRUE(pairDifferences(db, 2).empty());
  ASSERT_EQ(pairDifferences(db, 1).size(), 1u);

  // A number already taken is refused and its rectangles stay.
  EXPECT_THROW(db.inTransaction([&] { addNewPair(db, 1, "b.bmp", "b_C.bmp"); }), DbError);
  EXPECT_EQ(pairDifferences(db, 1).size(), 1u);
}
