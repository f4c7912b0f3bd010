// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The rectangles of the difference list for the pair on screen. Each row holds its
// COORDINATE row (rowid and edges); the list shows the edges as X1, Y1, X2, Y2.
#include <array>
#include <optional>
#include <vector>

#include "editor/record_list_model.h"
#include "picture_db/records.h"

namespace editor {

// Four edges in the order X1, Y1, X2, Y2; an edge may be empty.
using Edges = std::array<std::optional<double>, 4>;

class DifferenceListModel : public RecordListModel<picture_db::DifferenceRect> {
 public:
  using RecordListModel::RecordListModel;

  void setDifferences(std::vector<picture_db::DifferenceRect> rows) { setRecords(std::move(rows)); }
  const picture_db::DifferenceRect& difference(int row) const { return record(row); }
  Edges edges(int row) const;
  void setEdges(int row, const Edges& edges);

  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
};

}  // namespace editor
