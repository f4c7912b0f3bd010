// SPDX-License-Identifier: GPL-2.0-or-later
#include "game/game_random.h"

#include <algorithm>
#include <cmath>

namespace game {

double GameRandom::nextReal() {
  // The distribution may round up to exactly 1 on rare draws; the range is half-open.
  const double r = unit_(engine_);
  return r < 1.0 ? r : std::nextafter(1.0, 0.0);
}

std::size_t GameRandom::pickIndex(std::size_t n) {
  const auto index = static_cast<std::size_t>(std::floor(nextReal() * static_cast<double>(n)));
  return std::min(index, n - 1);
}

int GameRandom::colourComponent() { return static_cast<int>(std::floor(nextReal() * 255.0)); }

}  // namespace game
