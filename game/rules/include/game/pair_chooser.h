// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Choosing the next pair to show: a uniform draw among the candidates, leaving out any
// pair whose pictures cannot be shown (a file missing, still "(none)", or not a picture)
// and drawing again among the rest.
#include <QImage>
#include <QString>
#include <functional>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "game/game_random.h"
#include "picture_db/records.h"

namespace game {

struct ShowablePair {
  picture_db::PictureRecord record;
  QImage original;
  QImage copy;
};

struct PairSource {
  // The FOTO row of a candidate, or nothing when it has gone.
  std::function<std::optional<picture_db::PictureRecord>(picture_db::PairId)> record;
  // A picture file of the Images folder, or a null image when it cannot be read.
  std::function<QImage(const std::string& fileName)> picture;
};

// Nothing when no candidate can be shown.
std::optional<ShowablePair> chooseShowablePair(std::vector<picture_db::PairId> candidates, GameRandom& random,
                                               const PairSource& source);

// Where the candidates come from, for a draw that need not list them all.
struct CandidateSource {
  // The lowest and highest row numbers of the pairs' table; nothing when it is empty.
  std::function<std::optional<std::pair<std::int64_t, std::int64_t>>()> rowRange;
  // The candidate at a row number, if that row holds one.
  std::function<std::optional<picture_db::PairId>(std::int64_t row)> candidateAtRow;
  // Every candidate.
  std::function<std::vector<picture_db::PairId>()> all;
};

// The same uniform choice as chooseShowablePair over source.all(), found with a few draws
// of a row number when the candidates fill their table well (as at every start), so a
// large database starts as quickly as a small one; otherwise it lists them.
std::optional<ShowablePair> drawShowablePair(const CandidateSource& candidates, GameRandom& random,
                                             const PairSource& source);

}  // namespace game
