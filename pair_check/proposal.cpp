// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/proposal.h"

#include <algorithm>

#include "pair_check/pair_checker.h"

namespace pair_check {

Rect proposedRect(const Difference& d, QSize picture) {
  const double w = picture.width(), h = picture.height();
  return Rect{std::max(0.0, d.box.x1 - kProposalMargin), std::max(0.0, d.box.y1 - kProposalMargin),
              std::min(w, d.box.x2 + kProposalMargin), std::min(h, d.box.y2 + kProposalMargin)};
}

std::vector<Proposal> proposeRects(const PairReport& report) {
  std::vector<bool> standsForOne(report.rects.size(), false);
  int sound = 0;
  for (const Difference& d : report.differences) {
    if (d.matched >= 0) {
      standsForOne[size_t(d.matched)] = true;
      ++sound;
    }
  }
  std::vector<size_t> spare;
  for (size_t r = 0; r < report.rects.size(); ++r) {
    if (!standsForOne[r]) spare.push_back(r);
  }
  std::vector<Proposal> proposals;
  size_t nextSpare = 0;
  for (size_t d = 0; d < report.differences.size() && sound < kRectanglesPerPair; ++d) {
    if (report.differences[d].matched >= 0) continue;
    Proposal p;
    if (nextSpare < spare.size()) p.replaces = spare[nextSpare++];
    p.rect = proposedRect(report.differences[d], report.size);
    p.difference = d;
    proposals.push_back(p);
    ++sound;
  }
  return proposals;
}

}  // namespace pair_check
