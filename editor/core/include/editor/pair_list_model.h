// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The pairs of the picture list. Each row holds its FOTO record; the list shows the
// copy's file name in its first column and the original's in its hidden second, under
// the key "I" + the pair's number. Nothing is ever read back from what the list shows.
#include <optional>
#include <string>
#include <vector>

#include "editor/record_list_model.h"
#include "picture_db/records.h"

namespace editor {

class PairListModel : public RecordListModel<picture_db::PictureRecord> {
 public:
  static constexpr int kCopyColumn = 0;
  static constexpr int kOriginalColumn = 1;

  using RecordListModel::RecordListModel;

  // Replaces every row. Two pairs with one number throw std::invalid_argument and leave
  // the list as it was.
  void setPairs(std::vector<picture_db::PictureRecord> pairs);
  // Appends a pair and returns its row; a number already listed throws std::invalid_argument.
  int append(picture_db::PictureRecord pair);

  const picture_db::PictureRecord& pair(int row) const { return record(row); }
  std::optional<int> rowOfPair(picture_db::PairId id) const;
  void setOriginal(int row, const std::string& name);
  void setCopy(int row, const std::string& name);

  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
};

}  // namespace editor
