// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Statements the game runs on images.mdb while pairs are played.
#include <vector>

#include "picture_db/database.h"
#include "picture_db/records.h"

namespace picture_db {

// Every rectangle of every pair becomes unfound (start-up and restart).
void resetFoundMarks(Database& db);

// The pairs that still have at least one unfound rectangle, each once, in the
// order the engine returns them.
std::vector<PairId> candidatePairIds(Database& db);

// The FOTO row of one pair, or nothing when there is none.
std::optional<PictureRecord> pictureRecord(Database& db, PairId id);

// The pair's unfound rectangles in natural row order.
std::vector<DifferenceRect> unfoundDifferences(Database& db, PairId id);

// Marks one rectangle found, at once.
void markFound(Database& db, std::int64_t rowid);

}  // namespace picture_db
