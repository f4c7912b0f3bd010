// SPDX-License-Identifier: GPL-2.0-or-later
// The difference list's rectangles. Each row carries the rowid of its table row, so that
// two rows with the same edges are changed one at a time.
#include "editor/editor_messages.h"
#include "editor/pair_editor.h"
#include "picture_db/editor_queries.h"

namespace editor {

void PairEditor::showDifferencesOf(picture_db::PairId pair) {
  differences_.clear();
  if (!db_) return;
  differences_.setDifferences(picture_db::pairDifferences(*db_, pair));
}

int PairEditor::addDifference(picture_db::PairId pair) {
  if (!canAddDifference()) throw EditRefused(msg::kDifferencesFull);
  picture_db::DifferenceRect added;
  added.rowid = picture_db::addEmptyDifference(database(), pair);
  added.x1 = added.y1 = added.x2 = added.y2 = 0.0;
  added.found = "N";
  return differences_.append(added);
}

void PairEditor::moveDifference(picture_db::PairId pair, int row, const std::array<int, 4>& e) {
  const std::int64_t rowid = differences_.difference(row).rowid;
  if (picture_db::moveDifference(database(), pair, rowid, e[0], e[1], e[2], e[3]) == 0) {
    throw EditRefused(msg::kDifferenceGone);
  }
  differences_.setEdges(row, {double(e[0]), double(e[1]), double(e[2]), double(e[3])});
}

void PairEditor::deleteDifference(picture_db::PairId pair, int row) {
  picture_db::deleteDifference(database(), pair, differences_.difference(row).rowid);
  differences_.remove(row);
}

void PairEditor::storeProposedDifferences(picture_db::PairId pair, const std::vector<picture_db::ProposedRect>& rects) {
  picture_db::storeProposedRects(database(), pair, rects);
}

}  // namespace editor
