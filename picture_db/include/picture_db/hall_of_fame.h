// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The ten best scores, kept in HALL_OF_FAME.
#include <string>
#include <vector>

#include "picture_db/database.h"
#include "picture_db/records.h"

namespace picture_db {

inline constexpr std::size_t kHallOfFameSize = 10;

// All rows, best first: score descending, then name ascending.
std::vector<HallOfFameEntry> hallOfFame(Database& db);

// Whether a score enters: always while the table holds fewer than ten rows,
// otherwise only when strictly greater than the last row's score.
bool qualifiesForHallOfFame(const std::vector<HallOfFameEntry>& ranked, std::int64_t score);

// Inserts the entry and, when the table is full, deletes its last row, in one
// transaction: the table never loses or gains a row when either step fails.
void enterHallOfFame(Database& db, const std::string& name, std::int64_t score);

}  // namespace picture_db
