// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Judging a click on the copy: which rectangle it falls in, and which found-marker
// records the next find.
#include <QRectF>
#include <array>
#include <optional>

#include "picture_db/records.h"

namespace game {

inline constexpr int kMarkerCount = 5;

// Strictly inside: a click on an edge misses, and a rectangle with an empty edge never
// hits.
bool clickHits(const picture_db::DifferenceRect& rect, double x, double y);

// Where a difference's circle goes: the rectangle itself (the circle takes its smaller
// side, centred). An empty edge counts as 0.
QRectF markerBox(const picture_db::DifferenceRect& rect);

// The five found-markers, filled from the left in the order of finding.
class FoundMarkers {
 public:
  std::optional<int> lowestFree() const;
  void use(int slot) { used_.at(slot) = true; }
  bool isUsed(int slot) const { return used_.at(slot); }
  int usedCount() const;
  void reset() { used_.fill(false); }

 private:
  std::array<bool, kMarkerCount> used_{};
};

}  // namespace game
