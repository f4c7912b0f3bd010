#include "editor/difference_list_model.h"

#include "editor/difference_texts.h"

namespace editor {

void DifferenceListModel::setDifferences(std::vector<picture_db::DifferenceRect> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int DifferenceListModel::append(picture_db::DifferenceRect row) {
  const int at = rowCount();
  beginInsertRows(QModelIndex(), at, at);
  rows_.push_back(std::move(row));
  endInsertRows();
  return at;
}

void DifferenceListModel::remove(int row) {
  if (row < 0 || row >= rowCount()) return;
  beginRemoveRows(QModelIndex(), row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
}

Edges DifferenceListModel::edges(int row) const {
  const picture_db::DifferenceRect& d = difference(row);
  return {d.x1, d.y1, d.x2, d.y2};
}

void DifferenceListModel::setEdges(int row, const Edges& e) {
  picture_db::DifferenceRect& d = rows_.at(static_cast<std::size_t>(row));
  d.x1 = e[0];
  d.y1 = e[1];
  d.x2 = e[2];
  d.y2 = e[3];
  emit dataChanged(index(row, 0), index(row, 3));
}

int DifferenceListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DifferenceListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 4; }

QVariant DifferenceListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= 4) return QVariant();
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return QVariant();
  return edgeText(edges(index.row())[static_cast<std::size_t>(index.column())]);
}

QVariant DifferenceListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  static const char* const kAxes[4] = {"X1", "Y1", "X2", "Y2"};
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= 4) return QVariant();
  return QString::fromLatin1(kAxes[section]);
}

}  // namespace editor
