// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/pixel_difference.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace sample_maker {

namespace {

// Counts the patches of the mask (w x h), joining pixels up to two apart.
int patches(const std::vector<char>& mask, int w, int h) {
  std::vector<char> seen(mask.size(), 0);
  std::vector<int> stack;
  int count = 0;
  for (int start = 0; start < w * h; ++start) {
    if (!mask[start] || seen[start]) continue;
    ++count;
    seen[start] = 1;
    stack.push_back(start);
    while (!stack.empty()) {
      const int at = stack.back();
      stack.pop_back();
      const int x = at % w, y = at / w;
      for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          const int n = ny * w + nx;
          if (mask[n] && !seen[n]) {
            seen[n] = 1;
            stack.push_back(n);
          }
        }
      }
    }
  }
  return count;
}

}  // namespace

int channelGap(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

DifferenceShape measureDifference(const QImage& a, const QImage& b, const QRect& area) {
  DifferenceShape shape;
  const QRect inside = area.intersected(a.rect());
  if (inside.isEmpty()) return shape;
  const int w = inside.width(), h = inside.height();
  std::vector<int> gaps(static_cast<std::size_t>(w) * h, 0);
  for (int y = 0; y < h; ++y) {
    const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(inside.top() + y)) + inside.left();
    const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(inside.top() + y)) + inside.left();
    for (int x = 0; x < w; ++x) {
      const int gap = channelGap(rowA[x], rowB[x]);
      gaps[static_cast<std::size_t>(y) * w + x] = gap;
      if (gap > 0) shape.bounds |= QRect(inside.left() + x, inside.top() + y, 1, 1);
      if (gap >= kStrongGap) {
        shape.strongBounds |= QRect(inside.left() + x, inside.top() + y, 1, 1);
        ++shape.strongPixels;
      }
    }
  }
  shape.onePatch = !shape.bounds.isEmpty();
  // From the faintest difference a checker could count to one that any would.
  for (int tolerance : {6, 16, 30}) {
    std::vector<char> mask(gaps.size());
    std::transform(gaps.begin(), gaps.end(), mask.begin(), [&](int g) { return g > tolerance ? 1 : 0; });
    if (patches(mask, w, h) > 1) shape.onePatch = false;
  }
  return shape;
}

}  // namespace sample_maker
