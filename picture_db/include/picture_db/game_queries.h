// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Statements the game runs on images.mdb while pairs are played.
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "picture_db/database.h"
#include "picture_db/records.h"

namespace picture_db {

// Every rectangle of every pair becomes unfound (start-up and restart).
void resetFoundMarks(Database& db);

// The pairs that still have at least one unfound rectangle, each once, in the
// order the engine returns them.
std::vector<PairId> candidatePairIds(Database& db);

// The lowest and highest row numbers of FOTO, or nothing when it is empty: a draw
// over them finds a candidate without listing them all.
std::optional<std::pair<std::int64_t, std::int64_t>> pairRowRange(Database& db);

// The pair stored at that FOTO row number, when there is one and it is a candidate.
std::optional<PairId> candidateAtRow(Database& db, std::int64_t row);

// The FOTO row of one pair, or nothing when there is none.
std::optional<PictureRecord> pictureRecord(Database& db, PairId id);

// The pair's unfound rectangles in natural row order.
std::vector<DifferenceRect> unfoundDifferences(Database& db, PairId id);

// Marks one rectangle found, at once.
void markFound(Database& db, std::int64_t rowid);

}  // namespace picture_db
