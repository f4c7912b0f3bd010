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

// The difference's box grown by the margin, kept within a pixel of the picture.
Rect proposedRect(const Difference& d, QSize picture);

// One proposal per difference that no rectangle covers, largest first, as long as the
// pair stays within five rectangles counting those that already hold a difference. A
// stored rectangle that holds none is reused before a new one is added. A proposal never
// overlaps a rectangle that stays or another proposal: it gives up room on one side.
std::vector<Proposal> proposeRects(const PairReport& report);

}  // namespace pair_check
