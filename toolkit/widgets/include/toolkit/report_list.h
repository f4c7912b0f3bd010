// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A list in report view over a caller's model: columns with headers and pixel widths,
// rows with an optional unique key, a text (first column), sub-items (further columns)
// and hidden data, by the roles of report_list_roles.h. Selecting by code raises no
// click; a click or a keyboard move by the user raises itemClick. The user cannot edit texts.
#include <QRect>
#include <QString>
#include <QTreeView>
#include <QVariant>

#include "toolkit/report_list_roles.h"

#include "toolkit/single_choice_view.h"

namespace toolkit {

class ReportList : public SingleChoiceView<QTreeView> {
  Q_OBJECT
 public:
  explicit ReportList(QWidget* parent = nullptr);
  ~ReportList() override;

  // The rows and columns shown; the caller keeps the model.
  void showModel(QAbstractItemModel* model);

  // A width of 0 keeps the column out of sight (its sub-items still hold text).
  void setColumnWidthPx(int column, int widthPx);
  int columnCount() const;
  QString headerText(int column) const;
  int columnWidthPx(int column) const;

  int count() const;
  int lastRow() const { return count() - 1; }
  // Position of the row with this key, -1 when none has it.
  int rowOfKey(const QString& key) const;

  QString key(int row) const;
  QString text(int row) const;
  // Sub-item n is column n (1 is the second column).
  QString subItem(int row, int n) const;
  QVariant rowData(int row) const;

  // -1 when no row is selected.
  int selectedRow() const;
  // Selects one row (or none with -1) without raising itemClick.
  void selectRow(int row);
  // Where a row is drawn, in the coordinates of viewport().
  QRect rowRect(int row) const;

 signals:
  void itemClick(int row);

 protected:
  int rowAtPoint(const QPoint& viewportPos) const override;
  int chosenRow() const override { return selectedRow(); }
  void chooseRow(int row) override { selectRow(row); }
  int rowTotal() const override { return count(); }
  void clicked(int row) override { emit itemClick(row); }

 private:
  bool dropChoice_ = false;
};

}  // namespace toolkit
