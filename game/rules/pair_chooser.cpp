// SPDX-License-Identifier: GPL-2.0-or-later
#include "game/pair_chooser.h"

#include <set>

namespace game {

namespace {
// Draws of a row number before the candidates are listed instead.
constexpr int kQuickDraws = 8;

std::optional<ShowablePair> showable(picture_db::PairId id, const PairSource& source) {
  auto record = source.record(id);
  if (!record) return std::nullopt;
  QImage original = source.picture(record->original);
  if (original.isNull()) return std::nullopt;
  QImage copy = source.picture(record->copy);
  if (copy.isNull()) return std::nullopt;
  return ShowablePair{std::move(*record), std::move(original), std::move(copy)};
}
}  // namespace

std::optional<ShowablePair> chooseShowablePair(std::vector<picture_db::PairId> candidates, GameRandom& random,
                                               const PairSource& source) {
  while (!candidates.empty()) {
    const std::size_t index = random.pickIndex(candidates.size());
    const picture_db::PairId id = candidates[index];
    candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(index));
    if (auto pair = showable(id, source)) return pair;
  }
  return std::nullopt;
}

std::optional<ShowablePair> drawShowablePair(const CandidateSource& candidates, GameRandom& random,
                                             const PairSource& source) {
  // A row number drawn uniformly that holds a candidate not yet left out is a uniform
  // draw among those candidates; after a few misses the list gives the same chances.
  std::set<picture_db::PairId> leftOut;
  if (const auto range = candidates.rowRange()) {
    const auto span = static_cast<std::size_t>(range->second - range->first) + 1;
    for (int draw = 0; draw < kQuickDraws; ++draw) {
      const auto row = range->first + static_cast<std::int64_t>(random.pickIndex(span));
      const auto id = candidates.candidateAtRow(row);
      if (!id || leftOut.count(*id)) continue;
      if (auto pair = showable(*id, source)) return pair;
      leftOut.insert(*id);
    }
  }
  std::vector<picture_db::PairId> rest;
  for (picture_db::PairId id : candidates.all()) {
    if (!leftOut.count(id)) rest.push_back(id);
  }
  return chooseShowablePair(std::move(rest), random, source);
}

}  // namespace game
