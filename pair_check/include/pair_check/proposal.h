// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The rectangles the pictures propose for the differences that have none.
#include <QSize>
#include <cstddef>
#include <optional>
#include <vector>

#include "pair_check/pair_report.h"

namespace pair_check {

// Room left around a changed object, so that a click on its outermost pixels still
// lands strictly inside.
inline constexpr int kProposalMargin = 4;

struct Proposal {
  std::optional<size_t> replaces;  // index of the stored rectangle it takes the place of
  Rect rect;
  size_t difference = 0;  // index into the report's differences
};

// The difference's box grown by the margin, kept within the picture.
Rect proposedRect(const Difference& d, QSize picture);

// One proposal per difference without a rectangle of its own, largest first, as long as
// the pair stays within five rectangles counting those that already stand for a
// difference. A stored rectangle that stands for none is reused before a new one is added.
std::vector<Proposal> proposeRects(const PairReport& report);

}  // namespace pair_check
