// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/report_list.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <stdexcept>

namespace toolkit {

ReportList::ReportList(QWidget* parent) : SingleChoiceView<QTreeView>(parent) {
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
  connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) rowClicked(index.row());
  });
}

ReportList::~ReportList() = default;

void ReportList::showModel(QAbstractItemModel* model) {
  // A removed chosen row leaves no row chosen; the view alone would choose a neighbour.
  // Heard before the view hears it, while the choice is still the user's.
  connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this](const QModelIndex&, int first, int last) {
    const int chosen = selectedRow();
    dropChoice_ = chosen >= first && chosen <= last;
  });
  connect(model, &QAbstractItemModel::rowsRemoved, this, [this] {
    if (dropChoice_) selectionModel()->clearSelection();
    dropChoice_ = false;
  });
  setModel(model);
}

void ReportList::setColumnWidthPx(int column, int widthPx) {
  if (widthPx <= 0) {
    setColumnHidden(column, true);
  } else {
    setColumnHidden(column, false);
    setColumnWidth(column, widthPx);
  }
}

int ReportList::columnCount() const { return model() ? model()->columnCount() : 0; }
QString ReportList::headerText(int column) const { return model()->headerData(column, Qt::Horizontal).toString(); }
int ReportList::columnWidthPx(int column) const { return isColumnHidden(column) ? 0 : columnWidth(column); }
int ReportList::count() const { return model() ? model()->rowCount() : 0; }

namespace {
void checkRow(int row, int count) {
  if (row < 0 || row >= count) throw std::out_of_range("no list row " + std::to_string(row));
}
}  // namespace

int ReportList::rowOfKey(const QString& key) const {
  if (key.isEmpty()) return -1;
  for (int i = 0; i < count(); ++i) {
    if (this->key(i) == key) return i;
  }
  return -1;
}

QString ReportList::key(int row) const {
  checkRow(row, count());
  return model()->index(row, 0).data(ReportListRole::Key).toString();
}

QString ReportList::text(int row) const { return subItem(row, 0); }

QString ReportList::subItem(int row, int n) const {
  checkRow(row, count());
  return model()->index(row, n).data().toString();
}

QVariant ReportList::rowData(int row) const {
  checkRow(row, count());
  return model()->index(row, 0).data(ReportListRole::RowData);
}

int ReportList::selectedRow() const {
  if (!selectionModel()) return -1;
  const QModelIndexList s = selectionModel()->selectedIndexes();
  return s.isEmpty() ? -1 : s.first().row();
}

void ReportList::selectRow(int row) {
  if (row < 0) {
    selectionModel()->clearSelection();
    return;
  }
  checkRow(row, count());
  const QModelIndex index = model()->index(row, 0);
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(index);
}

QRect ReportList::rowRect(int row) const {
  checkRow(row, count());
  return visualRect(model()->index(row, 0));
}

int ReportList::rowAtPoint(const QPoint& viewportPos) const {
  const QModelIndex index = indexAt(viewportPos);
  return index.isValid() ? index.row() : -1;
}

}  // namespace toolkit
