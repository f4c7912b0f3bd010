// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where a change may lie beside the others: apart enough to be one difference each and
// to be told apart by a player, away from the edge, at most two in a quarter.
#include <QRect>
#include <QSize>
#include <vector>

namespace pair_make {

inline constexpr int kMinGap = 10;
inline constexpr int kMinEdge = 6;
inline constexpr int kMostPerQuarter = 2;

// The gap two changed objects keep: at least kMinGap, more for larger ones, so that the
// pair check never joins them into one difference.
int gapBetween(const QRect& a, const QRect& b);

// Whether a changed object in box keeps its distances to the taken ones and the edge.
bool placeAllowed(const QRect& box, const std::vector<QRect>& taken, QSize frame);

}  // namespace pair_make
