// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_make/placement.h"

#include <algorithm>

namespace pair_make {

namespace {
// Empty space between the boxes: the larger of the horizontal and vertical gaps.
int distance(const QRect& a, const QRect& b) {
  const int dx = std::max({0, b.left() - a.right() - 1, a.left() - b.right() - 1});
  const int dy = std::max({0, b.top() - a.bottom() - 1, a.top() - b.bottom() - 1});
  if (a.intersects(b)) return -1;
  return std::max(dx, dy);
}

int quarterOf(const QRect& box, QSize frame) {
  const QPoint c = box.center();
  return (c.x() >= frame.width() / 2 ? 1 : 0) + (c.y() >= frame.height() / 2 ? 2 : 0);
}
}  // namespace

int gapBetween(const QRect& a, const QRect& b) {
  const int smaller = std::min(std::min(a.width(), a.height()), std::min(b.width(), b.height()));
  return std::max(kMinGap, smaller / 3 + 4);
}

bool placeAllowed(const QRect& box, const std::vector<QRect>& taken, QSize frame) {
  if (box.left() < kMinEdge || box.top() < kMinEdge || box.right() >= frame.width() - kMinEdge ||
      box.bottom() >= frame.height() - kMinEdge) {
    return false;
  }
  int sameQuarter = 0;
  for (const QRect& other : taken) {
    if (distance(box, other) < gapBetween(box, other)) return false;
    if (quarterOf(other, frame) == quarterOf(box, frame)) ++sameQuarter;
  }
  return sameQuarter < kMostPerQuarter;
}

}  // namespace pair_make
