// SPDX-License-Identifier: GPL-2.0-or-later
// Picture pairs: the number a new pair gets, adding one (which opens the file panel)
// and deleting one together with its rectangles.
#include <QPushButton>

#include "editor/file_panel.h"
#include "picture_db/editor_queries.h"
#include "editor/editor_window_fixture.h"

using namespace editor_window_fixture;
using namespace toolkit;

using EditorRecords = EditorWindowTest;

TEST_F(EditorRecords, TheFirstPairOfAnEmptyListIsNumberOne) {
  open();
  EXPECT_EQ(w->NewImageID(), 1);
  click(control<QPushButton>(*w, "CmdImgAdd"));
  const auto pairs = storedPairs();
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].id, 1);
  EXPECT_EQ(pairs[0].original, "(none)");
  EXPECT_EQ(pairs[0].copy, "(none)");
}

TEST_F(EditorRecords, NewNumbersComeFromTheListWhateverItsOrder) {
  for (int id : {3, 7, 5}) folder.addPairWithoutFiles(id, "a.bmp", "b.bmp", {});
  open();
  ASSERT_EQ(control<toolkit::ReportList>(*w, "LstImages")->key(1), "I7");
  EXPECT_EQ(w->NewImageID(), 8);
  EXPECT_EQ(w->NewImageID(), 8);  // asking changes nothing
  // The list alone counts: a row in the table the list does not show is not seen.
  folder.addPairWithoutFiles(20, "a.bmp", "b.bmp", {});
  EXPECT_EQ(w->NewImageID(), 8);
}

TEST_F(EditorRecords, AnAddedPairIsTheLastRowChosenShownAndTheFilePanelOpens) {
  folder.addPair(2, {{1, 2, 3, 4}}, QSize(80, 60));
  open();
  drag({5, 5}, {20, 20});
  click(control<QPushButton>(*w, "CmdImgAdd"));
  const int last = control<toolkit::ReportList>(*w, "LstImages")->lastRow();
  ASSERT_EQ(last, 1);
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->key(last), "I3");
  EXPECT_EQ(w->pairList().pair(last).copy, "(none)");
  EXPECT_EQ(w->pairList().pair(last).original, "(none)");
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->selectedRow(), last);
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 0);  // the new pair's (empty) list
  EXPECT_EQ(control<QLineEdit>(*w, "TxtExport")->text(), "(n");
  EXPECT_TRUE(control<toolkit::OverlayShape>(*w, "shBorder")->isHidden());
  // The file panel for it, in the place of the coordinates.
  EXPECT_FALSE(control<editor::FilePanel>(*w, "FraFile")->isHidden());
  EXPECT_TRUE(control<QGroupBox>(*w, "FraCoord")->isHidden());
  EXPECT_FALSE(control<toolkit::PictureArea>(*w, "Picture1")->hasPicture());
  // Closing it shows the coordinates of the new pair.
  control<editor::FilePanel>(*w, "FraFile")->CmdCancel_Click();
  EXPECT_FALSE(control<QGroupBox>(*w, "FraCoord")->isHidden());
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->selectedRow(), last);
}

TEST_F(EditorRecords, ANewPairStartsWithoutRectanglesLeftUnderItsNumber) {
  folder.addPairWithoutFiles(1, "a.bmp", "b.bmp", {{1, 2, 3, 4}});
  {
    // An older editor deleted pair 2 and left its rectangles.
    picture_db::Database db = folder.open();
    picture_db::addDifference(db, 2, 10, 20, 30, 40);
  }
  open();
  click(control<QPushButton>(*w, "CmdImgAdd"));
  ASSERT_EQ(
      control<toolkit::ReportList>(*w, "LstImages")->key(control<toolkit::ReportList>(*w, "LstImages")->lastRow()),
      "I2");
  control<editor::FilePanel>(*w, "FraFile")->CmdCancel_Click();
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 0);
  EXPECT_TRUE(stored(2).empty());
  EXPECT_EQ(stored(1).size(), 1u);
}

TEST_F(EditorRecords, TheDeleteQuestionNamesTheCopyAndNoKeepsEverything) {
  folder.addPairWithoutFiles(1, "(none)", "(none)", {{1, 2, 3, 4}});
  open();
  boxes.answers = {box::No};
  click(control<QPushButton>(*w, "CmdImgDel"));
  ASSERT_EQ(boxes.messages().size(), 1u);
  EXPECT_EQ(boxes.messages()[0].text, "Eliminare\r\n(none)");
  EXPECT_EQ(boxes.messages()[0].flags, box::YesNo | box::Question);
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->count(), 1);
  EXPECT_EQ(storedPairs().size(), 1u);
  EXPECT_EQ(stored(1).size(), 1u);
}

TEST_F(EditorRecords, ADeletedPairTakesItsRectanglesAndItsNumberMayComeBackEmpty) {
  for (int id : {3, 5, 7}) folder.addPairWithoutFiles(id, "a.bmp", "b.bmp", {});
  folder.addPair(8, test_support::fiveRectangles());
  open();
  clickRow(*control<toolkit::ReportList>(*w, "LstImages"), 3);
  ASSERT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 5);
  boxes.answers = {box::Yes};
  click(control<QPushButton>(*w, "CmdImgDel"));
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->count(), 3);
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->selectedRow(), -1);  // no other pair is chosen for the user
  EXPECT_EQ(storedPairs().size(), 3u);
  EXPECT_TRUE(stored(8).empty());
  // The picture files stay.
  EXPECT_TRUE(QFileInfo::exists(folder.imagesPath() + "/8.bmp"));
  EXPECT_TRUE(QFileInfo::exists(folder.imagesPath() + "/8_C.bmp"));

  EXPECT_EQ(w->NewImageID(), 8);
  click(control<QPushButton>(*w, "CmdImgAdd"));
  EXPECT_EQ(
      control<toolkit::ReportList>(*w, "LstImages")->key(control<toolkit::ReportList>(*w, "LstImages")->lastRow()),
      "I8");
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 0);
  EXPECT_TRUE(stored(8).empty());
  EXPECT_TRUE(control<QPushButton>(*w, "CmdAdd")->isEnabled());
}

TEST_F(EditorRecords, DeleteWithoutAChosenPairDoesNothing) {
  folder.addPairWithoutFiles(1, "a.bmp", "b.bmp", {});
  open();
  control<toolkit::ReportList>(*w, "LstImages")->selectRow(-1);
  click(control<QPushButton>(*w, "CmdImgDel"));
  EXPECT_TRUE(boxes.messages().empty());
  EXPECT_EQ(storedPairs().size(), 1u);
  // The same for choosing files of no pair.
  click(control<QPushButton>(*w, "CmdImgUpd"));
  EXPECT_TRUE(control<editor::FilePanel>(*w, "FraFile")->isHidden());
}

TEST_F(EditorRecords, FailuresShowTheEnginesReasonAndKeepTheList) {
  folder.addPairWithoutFiles(1, "a.bmp", "b.bmp", {{1, 2, 3, 4}});
  open();
  w->pictureDb().sqlite().setBusyTimeout(0);
  picture_db::Database other = folder.open();
  other.inTransaction([&] {
    click(control<QPushButton>(*w, "CmdImgAdd"));
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_EQ(boxes.messages()[0].text, "il database è bloccato da un altro programma");
    EXPECT_EQ(boxes.messages()[0].flags, box::OkOnly | box::Critical);
    EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->count(), 1);
    EXPECT_TRUE(control<editor::FilePanel>(*w, "FraFile")->isHidden());

    boxes.answers = {box::Yes};
    click(control<QPushButton>(*w, "CmdImgDel"));
    ASSERT_EQ(boxes.messages().size(), 3u);
    EXPECT_EQ(boxes.messages()[2].text, "il database è bloccato da un altro programma");
    EXPECT_EQ(boxes.messages()[2].flags, box::OkOnly);  // no icon for this one
    EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->count(), 1);
  });
  EXPECT_EQ(storedPairs().size(), 1u);
  EXPECT_EQ(stored(1).size(), 1u);  // the rectangles stay with the pair kept
}

TEST_F(EditorRecords, UpdateOpensTheFilePanelForTheChosenPair) {
  folder.addPair(1, {}, QSize(50, 50));
  open();
  click(control<QPushButton>(*w, "CmdImgUpd"));
  EXPECT_FALSE(control<editor::FilePanel>(*w, "FraFile")->isHidden());
  EXPECT_TRUE(control<QGroupBox>(*w, "FraCoord")->isHidden());
  EXPECT_EQ(control<editor::FilePanel>(*w, "FraFile")->File1()->selectedName(), "1.bmp");
  EXPECT_EQ(control<editor::FilePanel>(*w, "FraFile")->File2()->selectedName(), "1_C.bmp");
  EXPECT_FALSE(control<toolkit::PictureArea>(*w, "Picture2")->isHidden());  // the original previewed
}
