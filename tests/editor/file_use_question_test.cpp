// SPDX-License-Identifier: GPL-2.0-or-later
// The question naming the pairs that use a file, and how the picture list shows a pair
// that has no files yet.
#include <gtest/gtest.h>

#include "editor/file_use_question.h"
#include "editor/editor_window_fixture.h"
#include "picture_db/editor_queries.h"

using namespace editor_window_fixture;

TEST(FileUseQuestion, NamesEachPairByNumberAndListText) {
  EXPECT_EQ(editor::fileInUseQuestion("casa.jpg", {{3, "casa.jpg", "casa_C.jpg"}}, "Eliminarlo?"),
            "Il file casa.jpg è usato dalla coppia 3 (casa_C.jpg). Eliminarlo?");
  EXPECT_EQ(editor::fileInUseQuestion("x.bmp", {{3, "x.bmp", "(none)"}, {12, "y.bmp", "x.bmp"}}, "Rinominarlo?"),
            "Il file x.bmp è usato dalle coppie 3 ((none)), 12 (x.bmp). Rinominarlo?");
  EXPECT_TRUE(editor::fileInUseQuestion("casa.jpg", {}, "Eliminarlo?").isEmpty());
}

TEST(FileUseQuestion, OnlyPairsNamingExactlyThatFileUseIt) {
  test_support::TempAppFolder folder;
  folder.addPairWithoutFiles(4, "casa.jpg", "casa_C.jpg", {});
  folder.addPairWithoutFiles(2, "mare.jpg", "casa.jpg", {});
  folder.addPairWithoutFiles(7, "CASA.jpg", "x.jpg", {});
  picture_db::Database db = folder.open();
  const auto users = picture_db::pairsUsingFile(db, "casa.jpg");
  ASSERT_EQ(users.size(), 2u);
  EXPECT_EQ(users[0].id, 2);
  EXPECT_EQ(users[1].id, 4);
}

class PairsWithoutFiles : public EditorWindowTest {};

TEST_F(PairsWithoutFiles, ReadNoneInTheListAndAreToldApartByTheirTooltip) {
  folder.addPairWithoutFiles(3, "a.bmp", "b.bmp", {});
  folder.addPairWithoutFiles(12, "(none)", "(none)", {});
  open();
  click(control<QPushButton>(*w, "CmdImgAdd"));
  click(control<editor::FilePanel>(*w, "FraFile")->CmdCancel());
  const auto cell = [&](int row, int column, int role = Qt::DisplayRole) {
    return control<toolkit::ReportList>(*w, "LstImages")->model()->index(row, column).data(role).toString();
  };
  ASSERT_EQ(control<toolkit::ReportList>(*w, "LstImages")->count(), 3);
  EXPECT_EQ(cell(0, 0), "b.bmp");
  for (int row : {1, 2}) {
    EXPECT_EQ(cell(row, 0), "(none)") << "row " << row;
    EXPECT_EQ(cell(row, 1), "(none)") << "row " << row;
  }
  EXPECT_EQ(cell(1, 0, Qt::ToolTipRole), "(none) (coppia n. 12)");
  EXPECT_EQ(cell(2, 0, Qt::ToolTipRole), "(none) (coppia n. 13)");
  EXPECT_EQ(cell(0, 0, Qt::ToolTipRole), "b.bmp (coppia n. 3)");
  EXPECT_EQ(w->pairList().pair(2).copy, "(none)") << "what the operations read stays the stored name";
  EXPECT_EQ(storedPairs().back().copy, "(none)");
}
