// SPDX-License-Identifier: GPL-2.0-or-later
// The statements the game runs while pairs are played, on a real SQLite file.
#include <gtest/gtest.h>

#include <algorithm>

#include "picture_db/editor_queries.h"
#include "picture_db/game_queries.h"
#include "support/temp_app_folder.h"

using namespace picture_db;
using test_support::TempAppFolder;

namespace {
std::vector<PairId> sorted(std::vector<PairId> ids) {
  std::sort(ids.begin(), ids.end());
  return ids;
}

void markAllFound(Database& db, PairId id) {
  for (const auto& r : unfoundDifferences(db, id)) markFound(db, r.rowid);
}
}  // namespace

TEST(GameStatements, CandidatesAreThePairsWithAnUnfoundRectangleEachOnce) {
  TempAppFolder app;
  Database db = app.open();
  addPicture(db, 1, "a.bmp", "a_C.bmp");  // five unfound
  addPicture(db, 2, "b.bmp", "b_C.bmp");  // all found
  addPicture(db, 3, "c.bmp", "c_C.bmp");  // one found, one not
  addPicture(db, 4, "d.bmp", "d_C.bmp");  // no rectangle at all
  for (int i = 0; i < 5; ++i) addDifference(db, 1, i, i, i + 10, i + 10);
  for (int i = 0; i < 2; ++i) addDifference(db, 2, i, i, i + 10, i + 10);
  const auto found = addDifference(db, 3, 1, 1, 5, 5);
  addDifference(db, 3, 6, 6, 9, 9);
  addDifference(db, 99, 1, 1, 5, 5);  // orphan: no FOTO row
  markAllFound(db, 2);
  markFound(db, found);

  EXPECT_EQ(sorted(candidatePairIds(db)), (std::vector<PairId>{1, 3}));
  markAllFound(db, 3);
  EXPECT_EQ(candidatePairIds(db), (std::vector<PairId>{1}));
  markAllFound(db, 1);
  EXPECT_TRUE(candidatePairIds(db).empty());

  resetFoundMarks(db);
  EXPECT_EQ(sorted(candidatePairIds(db)), (std::vector<PairId>{1, 2, 3}));
  EXPECT_EQ(unfoundDifferences(db, 1).size(), 5u);
  EXPECT_EQ(unfoundDifferences(db, 99).size(), 1u);  // reset reaches every row
}

TEST(GameStatements, ACandidateIsFoundByItsRowNumberAsTheListFindsIt) {
  TempAppFolder app;
  Database db = app.open();
  EXPECT_FALSE(pairRowRange(db));
  addPicture(db, 7, "a.bmp", "a_C.bmp");  // a candidate
  addPicture(db, 3, "b.bmp", "b_C.bmp");  // all found
  addPicture(db, 5, "c.bmp", "c_C.bmp");  // no rectangle
  addDifference(db, 7, 1, 1, 5, 5);
  markFound(db, addDifference(db, 3, 1, 1, 5, 5));
  const auto range = pairRowRange(db);
  ASSERT_TRUE(range);
  ASSERT_EQ(range->second - range->first, 2);
  std::vector<PairId> byRow;
  for (std::int64_t row = range->first - 1; row <= range->second + 1; ++row) {
    if (const auto id = candidateAtRow(db, row)) byRow.push_back(*id);
  }
  EXPECT_EQ(byRow, candidatePairIds(db));
  EXPECT_EQ(byRow, (std::vector<PairId>{7}));
  resetFoundMarks(db);
  EXPECT_EQ(candidateAtRow(db, range->first + 1), 3);
}

TEST(GameStatements, UnfoundDifferencesComeInRowOrderAndMarkingIsOneRow) {
  TempAppFolder app;
  Database db = app.open();
  addPicture(db, 7, "p.bmp", "p_C.bmp");
  const auto first = addDifference(db, 7, 50, 60, 70, 80);
  const auto twin = addDifference(db, 7, 50, 60, 70, 80);  // same edges, another row
  addDifference(db, 7, 1, 2, 3, 4);
  addDifference(db, 8, 1, 2, 3, 4);

  auto rows = unfoundDifferences(db, 7);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].rowid, first);
  EXPECT_EQ(*rows[0].x1, 50);
  EXPECT_EQ(*rows[0].y2, 80);
  EXPECT_EQ(rows[0].found, "N");
  EXPECT_EQ(*rows[2].x1, 1);

  markFound(db, twin);
  rows = unfoundDifferences(db, 7);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].rowid, first);  // the identical row stays unfound
  EXPECT_EQ(unfoundDifferences(db, 8).size(), 1u);
}

TEST(GameStatements, PictureRecordOfAPair) {
  TempAppFolder app;
  Database db = app.open();
  addPicture(db, 12, "Casa d'Italia.jpg", "Casa d'Italia_C.jpg");
  const auto rec = pictureRecord(db, 12);
  ASSERT_TRUE(rec);
  EXPECT_EQ(rec->id, 12);
  EXPECT_EQ(rec->original, "Casa d'Italia.jpg");
  EXPECT_EQ(rec->copy, "Casa d'Italia_C.jpg");
  EXPECT_FALSE(pictureRecord(db, 13));
}

TEST(GameStatements, ResetSurvivesAnotherConnection) {
  TempAppFolder app;
  {
    Database editor = app.open();
    addPicture(editor, 1, "a.bmp", "a_C.bmp");
    addDifference(editor, 1, 1, 1, 9, 9);
    markAllFound(editor, 1);
  }
  Database game = app.open();
  EXPECT_TRUE(candidatePairIds(game).empty());  // found marks are kept in the file
  resetFoundMarks(game);
  Database other = app.open();
  EXPECT_EQ(candidatePairIds(other), (std::vector<PairId>{1}));
}

TEST(GameStatements, ResetMakesEveryRowUnfoundWhateverItHeld) {
  TempAppFolder app;
  Database db = app.open();
  addPicture(db, 1, "a.bmp", "a_C.bmp");
  for (int i = 0; i < 4; ++i) addDifference(db, 1, i, i, i + 5, i + 5);
  // Marks no program writes, as a damaged or hand-edited file may hold them.
  db.sqlite().exec("UPDATE COORDINATE SET INDOVINATO=NULL WHERE X1=0");
  db.sqlite().exec("UPDATE COORDINATE SET INDOVINATO='s' WHERE X1=1");
  db.sqlite().exec("UPDATE COORDINATE SET INDOVINATO=7 WHERE X1=2");
  db.sqlite().exec("UPDATE COORDINATE SET INDOVINATO='S' WHERE X1=3");
  EXPECT_TRUE(unfoundDifferences(db, 1).empty());
  resetFoundMarks(db);
  EXPECT_EQ(unfoundDifferences(db, 1).size(), 4u);
  resetFoundMarks(db);  // nothing left to change
  EXPECT_EQ(unfoundDifferences(db, 1).size(), 4u);
}

TEST(GameStatements, AnOlderDatabaseGetsTheIndexOfFoundRectanglesAtItsFirstReset) {
  TempAppFolder app;
  Database db = app.open();
  addPicture(db, 1, "a.bmp", "a_C.bmp");
  markFound(db, addDifference(db, 1, 1, 1, 5, 5));
  db.sqlite().exec("DROP INDEX COORDINATE_FOUND");
  const auto indexed = [&] {
    return db.sqlite().execAndGet("SELECT count(*) FROM sqlite_master WHERE name='COORDINATE_FOUND'").getInt();
  };
  ASSERT_EQ(indexed(), 0);
  resetFoundMarks(db);
  EXPECT_EQ(indexed(), 1);
  EXPECT_EQ(unfoundDifferences(db, 1).size(), 1u);
  resetFoundMarks(db);  // once there, it stays as it is
  EXPECT_EQ(indexed(), 1);
}
