// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A list's rows as records of the caller's type: what the picture list and the
// difference list have in common. The derived model says how a record shows.
#include <QAbstractTableModel>
#include <vector>

namespace editor {

template <typename Record>
class RecordListModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  const Record& record(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
  const std::vector<Record>& records() const { return rows_; }

  void setRecords(std::vector<Record> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
  }

  // Appends a record and returns its row.
  int append(Record row) {
    const int at = rowCount();
    beginInsertRows(QModelIndex(), at, at);
    rows_.push_back(std::move(row));
    endInsertRows();
    return at;
  }

  void remove(int row) {
    if (row < 0 || row >= rowCount()) return;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
  }

  void clear() { setRecords({}); }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  // A flat list: the view need not ask each row for children when it lays out thousands.
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    return QAbstractTableModel::flags(index) | (index.isValid() ? Qt::ItemNeverHasChildren : Qt::NoItemFlags);
  }

 protected:
  // Changes a record in place and says which columns now show something else.
  template <typename Change>
  void change(int row, int firstColumn, int lastColumn, Change change) {
    change(rows_.at(static_cast<std::size_t>(row)));
    emit dataChanged(index(row, firstColumn), index(row, lastColumn));
  }

 private:
  std::vector<Record> rows_;
};

}  // namespace editor
