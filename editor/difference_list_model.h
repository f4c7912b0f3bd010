#pragma once
// The rectangles of the difference list for the pair on screen. Each row holds its
// COORDINATE row (rowid and edges); the list shows the edges as X1, Y1, X2, Y2.
#include <QAbstractTableModel>
#include <array>
#include <optional>
#include <vector>

#include "picture_db/records.h"

namespace editor {

// Four edges in the order X1, Y1, X2, Y2; an edge may be empty.
using Edges = std::array<std::optional<double>, 4>;

class DifferenceListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void setDifferences(std::vector<picture_db::DifferenceRect> rows);
  // Appends a row and returns its position.
  int append(picture_db::DifferenceRect row);
  void remove(int row);
  void clear() { setDifferences({}); }

  const picture_db::DifferenceRect& difference(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
  Edges edges(int row) const;
  void setEdges(int row, const Edges& edges);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<picture_db::DifferenceRect> rows_;
};

}  // namespace editor
