// The keyed report list over a caller's model: columns, keys, hidden row data, and a
// selection that only the user's clicks and keys report.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <stdexcept>

#include "toolkit/report_list.h"
#include "toolkit/report_list_roles.h"

using toolkit::ReportList;

namespace {
class ReportListTest : public ::testing::Test {
 protected:
  QStandardItemModel rows{0, 2};
  ReportList list;
  void SetUp() override {
    rows.setHorizontalHeaderLabels({"Immagini", "Originale"});
    for (const char* k : {"I3", "I7", "I5"}) {
      auto* text = new QStandardItem(QString("copy%1").arg(k));
      text->setData(QString(k), toolkit::ReportListRole::Key);
      text->setData(QVariant::fromValue<qlonglong>(QString(k).mid(1).toLongLong()), toolkit::ReportListRole::RowData);
      rows.appendRow({text, new QStandardItem(QString("orig%1").arg(k))});
    }
    list.resize(200, 150);
    list.showModel(&rows);
    list.setColumnWidthPx(0, 120);
    list.setColumnWidthPx(1, 0);
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

TEST_F(ReportListTest, RowsAreFoundByKeyAndKeepTheirDataOutOfSight) {
  ASSERT_EQ(list.count(), 3);
  EXPECT_EQ(list.lastRow(), 2);
  EXPECT_EQ(list.key(1), "I7");
  EXPECT_EQ(list.text(2), "copyI5");
  EXPECT_EQ(list.rowOfKey("I5"), 2);
  EXPECT_EQ(list.rowOfKey("I9"), -1);
  EXPECT_EQ(list.rowOfKey(QString()), -1);
  EXPECT_EQ(list.rowData(1).toLongLong(), 7);
  for (int c = 0; c < list.columnCount(); ++c) EXPECT_NE(list.model()->index(1, c).data().toString(), "7");
  EXPECT_THROW(list.text(9), std::out_of_range);
  EXPECT_THROW(list.selectRow(3), std::out_of_range);
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

TEST_F(ReportListTest, RemovingTheChosenRowFromTheModelLeavesNoneChosen) {
  list.selectRow(1);
  rows.removeRow(0);
  EXPECT_EQ(list.selectedRow(), 0);  // the same row, one place up
  EXPECT_EQ(list.key(0), "I7");
  rows.removeRow(0);
  EXPECT_EQ(list.selectedRow(), -1);
  EXPECT_EQ(list.count(), 1);
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
