// SPDX-License-Identifier: GPL-2.0-or-later
// The picture list read ahead while the window is built: the same rows as the window's
// own read, and that read again whenever the one ahead could not be made.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "editor/pair_list_prefetch.h"
#include "picture_db/editor_queries.h"
#include "support/temp_app_folder.h"

using editor::PairListPrefetch;
using picture_db::Database;
using picture_db::PictureRecord;

namespace {

std::vector<std::tuple<int, std::string, std::string>> rowsOf(const std::vector<PictureRecord>& pairs) {
  std::vector<std::tuple<int, std::string, std::string>> rows;
  for (const auto& p : pairs) rows.emplace_back(p.id, p.original, p.copy);
  return rows;
}

}  // namespace

TEST(PairListPrefetch, HandsOnTheRowsInTheEnginesOrderAndLeavesNoFileBehind) {
  test_support::TempAppFolder app;
  app.addPairWithoutFiles(7, "sette.bmp", "sette_C.bmp", {});
  app.addPairWithoutFiles(2, "(none)", "(none)", {});
  app.addPairWithoutFiles(40, "quaranta.jpg", "quaranta_C.jpg", {{1, 2, 3, 4}});
  {
    PairListPrefetch ahead(app.databasePath());
    Database db = Database::openExisting(app.databasePath());
    const auto expected = rowsOf(picture_db::listPictures(db));
    ASSERT_EQ(expected.size(), 3u);
    EXPECT_EQ(rowsOf(ahead.take(db)), expected);
    EXPECT_TRUE(ahead.tookRowsReadAhead());
    // Taken once: a second call reads anew, on the window's own connection.
    app.addPairWithoutFiles(41, "b.bmp", "b_C.bmp", {});
    EXPECT_EQ(ahead.take(db).size(), 4u);
    EXPECT_FALSE(ahead.tookRowsReadAhead());
  }
  for (const char* side : {"-wal", "-shm", "-journal"}) {
    EXPECT_FALSE(std::filesystem::exists(app.databasePath() + side)) << side;
  }
}

TEST(PairListPrefetch, ADatabaseNotThereWhenTheReadStartedIsReadByTheWindow) {
  test_support::TempAppFolder app(false);
  PairListPrefetch ahead(app.databasePath());
  Database db = Database::createNew(app.databasePath());
  db.sqlite().exec("CREATE TABLE FOTO (ID_FOTO INTEGER, ORIGINALE TEXT, COPIA TEXT)");
  db.sqlite().exec("INSERT INTO FOTO VALUES (3, 'a.bmp', 'a_C.bmp')");
  const auto pairs = ahead.take(db);
  EXPECT_FALSE(ahead.tookRowsReadAhead());
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].copy, "a_C.bmp");
}

TEST(PairListPrefetch, AnotherProgramsLockIsLeftToTheWindowsOwnWait) {
  test_support::TempAppFolder app;
  app.addPairWithoutFiles(1, "a.bmp", "a_C.bmp", {});
  Database other = Database::openExisting(app.databasePath());
  // Without write-ahead logging an exclusive lock keeps every reader out.
  other.sqlite().exec("PRAGMA journal_mode=DELETE");
  Database window = Database::openExisting(app.databasePath());
  other.sqlite().exec("BEGIN EXCLUSIVE");
  other.sqlite().exec("INSERT INTO FOTO VALUES (2, 'b.bmp', 'b_C.bmp')");
  const auto start = std::chrono::steady_clock::now();
  std::vector<PictureRecord> pairs;
  {
    PairListPrefetch ahead(app.databasePath());
    bool committed = false;
    // The window waits as it always does; the other program finishes meanwhile.
    window.setLockWait(30000, [&](bool) {
      if (!committed) other.sqlite().exec("COMMIT");
      committed = true;
    });
    pairs = ahead.take(window);
    EXPECT_FALSE(ahead.tookRowsReadAhead());
  }
  // A hang guard: the read ahead must give up at once, not sit out the engine's 15 s.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_EQ(pairs.size(), 2u) << "the window's read comes after the other program's change";
}
