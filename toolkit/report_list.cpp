#include "toolkit/report_list.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <stdexcept>

namespace toolkit {

namespace {
constexpr int kKeyRole = Qt::UserRole;
constexpr int kDataRole = Qt::UserRole + 1;
}  // namespace

ReportList::ReportList(QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(0);
  setRootIsDecorated(false);
  setIndentation(0);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSortingEnabled(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setAllColumnsShowFocus(true);
  setDragEnabled(false);
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
  header()->setSectionsClickable(false);
  header()->setMinimumSectionSize(0);
  connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
    const int row = indexOfTopLevelItem(item);
    if (row < 0) return;
    // A Ctrl-click can unselect in single selection; the clicked row is the chosen one.
    if (selectedRow() != row) selectRow(row);
    emit itemClick(row);
  });
}

void ReportList::addColumn(const QString& header, int widthPx) {
  const int col = columnCount();
  setColumnCount(col + 1);
  headerItem()->setText(col, header);
  if (widthPx <= 0) {
    setColumnHidden(col, true);
  } else {
    setColumnHidden(col, false);
    setColumnWidth(col, widthPx);
  }
}

int ReportList::columnWidthPx(int column) const { return isColumnHidden(column) ? 0 : columnWidth(column); }

QTreeWidgetItem* ReportList::itemAt(int row) const {
  if (row < 0 || row >= count()) throw std::out_of_range("no list row " + std::to_string(row));
  return topLevelItem(row);
}

int ReportList::addRow(const QString& key, const QString& text) {
  if (!key.isEmpty() && rowOfKey(key) >= 0) {
    throw std::invalid_argument("list key in use: " + key.toStdString());
  }
  auto* item = new QTreeWidgetItem;
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setData(0, kKeyRole, key);
  item->setText(0, text);
  addTopLevelItem(item);
  return count() - 1;
}

int ReportList::rowOfKey(const QString& key) const {
  for (int i = 0; i < count(); ++i) {
    if (topLevelItem(i)->data(0, kKeyRole).toString() == key) return i;
  }
  return -1;
}

QString ReportList::key(int row) const { return itemAt(row)->data(0, kKeyRole).toString(); }
QString ReportList::text(int row) const { return itemAt(row)->text(0); }
void ReportList::setText(int row, const QString& text) { itemAt(row)->setText(0, text); }

QString ReportList::subItem(int row, int n) const { return itemAt(row)->text(n); }

void ReportList::setSubItem(int row, int n, const QString& text) {
  if (n < 1 || n >= columnCount()) throw std::out_of_range("no sub-item " + std::to_string(n));
  itemAt(row)->setText(n, text);
}

QVariant ReportList::rowData(int row) const { return itemAt(row)->data(0, kDataRole); }
void ReportList::setRowData(int row, const QVariant& data) { itemAt(row)->setData(0, kDataRole, data); }

int ReportList::selectedRow() const {
  const QList<QTreeWidgetItem*> items = selectedItems();
  return items.isEmpty() ? -1 : indexOfTopLevelItem(items.first());
}

void ReportList::selectRow(int row) {
  if (row < 0) {
    clearSelection();
    return;
  }
  QTreeWidgetItem* item = itemAt(row);
  setCurrentItem(item);
  clearSelection();
  item->setSelected(true);
  scrollToItem(item);
}

void ReportList::removeRow(int row) {
  itemAt(row);  // range check
  const bool wasSelected = selectedRow() == row;
  delete takeTopLevelItem(row);
  if (wasSelected) clearSelection();
}

void ReportList::clearRows() { clear(); }

void ReportList::mousePressEvent(QMouseEvent* e) {
  // A press beside the rows keeps the selection: the chosen row stays chosen.
  if (!QTreeWidget::itemAt(e->position().toPoint())) {
    e->accept();
    return;
  }
  chosenBeforePress_ = selectedRow();
  pressedRow_ = indexOfTopLevelItem(QTreeWidget::itemAt(e->position().toPoint()));
  QTreeWidget::mousePressEvent(e);
}

void ReportList::mouseReleaseEvent(QMouseEvent* e) {
  const int pressed = pressedRow_;
  pressedRow_ = -1;
  auto* under = QTreeWidget::itemAt(e->position().toPoint());
  QTreeWidget::mouseReleaseEvent(e);
  // Released elsewhere: the press chose its row, as a press does, and says so.
  if (pressed >= 0 && pressed < count() && (!under || indexOfTopLevelItem(under) != pressed)) {
    if (selectedRow() != pressed) selectRow(pressed);
    if (pressed != chosenBeforePress_) emit itemClick(pressed);
  }
}

void ReportList::mouseMoveEvent(QMouseEvent* e) {
  // Dragging over the rows would move the selection without a click.
  if (e->buttons() != Qt::NoButton) {
    e->accept();
    return;
  }
  QTreeWidget::mouseMoveEvent(e);
}

void ReportList::keyPressEvent(QKeyEvent* e) {
  const int before = selectedRow();
  QTreeWidget::keyPressEvent(e);
  const int after = selectedRow();
  if (after < 0 && before >= 0) {
    selectRow(before);  // keys may move the choice, never drop it
  } else if (after != before && after >= 0) {
    emit itemClick(after);
  }
}

}  // namespace toolkit
