// SPDX-License-Identifier: GPL-2.0-or-later
#include "game/click_rules.h"

#include <algorithm>

namespace game {

bool clickHits(const picture_db::DifferenceRect& r, double x, double y) {
  if (!r.x1 || !r.y1 || !r.x2 || !r.y2) return false;
  return x > *r.x1 && x < *r.x2 && y > *r.y1 && y < *r.y2;
}

QRectF markerBox(const picture_db::DifferenceRect& r) {
  const double x1 = r.x1.value_or(0), y1 = r.y1.value_or(0);
  return QRectF(x1, y1, r.x2.value_or(0) - x1, r.y2.value_or(0) - y1).normalized();
}

std::optional<int> FoundMarkers::lowestFree() const {
  for (int i = 0; i < kMarkerCount; ++i)
    if (!used_[i]) return i;
  return std::nullopt;
}

int FoundMarkers::usedCount() const { return static_cast<int>(std::count(used_.begin(), used_.end(), true)); }

}  // namespace game
