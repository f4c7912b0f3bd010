// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A list in report view: columns with headers and pixel widths, rows with an optional
// unique key, a text (first column), sub-items (further columns) and hidden data of
// the caller's. Rows stay in the order added. Selecting by code raises no click; a
// click or a keyboard move by the user raises itemClick. The user cannot edit texts.
// The rows live in a plain table model of the list's own, so that tens of thousands
// load quickly; or the list shows a caller's model (showModel), which then owns the rows:
// texts by column, the key and the row's data by the roles of report_list_roles.h.
#include <QRect>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTreeView>
#include <functional>
#include <QVariant>

#include "toolkit/report_list_roles.h"

#include "toolkit/single_choice_view.h"

namespace toolkit {

class ReportListModel;

class ReportList : public SingleChoiceView<QTreeView> {
  Q_OBJECT
 public:
  explicit ReportList(QWidget* parent = nullptr);
  ~ReportList() override;

  // Shows the caller's model instead of the list's own; the list's own rows are dropped,
  // and adding or changing rows through the list is refused from then on.
  void showModel(QAbstractItemModel* model);

  // Appends a column; a width of 0 keeps it out of sight (its sub-items still hold text).
  void addColumn(const QString& header, int widthPx);
  void setColumnWidthPx(int column, int widthPx);
  int columnCount() const;
  QString headerText(int column) const;
  int columnWidthPx(int column) const;

  // Appends a row and returns its position. A non-empty key must be unused: a used key
  // throws std::invalid_argument and adds nothing.
  int addRow(const QString& key, const QString& text);
  struct Row {
    QString key;
    QStringList texts;  // the text, then the sub-items
  };
  // Appends many rows at once, quicker than one by one on long lists; a used key (also
  // one used twice among them) throws std::invalid_argument and adds none of them.
  void addRows(QList<Row> rows);
  int count() const;
  int lastRow() const { return count() - 1; }
  // Position of the row with this key, -1 when none has it.
  int rowOfKey(const QString& key) const;

  QString key(int row) const;
  QString text(int row) const;
  void setText(int row, const QString& text);
  // Sub-item n is column n (1 is the second column).
  QString subItem(int row, int n) const;
  void setSubItem(int row, int n, const QString& text);
  QVariant rowData(int row) const;
  void setRowData(int row, const QVariant& data);

  // -1 when no row is selected.
  int selectedRow() const;
  // Selects one row (or none with -1) without raising itemClick.
  void selectRow(int row);
  // Removing the selected row leaves no row selected.
  void removeRow(int row);
  void clearRows();
  // Where a row is drawn, in the coordinates of viewport().
  QRect rowRect(int row) const;

 signals:
  void itemClick(int row);

 protected:
  int rowAtPoint(const QPoint& viewportPos) const override;
  // The list's own rows, to change; throws std::logic_error while a caller's model is shown.
  ReportListModel& ownRows() const;
  int chosenRow() const override { return selectedRow(); }
  void chooseRow(int row) override { selectRow(row); }
  int rowTotal() const override { return count(); }
  void clicked(int row) override { emit itemClick(row); }

 private:
  ReportListModel* model_;
};

}  // namespace toolkit
