// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Choosing the next pair to show: a uniform draw among the candidates, leaving out any
// pair whose pictures cannot be shown (a file missing, still "(none)", or not a picture)
// and drawing again among the rest.
#include <QImage>
#include <QString>
#include <functional>
#include <optional>
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

}  // namespace game
