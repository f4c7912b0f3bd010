// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/difference_list_model.h"

#include "editor/difference_texts.h"

namespace editor {

Edges DifferenceListModel::edges(int row) const {
  const picture_db::DifferenceRect& d = difference(row);
  return {d.x1, d.y1, d.x2, d.y2};
}

void DifferenceListModel::setEdges(int row, const Edges& e) {
  change(row, 0, 3, [&](picture_db::DifferenceRect& d) {
    d.x1 = e[0];
    d.y1 = e[1];
    d.x2 = e[2];
    d.y2 = e[3];
  });
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
