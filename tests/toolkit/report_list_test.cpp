// SPDX-License-Identifier: GPL-2.0-or-later
// The keyed report list: columns, rows in the order added, keys, hidden row data, and a
// selection that only the user's clicks and keys report.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

#include "toolkit/report_list.h"

using toolkit::ReportList;

namespace {
class ReportListTest : public ::testing::Test {
 protected:
  ReportList list;
  void SetUp() override {
    list.resize(200, 150);
    list.addColumn("Immagini", 120);
    list.addColumn("Originale", 0);
    for (const char* k : {"I3", "I7", "I5"}) {
      const int row = list.addRow(k, QString("copy%1").arg(k));
      list.setSubItem(row, 1, QString("orig%1").arg(k));
    }
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  }
  QPoint rowCentre(int row) { return list.rowRect(row).center(); }
};
}  // namespace

TEST_F(ReportListTest, ColumnsHaveHeadersAndPixelWidthsAndZeroWidthHides) {
  EXPECT_EQ(list.columnCount(), 2);
  EXPECT_EQ(list.headerText(0), "Immagini");
  EXPECT_EQ(list.columnWidthPx(0), 120);
  EXPECT_EQ(list.columnWidthPx(1), 0);
  EXPECT_TRUE(list.isColumnHidden(1));
  // The hidden column still holds its texts.
  EXPECT_EQ(list.subItem(1, 1), "origI7");
}

TEST_F(ReportListTest, RowsKeepTheOrderAddedWithTheirKeys) {
  ASSERT_EQ(list.count(), 3);
  EXPECT_EQ(list.lastRow(), 2);
  EXPECT_EQ(list.key(0), "I3");
  EXPECT_EQ(list.key(1), "I7");
  EXPECT_EQ(list.text(2), "copyI5");
  EXPECT_EQ(list.rowOfKey("I5"), 2);
  EXPECT_EQ(list.rowOfKey("I9"), -1);
  // A key in use is refused and nothing is added; rows without a key are many.
  EXPECT_THROW(list.addRow("I7", "again"), std::invalid_argument);
  EXPECT_EQ(list.count(), 3);
  list.addRow(QString(), "a");
  list.addRow(QString(), "b");
  EXPECT_EQ(list.count(), 5);
  // Many at once: in order, and a key used twice among them adds none.
  list.addRows({{"I9", {"nine", "orig9"}}, {"I10", {"ten"}}});
  EXPECT_EQ(list.count(), 7);
  EXPECT_EQ(list.subItem(5, 1), "orig9");
  EXPECT_EQ(list.rowOfKey("I10"), 6);
  EXPECT_THROW(list.addRows({{"I11", {"a"}}, {"I11", {"b"}}}), std::invalid_argument);
  EXPECT_THROW(list.addRows({{"I12", {"a"}}, {"I3", {"b"}}}), std::invalid_argument);
  EXPECT_EQ(list.count(), 7);
  EXPECT_EQ(list.rowOfKey("I12"), -1);
  EXPECT_THROW(list.text(9), std::out_of_range);
  EXPECT_THROW(list.setSubItem(0, 2, "x"), std::out_of_range);  // no third column
}

TEST_F(ReportListTest, RowDataIsKeptWithTheRowAndNotShown) {
  list.setRowData(1, QVariant::fromValue<qlonglong>(42));
  list.removeRow(0);
  EXPECT_EQ(list.rowData(0).toLongLong(), 42);
  for (int c = 0; c < list.columnCount(); ++c) EXPECT_NE(list.model()->index(0, c).data().toString(), "42");
}

TEST_F(ReportListTest, SelectingByCodeRaisesNoClickAndAUserClickDoes) {
  QSignalSpy clicks(&list, &ReportList::itemClick);
  EXPECT_EQ(list.selectedRow(), -1);
  list.selectRow(2);
  EXPECT_EQ(list.selectedRow(), 2);
  EXPECT_EQ(clicks.size(), 0);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(1));
  ASSERT_EQ(clicks.size(), 1);
  EXPECT_EQ(clicks[0][0].toInt(), 1);
  EXPECT_EQ(list.selectedRow(), 1);
  // Clicking the chosen row again is a click too.
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(1));
  EXPECT_EQ(clicks.size(), 2);
  // A Ctrl-click keeps it chosen.
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(1));
  EXPECT_EQ(list.selectedRow(), 1);
  list.selectRow(-1);
  EXPECT_EQ(list.selectedRow(), -1);
}

TEST_F(ReportListTest, APressBesideTheRowsOrADragKeepsTheChoice) {
  QSignalSpy clicks(&list, &ReportList::itemClick);
  list.selectRow(0);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(10, list.viewport()->height() - 3));
  EXPECT_EQ(list.selectedRow(), 0);
  QTest::mousePress(list.viewport(), Qt::LeftButton, {}, rowCentre(0));
  QTest::mouseMove(list.viewport(), rowCentre(2));
  QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, rowCentre(2));
  EXPECT_EQ(list.selectedRow(), 0);
  EXPECT_EQ(clicks.size(), 0);
  // A press on another row chooses it wherever the button is let go, and is reported.
  QTest::mousePress(list.viewport(), Qt::LeftButton, {}, rowCentre(1));
  QTest::mouseMove(list.viewport(), rowCentre(2));
  QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, rowCentre(2));
  EXPECT_EQ(list.selectedRow(), 1);
  ASSERT_EQ(clicks.size(), 1);
  EXPECT_EQ(clicks[0][0].toInt(), 1);
}

TEST_F(ReportListTest, MovingWithTheKeysIsReportedAsAClick) {
  QSignalSpy clicks(&list, &ReportList::itemClick);
  list.setFocus();
  list.selectRow(0);
  QTest::keyClick(&list, Qt::Key_Down);
  EXPECT_EQ(list.selectedRow(), 1);
  ASSERT_EQ(clicks.size(), 1);
  EXPECT_EQ(clicks[0][0].toInt(), 1);
  QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);  // would unselect
  EXPECT_EQ(list.selectedRow(), 1);
}

TEST_F(ReportListTest, RemovingTheChosenRowLeavesNoneChosen) {
  list.selectRow(1);
  list.removeRow(0);
  EXPECT_EQ(list.selectedRow(), 0);  // the same row, one place up
  EXPECT_EQ(list.key(0), "I7");
  list.removeRow(0);
  EXPECT_EQ(list.selectedRow(), -1);
  EXPECT_EQ(list.count(), 1);
  list.clearRows();
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.columnCount(), 2);  // the columns stay
}

TEST_F(ReportListTest, TextsCannotBeEditedInPlace) {
  list.selectRow(0);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rowCentre(0));
  QTest::keyClick(&list, Qt::Key_F2);
  QTest::keyClicks(list.viewport(), "zz");
  QTest::keyClick(list.viewport(), Qt::Key_Return);
  EXPECT_EQ(list.text(0), "copyI3");
  EXPECT_EQ(list.editTriggers(), QAbstractItemView::NoEditTriggers);
}
