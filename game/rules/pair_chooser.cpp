// SPDX-License-Identifier: GPL-2.0-or-later
#include "game/pair_chooser.h"

namespace game {

std::optional<ShowablePair> chooseShowablePair(std::vector<picture_db::PairId> candidates, GameRandom& random,
                                               const PairSource& source) {
  while (!candidates.empty()) {
    const std::size_t index = random.pickIndex(candidates.size());
    const picture_db::PairId id = candidates[index];
    candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(index));
    auto record = source.record(id);
    if (!record) continue;
    QImage original = source.picture(record->original);
    if (original.isNull()) continue;
    QImage copy = source.picture(record->copy);
    if (copy.isNull()) continue;
    return ShowablePair{std::move(*record), std::move(original), std::move(copy)};
  }
  return std::nullopt;
}

}  // namespace game
