// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Rows of images.mdb as both programs see them.
#include <cstdint>
#include <optional>
#include <string>

namespace picture_db {

using PairId = std::int32_t;

// The file name of a pair side that has no picture assigned yet.
inline constexpr const char* kNoFile = "(none)";

struct PictureRecord {  // one FOTO row
  PairId id = 0;
  std::string original;  // ORIGINALE
  std::string copy;      // COPIA
};

// A rectangle in whole pixels of the copy: what a package carries and what is proposed
// for a pair. A stored row (DifferenceRect) may hold empty or fractional edges too.
struct Rectangle {
  std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const Rectangle& o) const { return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2; }
};

// One COORDINATE row. rowid names the row: two rows may hold the same edges.
struct DifferenceRect {
  std::int64_t rowid = 0;
  std::optional<double> x1, y1, x2, y2;  // null edges never match a click
  std::string found;                     // INDOVINATO: "N" or "S"
};

struct HallOfFameEntry {  // one HALL_OF_FAME row
  std::int64_t rowid = 0;
  std::optional<std::string> name;
  std::optional<double> score;
};

}  // namespace picture_db
