#pragma once
// A list in report view: columns with headers and pixel widths, rows with an optional
// unique key, a text (first column), sub-items (further columns) and hidden data of
// the caller's. Rows stay in the order added. Selecting by code raises no click; a
// click or a keyboard move by the user raises itemClick. The user cannot edit texts.
#include <QString>
#include <QTreeWidget>
#include <QVariant>

namespace toolkit {

class ReportList : public QTreeWidget {
  Q_OBJECT
 public:
  explicit ReportList(QWidget* parent = nullptr);

  // Appends a column; a width of 0 keeps it out of sight (its sub-items still hold text).
  void addColumn(const QString& header, int widthPx);
  int columnWidthPx(int column) const;

  // Appends a row and returns its position. A non-empty key must be unused: a used key
  // throws std::invalid_argument and adds nothing.
  int addRow(const QString& key, const QString& text);
  int count() const { return topLevelItemCount(); }
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

 signals:
  void itemClick(int row);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  // The row under the last press and the choice before it.
  int pressedRow_ = -1;
  int chosenBeforePress_ = -1;
  QTreeWidgetItem* itemAt(int row) const;
};

}  // namespace toolkit
