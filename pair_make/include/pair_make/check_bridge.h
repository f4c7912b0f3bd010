// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the pair check says of a made pair: the one place that calls it, so that the
// check can change without the maker changing.
#include <QImage>
#include <QRect>
#include <vector>

#include "pair_check/pair_report.h"

namespace pair_make {

struct CheckedChanges {
  std::vector<pair_check::Rect> rects;  // per change, the check's proposal (valid when sound)
  std::vector<int> misfits;             // changes that are not exactly one difference of their own
  bool sound() const { return misfits.empty(); }
};

// Both pictures decoded from the saved bytes; areas are the changed objects' boxes, seen
// the boxes of what visibly changed, whose centre a click must find.
CheckedChanges checkMadeChanges(const QImage& original, const QImage& copy, const std::vector<QRect>& areas,
                                const std::vector<QRect>& seen);

}  // namespace pair_make
