// SPDX-License-Identifier: GPL-2.0-or-later
// The editor's writes without a window: pairs, rectangles and packages, the two lists
// after each, and a refused write that leaves lists and table as they were.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <memory>

#include "editor/editor_messages.h"
#include "editor/pair_editor.h"
#include "picture_db/editor_queries.h"
#include "support/temp_app_folder.h"

namespace {

using editor::PairEditor;
using picture_db::PairId;
using Shown = std::vector<std::array<double, 4>>;

class PairEditorTest : public ::testing::Test {
 protected:
  test_support::TempAppFolder folder;
  std::unique_ptr<PairEditor> editor;

  PairEditor& open() {
    editor = std::make_unique<PairEditor>(folder.dir());
    editor->open(folder.databasePath());
    editor->loadPairs();
    return *editor;
  }

  std::vector<PairId> listed() const {
    std::vector<PairId> ids;
    for (int i = 0; i < editor->pairs().rowCount(); ++i) ids.push_back(editor->pairs().pair(i).id);
    return ids;
  }
  std::vector<PairId> storedIds() const {
    picture_db::Database db = folder.open();
    std::vector<PairId> ids;
    for (const auto& p : picture_db::listPictures(db)) ids.push_back(p.id);
    return ids;
  }
  picture_db::PictureRecord storedPair(PairId id) const {
    picture_db::Database db = folder.open();
    for (const auto& p : picture_db::listPictures(db)) {
      if (p.id == id) return p;
    }
    return {};
  }
  static Shown edgesOf(const std::vector<picture_db::DifferenceRect>& rows) {
    Shown shown;
    for (const auto& d : rows)
      shown.push_back({d.x1.value_or(-1), d.y1.value_or(-1), d.x2.value_or(-1), d.y2.value_or(-1)});
    return shown;
  }
  Shown stored(PairId id) const {
    picture_db::Database db = folder.open();
    return edgesOf(picture_db::pairDifferences(db, id));
  }
  Shown shown() const { return edgesOf(editor->differences().records()); }
};

TEST_F(PairEditorTest, NewPairsTakeTheNextNumberAndComeLastInTheList) {
  folder.addPairWithoutFiles(3, "3.bmp", "3_C.bmp", {});
  folder.addPairWithoutFiles(7, "7.bmp", "7_C.bmp", {});
  folder.addPairWithoutFiles(5, "5.bmp", "5_C.bmp", {});
  PairEditor& ed = open();
  EXPECT_EQ(listed(), (std::vector<PairId>{3, 7, 5}));
  EXPECT_EQ(ed.newPairId(), 8);
  EXPECT_EQ(ed.newPairId(), 8) << "asking changes nothing";

  EXPECT_EQ(ed.addPair(), 3);
  EXPECT_EQ(listed(), (std::vector<PairId>{3, 7, 5, 8}));
  EXPECT_EQ(ed.pairs().pair(3).original, "(none)");
  EXPECT_EQ(ed.pairs().pair(3).copy, "(none)");
  EXPECT_EQ(storedPair(8).original, "(none)");
  EXPECT_EQ(storedPair(8).copy, "(none)");

  // The highest number deleted comes back for the next pair.
  ed.deletePair(3);
  EXPECT_EQ(listed(), (std::vector<PairId>{3, 7, 5}));
  EXPECT_EQ(storedIds(), (std::vector<PairId>{3, 7, 5}));
  EXPECT_EQ(ed.newPairId(), 8);
  ed.deletePair(0);
  EXPECT_EQ(listed(), (std::vector<PairId>{7, 5}));
}

TEST_F(PairEditorTest, ADeletedPairTakesItsRectanglesAndLeavesItsFiles) {
  folder.addPair(1, {{1, 2, 3, 4}});
  folder.addPair(2, {{10, 20, 30, 40}, {5, 6, 7, 8}});
  PairEditor& ed = open();
  ed.deletePair(1);
  EXPECT_TRUE(stored(2).empty());
  EXPECT_TRUE(QFile::exists(folder.imagesPath() + "/2.bmp"));
  EXPECT_EQ(stored(1).size(), 1u);

  // The number comes back without the old rectangles.
  ASSERT_EQ(ed.addPair(), 1);
  ed.showDifferencesOf(2);
  EXPECT_EQ(ed.differences().rowCount(), 0);
  EXPECT_TRUE(ed.canAddDifference());
}

TEST_F(PairEditorTest, FileNamesGoToTheTableAndTheRow) {
  folder.addPairWithoutFiles(1, "(none)", "(none)", {});
  folder.addPairWithoutFiles(2, "b.bmp", "b_C.bmp", {});
  PairEditor& ed = open();
  ed.setOriginal(0, "casa.jpg");
  EXPECT_EQ(ed.pairs().pair(0).original, "casa.jpg");
  EXPECT_EQ(ed.pairs().pair(0).copy, "(none)");
  EXPECT_EQ(storedPair(1).original, "casa.jpg");
  EXPECT_EQ(storedPair(1).copy, "(none)");
  ed.setCopy(0, "casa_C.jpg");
  EXPECT_EQ(ed.pairs().pair(0).copy, "casa_C.jpg");
  EXPECT_EQ(storedPair(1).copy, "casa_C.jpg");
  EXPECT_EQ(storedPair(2).original, "b.bmp") << "the other pair is not touched";
}

TEST_F(PairEditorTest, ShowingAPairListsItsRectanglesInStoredOrder) {
  folder.addPairWithoutFiles(1, "a.bmp", "a_C.bmp", {{10, 20, 30, 60}, {1, 2, 3, 4}});
  folder.addPairWithoutFiles(2, "b.bmp", "b_C.bmp", {{5, 6, 7, 8}});
  PairEditor& ed = open();
  ed.showDifferencesOf(1);
  EXPECT_EQ(shown(), (Shown{{10, 20, 30, 60}, {1, 2, 3, 4}}));
  ed.showDifferencesOf(2);
  EXPECT_EQ(shown(), (Shown{{5, 6, 7, 8}}));
  ed.showDifferencesOf(9);
  EXPECT_TRUE(shown().empty());
  // A closed database shows nothing and does not fail.
  ed.showDifferencesOf(1);
  ed.close();
  ed.showDifferencesOf(1);
  EXPECT_TRUE(shown().empty());
}

TEST_F(PairEditorTest, FiveRectanglesAtMostPerPair) {
  folder.addPairWithoutFiles(4, "a.bmp", "a_C.bmp", {});
  PairEditor& ed = open();
  ed.showDifferencesOf(4);
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(ed.canAddDifference());
    EXPECT_EQ(ed.addDifference(4), i);
  }
  EXPECT_FALSE(ed.canAddDifference());
  EXPECT_EQ(shown(), Shown(5, {0, 0, 0, 0}));
  EXPECT_EQ(ed.differences().difference(4).found, "N");
  try {
    ed.addDifference(4);
    FAIL() << "a sixth rectangle was taken";
  } catch (const editor::EditRefused& e) {
    EXPECT_STREQ(e.what(), editor::msg::kDifferencesFull);
  }
  EXPECT_EQ(stored(4).size(), 5u);
  EXPECT_EQ(ed.differences().rowCount(), 5);

  ed.deleteDifference(4, 2);
  EXPECT_TRUE(ed.canAddDifference());
  EXPECT_EQ(stored(4).size(), 4u);
  EXPECT_EQ(ed.differences().rowCount(), 4);
}

TEST_F(PairEditorTest, MovingAndDeletingChangeOneRowEvenWhenTwoAreAlike) {
  folder.addPairWithoutFiles(4, "a.bmp", "a_C.bmp", {});
  PairEditor& ed = open();
  ed.showDifferencesOf(4);
  ed.addDifference(4);
  ed.addDifference(4);
  ed.moveDifference(4, 1, {20, 40, 50, 100});
  EXPECT_EQ(shown(), (Shown{{0, 0, 0, 0}, {20, 40, 50, 100}}));
  EXPECT_EQ(stored(4), (Shown{{0, 0, 0, 0}, {20, 40, 50, 100}}));

  ed.addDifference(4);
  ed.deleteDifference(4, 0);
  EXPECT_EQ(shown(), (Shown{{20, 40, 50, 100}, {0, 0, 0, 0}}));
  EXPECT_EQ(stored(4), (Shown{{20, 40, 50, 100}, {0, 0, 0, 0}}));
}

TEST_F(PairEditorTest, ARectangleRemovedElsewhereIsNotMovedButLeavesTheList) {
  folder.addPairWithoutFiles(4, "a.bmp", "a_C.bmp", {{1, 2, 3, 4}, {5, 6, 7, 8}});
  PairEditor& ed = open();
  ed.showDifferencesOf(4);
  {
    picture_db::Database other = folder.open();
    picture_db::deleteDifference(other, 4, ed.differences().difference(0).rowid);
  }
  try {
    ed.moveDifference(4, 0, {20, 40, 50, 100});
    FAIL() << "a row no longer stored was reported as moved";
  } catch (const editor::EditRefused& e) {
    EXPECT_STREQ(e.what(), editor::msg::kDifferenceGone);
  }
  EXPECT_EQ(shown(), (Shown{{1, 2, 3, 4}, {5, 6, 7, 8}}));
  EXPECT_EQ(stored(4), (Shown{{5, 6, 7, 8}}));
  ed.deleteDifference(4, 0);
  EXPECT_EQ(shown(), (Shown{{5, 6, 7, 8}}));
}

TEST_F(PairEditorTest, AFailedWriteLeavesListsAndTableAsTheyWere) {
  folder.addPairWithoutFiles(1, "a.bmp", "a_C.bmp", {{1, 2, 3, 4}});
  folder.addPairWithoutFiles(2, "b.bmp", "b_C.bmp", {});
  PairEditor& ed = open();
  ed.showDifferencesOf(1);
  ed.database().sqlite().setBusyTimeout(0);
  picture_db::Database other = folder.open();
  // Another program holds the write lock meanwhile.
  other.inTransaction([&] {
    EXPECT_THROW(ed.addPair(), picture_db::DbError);
    EXPECT_THROW(ed.deletePair(1), picture_db::DbError);
    EXPECT_THROW(ed.setOriginal(0, "x.bmp"), picture_db::DbError);
    EXPECT_THROW(ed.setCopy(0, "x_C.bmp"), picture_db::DbError);
    EXPECT_THROW(ed.addDifference(1), picture_db::DbError);
    EXPECT_THROW(ed.moveDifference(1, 0, {20, 40, 50, 100}), picture_db::DbError);
    EXPECT_THROW(ed.deleteDifference(1, 0), picture_db::DbError);
    EXPECT_EQ(listed(), (std::vector<PairId>{1, 2}));
    EXPECT_EQ(ed.pairs().pair(0).original, "a.bmp");
    EXPECT_EQ(ed.pairs().pair(0).copy, "a_C.bmp");
    EXPECT_EQ(shown(), (Shown{{1, 2, 3, 4}}));
  });
  EXPECT_EQ(storedIds(), (std::vector<PairId>{1, 2}));
  EXPECT_EQ(storedPair(1).original, "a.bmp");
  EXPECT_EQ(stored(1), (Shown{{1, 2, 3, 4}}));

  // A closed database refuses in the same way.
  ed.close();
  EXPECT_THROW(ed.addPair(), picture_db::DbError);
  EXPECT_THROW(ed.addDifference(1), picture_db::DbError);
  EXPECT_EQ(listed(), (std::vector<PairId>{1, 2}));
  EXPECT_EQ(storedIds(), (std::vector<PairId>{1, 2}));
}

TEST_F(PairEditorTest, AMissingDatabaseLeavesTheEditorClosed) {
  PairEditor ed(folder.dir());
  EXPECT_THROW(ed.open(folder.dir() + "/nothing.mdb"), std::exception);
  EXPECT_FALSE(ed.isOpen());
  EXPECT_THROW(ed.loadPairs(), picture_db::DbError);
  EXPECT_EQ(ed.pairs().rowCount(), 0);
}

TEST_F(PairEditorTest, APairTravelsThroughAPackageUnderANewNumber) {
  folder.addPair(3, {{10, 20, 30, 40}, {1, 2, 3, 4}});
  PairEditor& ed = open();
  ASSERT_TRUE(QDir().mkpath(folder.path() + "/Export"));
  EXPECT_THROW(ed.exportPair(-1, "viaggio"), editor::PackageError);
  ed.showDifferencesOf(3);
  ed.exportPair(0, "viaggio");

  test_support::TempAppFolder receiverFolder;
  ASSERT_TRUE(QDir().mkpath(receiverFolder.imagesPath()));
  ASSERT_TRUE(QDir().mkpath(receiverFolder.path() + "/Import"));
  receiverFolder.addPairWithoutFiles(7, "x.bmp", "x_C.bmp", {});
  const QString package = receiverFolder.path() + "/Import/viaggio.ozt";
  ASSERT_TRUE(QFile::copy(folder.path() + "/Export/viaggio.ozt", package));

  PairEditor receiver(receiverFolder.dir());
  receiver.open(receiverFolder.databasePath());
  receiver.loadPairs();
  const PairEditor::Imported imported = receiver.importPackage("viaggio.ozt");
  EXPECT_EQ(imported.row, 1);
  EXPECT_TRUE(imported.packageLeftBecause.empty());
  EXPECT_EQ(receiver.pairs().pair(1).id, 8);
  EXPECT_EQ(receiver.pairs().pair(1).original, "3.bmp");
  EXPECT_EQ(receiver.pairs().pair(1).copy, "3_C.bmp");
  EXPECT_FALSE(QFile::exists(package));
  picture_db::Database db = receiverFolder.open();
  EXPECT_EQ(edgesOf(picture_db::pairDifferences(db, 8)), (Shown{{10, 20, 30, 40}, {1, 2, 3, 4}}));

  // The same package again is refused: its pictures are there now.
  ASSERT_TRUE(QFile::copy(folder.path() + "/Export/viaggio.ozt", package));
  EXPECT_THROW(receiver.importPackage("viaggio.ozt"), editor::PackageError);
  EXPECT_EQ(receiver.pairs().rowCount(), 2);
}

}  // namespace
