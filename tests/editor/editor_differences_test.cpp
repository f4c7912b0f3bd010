// SPDX-License-Identifier: GPL-2.0-or-later
// Editing the difference list: a row shown on the picture, rectangles added, given the
// marked edges and deleted, in images.mdb at once and in the list only on success.
#include <QPushButton>

#include "editor/editor_window_fixture.h"
#include "picture_db/game_queries.h"

using namespace editor_window_fixture;
using namespace toolkit;

namespace {
class EditorDifferences : public EditorWindowTest {
 protected:
  void SetUp() override {
    EditorWindowTest::SetUp();
    folder.addPair(4, {}, QSize(300, 300));
  }
  QString lastMessage() const { return boxes.messages().empty() ? QString() : boxes.messages().back().text; }
  int lastFlags() const { return boxes.messages().empty() ? -1 : boxes.messages().back().flags; }
  // Marks a rectangle on the picture and gives it to the chosen row, answering Yes.
  void markAndUpdate(QPoint from, QPoint to) {
    drag(from, to);
    boxes.answers = {box::Yes};
    click(control<QPushButton>(*w, "CmdUpd"));
  }
};
}  // namespace

TEST_F(EditorDifferences, FiveAddsGiveFiveEmptyRowsThenAddIsDisabledUntilADelete) {
  open();
  for (int i = 0; i < 5; ++i) click(control<QPushButton>(*w, "CmdAdd"));
  ASSERT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 5);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(rowOf(*control<toolkit::ReportList>(*w, "LstCoord"), i), (QStringList{"0", "0", "0", "0"}));
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->selectedRow(), 4);  // the new row, chosen
  EXPECT_FALSE(control<QPushButton>(*w, "CmdAdd")->isEnabled());
  const auto rows = stored(4);
  ASSERT_EQ(rows.size(), 5u);
  for (const auto& r : rows) EXPECT_EQ(edgesOf(r), (QStringList{"0", "0", "0", "0"}));
  // A further call while disabled adds nothing.
  w->CmdAdd_Click();
  EXPECT_EQ(stored(4).size(), 5u);

  // The five identical rows are told apart: one delete removes one.
  clickRow(*control<toolkit::ReportList>(*w, "LstCoord"), 2);
  boxes.answers = {box::Yes};
  click(control<QPushButton>(*w, "CmdDel"));
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 4);
  EXPECT_EQ(stored(4).size(), 4u);
  EXPECT_TRUE(control<QPushButton>(*w, "CmdAdd")->isEnabled());
}

TEST_F(EditorDifferences, AddThenUpdateStoresTheMarkedEdgesAfterTheQuestion) {
  open();
  click(control<QPushButton>(*w, "CmdAdd"));
  markAndUpdate({20, 40}, {50, 100});
  ASSERT_EQ(boxes.messages().size(), 1u);
  EXPECT_EQ(lastMessage(), "Aggiornare la coordinata ?\r\nX1: 0 -> 20\r\nY1: 0 -> 40\r\nX2: 0 -> 50\r\nY2: 0 -> 100");
  EXPECT_EQ(lastFlags(), box::YesNo | box::Question);
  EXPECT_EQ(boxes.messages().back().title, "Vobrel");
  EXPECT_EQ(rowOf(*control<toolkit::ReportList>(*w, "LstCoord"), 0), (QStringList{"20", "40", "50", "100"}));
  ASSERT_EQ(stored(4).size(), 1u);
  EXPECT_EQ(edgesOf(stored(4)[0]), (QStringList{"20", "40", "50", "100"}));
  // The selection and the mark stay.
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->selectedRow(), 0);
  EXPECT_FALSE(control<toolkit::OverlayShape>(*w, "shBorder")->isHidden());
}

TEST_F(EditorDifferences, AnsweringNoChangesNothing) {
  folder.addPairWithoutFiles(5, "a.bmp", "b.bmp", {{1, 2, 3, 4}});
  open();
  clickRow(*control<toolkit::ReportList>(*w, "LstImages"), 1);
  clickRow(*control<toolkit::ReportList>(*w, "LstCoord"), 0);
  drag({100, 100}, {150, 160});
  boxes.answers = {box::No, box::No};
  click(control<QPushButton>(*w, "CmdUpd"));
  click(control<QPushButton>(*w, "CmdDel"));
  EXPECT_EQ(lastMessage(), "Eliminare la coordinata ?\r\nX1 = 1\r\nY1 = 2\r\nX2 = 3\r\nY2 = 4");
  EXPECT_EQ(lastFlags(), box::YesNo | box::Question);
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 1);
  EXPECT_EQ(rowOf(*control<toolkit::ReportList>(*w, "LstCoord"), 0), (QStringList{"1", "2", "3", "4"}));
  ASSERT_EQ(stored(5).size(), 1u);
  EXPECT_EQ(edgesOf(stored(5)[0]), (QStringList{"1", "2", "3", "4"}));
}

TEST_F(EditorDifferences, ARowClickShowsItsRectangleAndTheLegend) {
  folder.addPairWithoutFiles(5, "a.bmp", "b.bmp", {{10, 20, 30, 60}, {0, 0, 0, 0}, {90, 80, 70, 60}});
  open();
  clickRow(*control<toolkit::ReportList>(*w, "LstImages"), 1);
  clickRow(*control<toolkit::ReportList>(*w, "LstCoord"), 0);
  EXPECT_FALSE(control<toolkit::OverlayShape>(*w, "shBorder")->isHidden());
  EXPECT_EQ(band(), QRectF(10, 20, 20, 40));
  EXPECT_EQ(legend(), (QStringList{"10", "20", "30", "60"}));
  // Update without a new drag writes the same values back.
  boxes.answers = {box::Yes};
  click(control<QPushButton>(*w, "CmdUpd"));
  EXPECT_EQ(lastMessage(),
            "Aggiornare la coordinata ?\r\nX1: 10 -> 10\r\nY1: 20 -> 20\r\nX2: 30 -> 30\r\nY2: 60 -> 60");
  EXPECT_EQ(edgesOf(stored(5)[0]), (QStringList{"10", "20", "30", "60"}));

  // A fresh rectangle: empty, at the top-left corner.
  clickRow(*control<toolkit::ReportList>(*w, "LstCoord"), 1);
  EXPECT_EQ(band(), QRectF(0, 0, 0, 0));
  EXPECT_FALSE(control<toolkit::OverlayShape>(*w, "shBorder")->isHidden());
  // Edges stored the wrong way round show the rectangle they span.
  clickRow(*control<toolkit::ReportList>(*w, "LstCoord"), 2);
  EXPECT_EQ(band(), QRectF(70, 60, 20, 20));
}

TEST_F(EditorDifferences, RowsWithTheSameEdgesAreUpdatedOneAtATime) {
  open();
  click(control<QPushButton>(*w, "CmdAdd"));
  click(control<QPushButton>(*w, "CmdAdd"));
  click(control<QPushButton>(*w, "CmdAdd"));
  clickRow(*control<toolkit::ReportList>(*w, "LstCoord"), 1);
  markAndUpdate({5, 6}, {25, 36});
  EXPECT_EQ(rowOf(*control<toolkit::ReportList>(*w, "LstCoord"), 0), (QStringList{"0", "0", "0", "0"}));
  EXPECT_EQ(rowOf(*control<toolkit::ReportList>(*w, "LstCoord"), 1), (QStringList{"5", "6", "25", "36"}));
  EXPECT_EQ(rowOf(*control<toolkit::ReportList>(*w, "LstCoord"), 2), (QStringList{"0", "0", "0", "0"}));
  // The table holds exactly what the list shows, also after reading it again.
  const auto rows = stored(4);
  ASSERT_EQ(rows.size(), 3u);
  int moved = 0;
  for (const auto& r : rows) moved += edgesOf(r) == QStringList{"5", "6", "25", "36"};
  EXPECT_EQ(moved, 1);
  clickRow(*control<toolkit::ReportList>(*w, "LstImages"), 0);
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 3);
}

TEST_F(EditorDifferences, UpdateWithNothingMarkedIsRefusedBeforeAnyQuestion) {
  open();
  click(control<QPushButton>(*w, "CmdAdd"));
  hover(control<toolkit::PictureArea>(*w, "Picture1"), {30, 40});  // X1, Y1 follow the pointer, X2, Y2 empty
  click(control<QPushButton>(*w, "CmdUpd"));
  ASSERT_EQ(boxes.messages().size(), 1u);
  EXPECT_EQ(lastMessage(), "Segnare prima un rettangolo sull'immagine.");
  EXPECT_EQ(lastFlags(), box::OkOnly | box::Critical);
  EXPECT_EQ(rowOf(*control<toolkit::ReportList>(*w, "LstCoord"), 0), (QStringList{"0", "0", "0", "0"}));
  EXPECT_EQ(edgesOf(stored(4)[0]), (QStringList{"0", "0", "0", "0"}));
}

TEST_F(EditorDifferences, WithoutAChosenRowOrPairTheButtonsExplainAndChangeNothing) {
  folder.addPairWithoutFiles(5, "a.bmp", "b.bmp", {{1, 2, 3, 4}});
  open();
  drag({10, 10}, {20, 20});
  click(control<QPushButton>(*w, "CmdUpd"));
  EXPECT_EQ(lastMessage(), "Selezionare prima una coordinata nell'elenco.");
  EXPECT_EQ(lastFlags(), box::OkOnly | box::Critical);
  click(control<QPushButton>(*w, "CmdDel"));
  EXPECT_EQ(lastMessage(), "Selezionare prima una coordinata nell'elenco.");
  EXPECT_EQ(boxes.messages().size(), 2u);

  // No pair at all: an empty picture table.
  test_support::TempAppFolder empty;
  QDir().mkpath(empty.imagesPath());
  ScriptedDialogs emptyBoxes;
  editor::FrmOrtavi bare(empty.path(), emptyBoxes);
  ASSERT_TRUE(control<QPushButton>(bare, "CmdAdd")->isEnabled());
  bare.CmdAdd_Click();
  ASSERT_EQ(emptyBoxes.messages().size(), 1u);
  EXPECT_EQ(emptyBoxes.messages()[0].text, "Scegliere prima una coppia di immagini nell'elenco.");
  EXPECT_EQ(emptyBoxes.messages()[0].flags, box::OkOnly | box::Critical);
  EXPECT_EQ(control<toolkit::ReportList>(bare, "LstCoord")->count(), 0);
}

TEST_F(EditorDifferences, ADatabaseFailureShowsTheEnginesReasonAndLeavesTheList) {
  open();
  click(control<QPushButton>(*w, "CmdAdd"));
  drag({1, 2}, {30, 40});
  w->pictureDb().sqlite().setBusyTimeout(0);
  picture_db::Database other = folder.open();
  // Another program holds the write lock while the buttons are pressed.
  other.inTransaction([&] {
    click(control<QPushButton>(*w, "CmdAdd"));
    EXPECT_EQ(lastMessage(), "il database è bloccato da un altro programma");
    EXPECT_EQ(lastFlags(), box::OkOnly | box::Critical);
    EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 1);  // no row for a failed insert

    boxes.answers = {box::Yes};
    click(control<QPushButton>(*w, "CmdUpd"));
    EXPECT_EQ(lastMessage(), "il database è bloccato da un altro programma");
    EXPECT_EQ(rowOf(*control<toolkit::ReportList>(*w, "LstCoord"), 0), (QStringList{"0", "0", "0", "0"}));

    boxes.answers = {box::Yes};
    click(control<QPushButton>(*w, "CmdDel"));
    EXPECT_EQ(lastMessage(), "il database è bloccato da un altro programma");
    EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 1);
  });
  EXPECT_EQ(stored(4).size(), 1u);
  EXPECT_EQ(edgesOf(stored(4)[0]), (QStringList{"0", "0", "0", "0"}));
}

TEST_F(EditorDifferences, ARowRemovedByAnotherProgramIsNotUpdatedBlindly) {
  open();
  click(control<QPushButton>(*w, "CmdAdd"));
  {
    picture_db::Database other = folder.open();
    picture_db::deleteDifference(other, 4, w->differenceList().difference(0).rowid);
  }
  markAndUpdate({1, 2}, {30, 40});
  EXPECT_EQ(boxes.messages().back().flags, box::OkOnly | box::Critical);
  EXPECT_EQ(rowOf(*control<toolkit::ReportList>(*w, "LstCoord"), 0), (QStringList{"0", "0", "0", "0"}));
  EXPECT_TRUE(stored(4).empty());
}

TEST_F(EditorDifferences, RectanglesMadeHereAreOfferedToTheGameUnfound) {
  open();
  click(control<QPushButton>(*w, "CmdAdd"));
  markAndUpdate({10, 10}, {60, 50});
  picture_db::Database db = folder.open();
  EXPECT_EQ(picture_db::candidatePairIds(db), std::vector<picture_db::PairId>{4});
  const auto rows = picture_db::unfoundDifferences(db, 4);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(edgesOf(rows[0]), (QStringList{"10", "10", "60", "50"}));
  EXPECT_EQ(rows[0].found, "N");
}
