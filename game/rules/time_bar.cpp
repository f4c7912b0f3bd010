// SPDX-License-Identifier: GPL-2.0-or-later
#include "game/time_bar.h"

#include <cmath>

namespace game {

int TimeBar::pixelWidth() const { return static_cast<int>(std::lround(width_ / kTwipsPerPixel)); }

bool TimeBar::deduct(int steps) {
  const double d = steps * step();
  if (width_ - d < 0) return false;
  width_ -= d;
  applyColourRule();
  return true;
}

void TimeBar::applyColourRule() {
  // An empty bar shows no colour at all, so there is nothing to decide.
  if (width_ <= 0) return;
  const float ratio = static_cast<float>(full_ / width_);
  if (ratio > 4.0f) {
    colour_ = BarColour::Red;
  } else if (ratio > 2.0f) {
    colour_ = BarColour::Green;
  }
}

void TimeBar::refill() {
  width_ = full_;
  colour_ = BarColour::Blue;
}

int TimeBar::bonus() const { return static_cast<int>(std::floor(width_ / kStepsPerBar)); }

}  // namespace game
