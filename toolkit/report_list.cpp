#include "toolkit/report_list.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
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
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return QVariant();
    const Entry& row = rows[static_cast<size_t>(index.row())];
    if (index.column() == 0 && shownText) return shownText(row.key, row.texts.value(0));
    return row.texts.value(index.column());
  }
  ReportList::ShownText shownText;
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

ReportList::ReportList(QWidget* parent) : QTreeView(parent), model_(new ReportListModel(this)) {
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
    if (!index.isValid()) return;
    const int row = index.row();
    // A Ctrl-click can unselect in single selection; the clicked row is the chosen one.
    if (selectedRow() != row) selectRow(row);
    emit itemClick(row);
  });
}

ReportList::~ReportList() = default;

void ReportList::addColumn(const QString& header, int widthPx) {
  const int col = columnCount();
  model_->addColumn(header);
  if (widthPx <= 0) {
    setColumnHidden(col, true);
  } else {
    setColumnHidden(col, false);
    setColumnWidth(col, widthPx);
  }
}

int ReportList::columnCount() const { return model_->columnCount(); }
QString ReportList::headerText(int column) const { return model_->headers.value(column); }
int ReportList::columnWidthPx(int column) const { return isColumnHidden(column) ? 0 : columnWidth(column); }
int ReportList::count() const { return model_->rowCount(); }

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
  // Keys first, so that a used one leaves the list as it was.
  QSet<QString>& keys = model_->keys;
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
  model_->append(rows);
}

void ReportList::setShownText(ShownText rule) {
  model_->shownText = std::move(rule);
  viewport()->update();
}

int ReportList::rowOfKey(const QString& key) const {
  if (key.isEmpty() || !model_->keys.contains(key)) return -1;
  for (int i = 0; i < count(); ++i) {
    if (model_->rows[static_cast<size_t>(i)].key == key) return i;
  }
  return -1;
}

QString ReportList::key(int row) const {
  checkRow(row, count());
  return model_->rows[static_cast<size_t>(row)].key;
}

QString ReportList::text(int row) const { return subItem(row, 0); }
void ReportList::setText(int row, const QString& text) {
  checkRow(row, count());
  model_->setCell(row, 0, text);
}

QString ReportList::subItem(int row, int n) const {
  checkRow(row, count());
  return model_->rows[static_cast<size_t>(row)].texts.value(n);
}

void ReportList::setSubItem(int row, int n, const QString& text) {
  checkRow(row, count());
  if (n < 1 || n >= columnCount()) throw std::out_of_range("no sub-item " + std::to_string(n));
  model_->setCell(row, n, text);
}

QVariant ReportList::rowData(int row) const {
  checkRow(row, count());
  return model_->rows[static_cast<size_t>(row)].data;
}

void ReportList::setRowData(int row, const QVariant& data) {
  checkRow(row, count());
  model_->rows[static_cast<size_t>(row)].data = data;
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
  const QModelIndex index = model_->index(row, 0);
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(index);
}

void ReportList::removeRow(int row) {
  checkRow(row, count());
  const bool wasSelected = selectedRow() == row;
  model_->remove(row);
  if (wasSelected) selectionModel()->clearSelection();
}

void ReportList::clearRows() { model_->clearAll(); }

QRect ReportList::rowRect(int row) const {
  checkRow(row, count());
  return visualRect(model_->index(row, 0));
}

int ReportList::rowAt(const QPoint& viewportPos) const {
  const QModelIndex index = indexAt(viewportPos);
  return index.isValid() ? index.row() : -1;
}

void ReportList::mousePressEvent(QMouseEvent* e) {
  const int row = rowAt(e->position().toPoint());
  // A press beside the rows keeps the selection: the chosen row stays chosen.
  if (row < 0) {
    e->accept();
    return;
  }
  chosenBeforePress_ = selectedRow();
  pressedRow_ = row;
  QTreeView::mousePressEvent(e);
}

void ReportList::mouseReleaseEvent(QMouseEvent* e) {
  const int pressed = pressedRow_;
  pressedRow_ = -1;
  const int under = rowAt(e->position().toPoint());
  QTreeView::mouseReleaseEvent(e);
  // Released elsewhere: the press chose its row, as a press does, and says so.
  if (pressed >= 0 && pressed < count() && under != pressed) {
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
  QTreeView::mouseMoveEvent(e);
}

void ReportList::keyPressEvent(QKeyEvent* e) {
  const int before = selectedRow();
  QTreeView::keyPressEvent(e);
  const int after = selectedRow();
  if (after < 0 && before >= 0) {
    selectRow(before);  // keys may move the choice, never drop it
  } else if (after != before && after >= 0) {
    emit itemClick(after);
  }
}

}  // namespace toolkit
