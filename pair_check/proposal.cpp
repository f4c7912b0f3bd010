// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/proposal.h"

#include <algorithm>
#include <vector>

#include "pair_check/pair_checker.h"

namespace pair_check {

namespace {
bool overlap(const Rect& a, const Rect& b) {
  return std::max(a.x1, b.x1) < std::min(a.x2, b.x2) && std::max(a.y1, b.y1) < std::min(a.y2, b.y2);
}

// Pulls one side of r back to other's edge so that their insides no longer meet, while r
// still holds box strictly inside. Of the sides that allow it, the one that keeps most
// of r. False when no side does: other lies on the difference itself.
bool pullBack(Rect& r, const Rect& box, const Rect& other) {
  struct Option {
    Rect rect;
    double kept;
  };
  std::vector<Option> options;
  auto consider = [&](Rect candidate) {
    const bool holds = candidate.x1 < box.x1 && candidate.x2 > box.x2 && candidate.y1 < box.y1 && candidate.y2 > box.y2;
    if (holds && !overlap(candidate, other)) {
      options.push_back({candidate, (candidate.x2 - candidate.x1) * (candidate.y2 - candidate.y1)});
    }
  };
  consider(Rect{r.x1, r.y1, std::min(r.x2, other.x1), r.y2});
  consider(Rect{std::max(r.x1, other.x2), r.y1, r.x2, r.y2});
  consider(Rect{r.x1, r.y1, r.x2, std::min(r.y2, other.y1)});
  consider(Rect{r.x1, std::max(r.y1, other.y2), r.x2, r.y2});
  if (options.empty()) return false;
  r = std::max_element(options.begin(), options.end(), [](const Option& a, const Option& b) {
        return a.kept < b.kept;
      })->rect;
  return true;
}
}  // namespace

Rect proposedRect(const Difference& d, QSize picture) {
  // One pixel beyond the picture is allowed, so that its first and last rows and columns
  // are strictly inside.
  const double w = picture.width(), h = picture.height();
  return Rect{std::max(-1.0, d.box.x1 - kProposalMargin), std::max(-1.0, d.box.y1 - kProposalMargin),
              std::min(w, d.box.x2 + kProposalMargin), std::min(h, d.box.y2 + kProposalMargin)};
}

std::vector<Proposal> proposeRects(const PairReport& report) {
  std::vector<bool> holdsOne(report.rects.size(), false);
  for (const Difference& d : report.differences) {
    for (int r : d.coveredBy) holdsOne[size_t(r)] = true;
  }
  // The rectangles that stay: every one that holds a difference.
  std::vector<Rect> standing;
  std::vector<size_t> spare;
  for (size_t r = 0; r < report.rects.size(); ++r) {
    if (holdsOne[r]) {
      standing.push_back(report.rects[r]);
    } else {
      spare.push_back(r);
    }
  }
  int used = int(standing.size());
  std::vector<Proposal> proposals;
  size_t nextSpare = 0;
  for (size_t d = 0; d < report.differences.size() && used < kRectanglesPerPair; ++d) {
    const Difference& difference = report.differences[d];
    if (!difference.coveredBy.empty()) continue;
    Proposal p;
    if (nextSpare < spare.size()) p.replaces = spare[nextSpare++];
    p.rect = proposedRect(difference, report.size);
    for (const Rect& other : standing) {
      if (!other.isEmpty() && overlap(p.rect, other)) pullBack(p.rect, difference.box, other);
    }
    p.difference = d;
    standing.push_back(p.rect);
    proposals.push_back(p);
    ++used;
  }
  return proposals;
}

}  // namespace pair_check
