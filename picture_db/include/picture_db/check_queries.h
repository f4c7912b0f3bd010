// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Statements of the pair check: every pair with its rectangles, and storing the
// rectangles the pictures propose for one pair.
#include <cstdint>
#include <optional>
#include <vector>

#include "picture_db/database.h"
#include "picture_db/records.h"

namespace picture_db {

struct PairWithDifferences {
  PictureRecord pair;
  std::vector<DifferenceRect> rects;  // in natural row order
};

// Every FOTO row in the order the picture list shows them, each with its rectangles.
std::vector<PairWithDifferences> allPairsWithDifferences(Database& db);

// One pair with its rectangles, or nothing when no FOTO row has that number.
std::optional<PairWithDifferences> pairWithDifferences(Database& db, PairId id);

// A rectangle to store: the edges of an existing row (replaces holds its rowid) or of a
// new row.
struct ProposedRect {
  std::optional<std::int64_t> replaces;
  Rectangle edges;
};

// Stores the rectangles in one transaction, through the statements of the difference
// list: a new row is added empty and then given its edges. A replaced row that is no
// longer there fails the whole transaction with DbError. Returns the rowids written,
// one per proposal, in order.
std::vector<std::int64_t> storeProposedRects(Database& db, PairId id, const std::vector<ProposedRect>& rects);

}  // namespace picture_db
