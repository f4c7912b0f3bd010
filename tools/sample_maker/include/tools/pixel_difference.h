// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where two paintings of a scene differ, measured the way a player's eye and the pair
// checker see it: the bounds of every differing pixel, how strong the difference is,
// and whether it forms one patch rather than several.
#include <QImage>
#include <QRect>

namespace sample_maker {

// A channel step that stays plain after lossy compression.
inline constexpr int kStrongGap = 40;

struct DifferenceShape {
  QRect bounds;        // every pixel that differs at all; empty when none does
  QRect strongBounds;  // the pixels that differ by at least kStrongGap in a channel
  int strongPixels = 0;
  // At every tolerance the differing pixels make one patch, gaps of two pixels joined,
  // and blurredOnePatch holds.
  bool onePatch = false;
};

// Compares a and b (same size, 32-bit) inside area.
DifferenceShape measureDifference(const QImage& a, const QImage& b, const QRect& area);

// Whether the pixels that still differ plainly once both pictures are slightly blurred,
// as a pair checker looks at lossy pictures, make one patch of touching pixels: a thin
// stroke fades away there and may split a change in two.
bool blurredOnePatch(const QImage& a, const QImage& b, const QRect& area);

// The largest channel step between two colours.
int channelGap(QRgb a, QRgb b);

}  // namespace sample_maker
