// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/report_list.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <stdexcept>
#include <vector>

namespace toolkit {

// The rows of a ReportList: texts by column, a key and the caller's data.
class ReportListModel : public QAbstractTableModel {
 public:
  struct Entry {
    QString key;
    QStringList texts;
    QVariant data;
  };

  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(headers.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return QVariant();
    const Entry& row = rows[static_cast<size_t>(index.row())];
    if (role == ReportListRole::Key) return row.key;
    if (role == ReportListRole::RowData) return row.data;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return QVariant();
    return row.texts.value(index.column());
  }
  QVariant headerData(int section, Qt::Orientation o, int role) const override {
    if (o != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    return headers.value(section);
  }
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  }

  void addColumn(const QString& header) {
    const int n = static_cast<int>(headers.size());
    beginInsertColumns(QModelIndex(), n, n);
    headers << header;
    endInsertColumns();
  }
  // The keys are entered by the caller, which checks them.
  void append(QList<ReportList::Row>& more) {
    if (more.isEmpty()) return;
    const int first = static_cast<int>(rows.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(more.size()) - 1);
    if (more.size() > 1) rows.reserve(rows.size() + static_cast<size_t>(more.size()));
    for (ReportList::Row& r : more) {
      if (r.texts.isEmpty()) r.texts << QString();
      rows.push_back({std::move(r.key), std::move(r.texts), QVariant()});
    }
    endInsertRows();
  }
  void remove(int row) {
    beginRemoveRows(QModelIndex(), row, row);
    keys.remove(rows[static_cast<size_t>(row)].key);
    rows.erase(rows.begin() + row);
    endRemoveRows();
  }
  void clearAll() {
    beginResetModel();
    rows.clear();
    keys.clear();
    endResetModel();
  }
  void setCell(int row, int column, const QString& text) {
    QStringList& t = rows[static_cast<size_t>(row)].texts;
    while (t.size() <= column) t << QString();
    t[column] = text;
    emit dataChanged(index(row, column), index(row, column));
  }

  QStringList headers;
  std::vector<Entry> rows;
  QSet<QString> keys;
};

ReportList::ReportList(QWidget* parent) : SingleChoiceView<QTreeView>(parent), model_(new ReportListModel(this)) {
  setModel(model_);
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
  model_->clearAll();
  setModel(model);
}

ReportListModel& ReportList::ownRows() const {
  if (model() != model_) throw std::logic_error("this list shows a model of the caller's");
  return *model_;
}

void ReportList::addColumn(const QString& header, int widthPx) {
  const int col = columnCount();
  ownRows().addColumn(header);
  setColumnWidthPx(col, widthPx);
}

void ReportList::setColumnWidthPx(int column, int widthPx) {
  if (widthPx <= 0) {
    setColumnHidden(column, true);
  } else {
    setColumnHidden(column, false);
    setColumnWidth(column, widthPx);
  }
}

int ReportList::columnCount() const { return model()->columnCount(); }
QString ReportList::headerText(int column) const { return model()->headerData(column, Qt::Horizontal).toString(); }
int ReportList::columnWidthPx(int column) const { return isColumnHidden(column) ? 0 : columnWidth(column); }
int ReportList::count() const { return model()->rowCount(); }

namespace {
void checkRow(int row, int count) {
  if (row < 0 || row >= count) throw std::out_of_range("no list row " + std::to_string(row));
}
}  // namespace

int ReportList::addRow(const QString& key, const QString& text) {
  addRows({Row{key, {text}}});
  return lastRow();
}

void ReportList::addRows(QList<Row> rows) {
  ReportListModel& own = ownRows();
  // Keys first, so that a used one leaves the list as it was.
  QSet<QString>& keys = own.keys;
  keys.reserve(keys.size() + rows.size());
  for (qsizetype i = 0; i < rows.size(); ++i) {
    const QString& key = rows[i].key;
    if (key.isEmpty()) continue;
    if (keys.contains(key)) {
      for (qsizetype j = 0; j < i; ++j) keys.remove(rows[j].key);
      throw std::invalid_argument("list key in use: " + key.toStdString());
    }
    keys.insert(key);
  }
  own.append(rows);
}

int ReportList::rowOfKey(const QString& key) const {
  if (key.isEmpty()) return -1;
  if (model() == model_ && !model_->keys.contains(key)) return -1;
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
void ReportList::setText(int row, const QString& text) {
  checkRow(row, count());
  ownRows().setCell(row, 0, text);
}

QString ReportList::subItem(int row, int n) const {
  checkRow(row, count());
  return model()->index(row, n).data().toString();
}

void ReportList::setSubItem(int row, int n, const QString& text) {
  checkRow(row, count());
  if (n < 1 || n >= columnCount()) throw std::out_of_range("no sub-item " + std::to_string(n));
  ownRows().setCell(row, n, text);
}

QVariant ReportList::rowData(int row) const {
  checkRow(row, count());
  return model()->index(row, 0).data(ReportListRole::RowData);
}

void ReportList::setRowData(int row, const QVariant& data) {
  checkRow(row, count());
  ownRows().rows[static_cast<size_t>(row)].data = data;
}

int ReportList::selectedRow() const {
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

void ReportList::removeRow(int row) {
  checkRow(row, count());
  const bool wasSelected = selectedRow() == row;
  ownRows().remove(row);
  if (wasSelected) selectionModel()->clearSelection();
}

void ReportList::clearRows() { ownRows().clearAll(); }

QRect ReportList::rowRect(int row) const {
  checkRow(row, count());
  return visualRect(model()->index(row, 0));
}

int ReportList::rowAtPoint(const QPoint& viewportPos) const {
  const QModelIndex index = indexAt(viewportPos);
  return index.isValid() ? index.row() : -1;
}

}  // namespace toolkit
