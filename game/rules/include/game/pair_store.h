// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a game reads and writes of the pairs and the hall of fame. The program's store is
// images.mdb (DatabasePairStore); tests play on one held in memory.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "picture_db/records.h"

namespace game {

class PairStore {
 public:
  virtual ~PairStore() = default;

  // Every rectangle of every pair becomes unfound.
  virtual void resetFoundMarks() = 0;
  // The pairs with at least one unfound rectangle, each once.
  virtual std::vector<picture_db::PairId> candidatePairIds() = 0;
  // The lowest and highest row numbers of the pairs, for a draw that need not list them
  // all; nothing when the store cannot tell, and the list is used.
  virtual std::optional<std::pair<std::int64_t, std::int64_t>> pairRowRange() = 0;
  // The candidate stored at that row number, if any.
  virtual std::optional<picture_db::PairId> candidateAtRow(std::int64_t row) = 0;
  // The pair's record, or nothing when it has gone.
  virtual std::optional<picture_db::PictureRecord> pictureRecord(picture_db::PairId id) = 0;
  // The pair's unfound rectangles in their stored order.
  virtual std::vector<picture_db::DifferenceRect> unfoundDifferences(picture_db::PairId id) = 0;
  // Marks one rectangle found, at once.
  virtual void markFound(std::int64_t rowid) = 0;

  // The entries, best first.
  virtual std::vector<picture_db::HallOfFameEntry> hallOfFame() = 0;
  // Adds an entry and, when the table is full, drops the last one: whole or not at all.
  virtual void enterHallOfFame(const std::string& name, std::int64_t score) = 0;
};

}  // namespace game
