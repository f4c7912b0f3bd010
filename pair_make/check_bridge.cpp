// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_make/check_bridge.h"

#include <algorithm>
#include <set>

#include "pair_check/pair_checker.h"
#include "pair_check/proposal.h"

namespace pair_make {

namespace {
QRect boxOf(const pair_check::Rect& r) { return QRect(QPoint(int(r.x1), int(r.y1)), QPoint(int(r.x2), int(r.y2))); }

int nearest(const std::vector<QRect>& areas, const QRect& box) {
  int best = 0;
  double bestDistance = 1e18;
  for (size_t i = 0; i < areas.size(); ++i) {
    const QPointF d = QPointF(areas[i].center()) - QPointF(box.center());
    const double distance = d.x() * d.x() + d.y() * d.y();
    if (distance < bestDistance) best = int(i), bestDistance = distance;
  }
  return best;
}
}  // namespace

CheckedChanges checkMadeChanges(const QImage& original, const QImage& copy, const std::vector<QRect>& areas,
                                const std::vector<QRect>& seen) {
  CheckedChanges result;
  result.rects.resize(areas.size());
  const toolkit::LoadedPicture a{original, {}}, b{copy, {}};
  const pair_check::PairReport found = pair_check::checkPair(a, b, {});
  std::set<int> misfits;
  std::vector<int> changeOf(found.differences.size(), -1), differencesOf(areas.size(), 0);
  for (size_t d = 0; d < found.differences.size(); ++d) {
    const QRect box = boxOf(found.differences[d].box);
    std::vector<int> touching;
    for (size_t c = 0; c < areas.size(); ++c) {
      if (areas[c].adjusted(-3, -3, 3, 3).intersects(box)) touching.push_back(int(c));
    }
    if (touching.size() == 1) {
      changeOf[d] = touching.front();
      ++differencesOf[size_t(touching.front())];
    } else if (touching.empty()) {
      // A difference of no change: the nearest change's edit spilled, or the encoder did.
      misfits.insert(nearest(areas, box));
    } else {
      misfits.insert(touching.begin(), touching.end());
    }
  }
  for (size_t c = 0; c < areas.size(); ++c) {
    if (differencesOf[c] != 1) misfits.insert(int(c));
  }
  if (misfits.empty()) {
    std::vector<pair_check::Rect> stored(areas.size());
    for (const pair_check::Proposal& p : pair_check::proposeRects(found)) {
      stored[size_t(changeOf[p.difference])] = p.rect;
    }
    // The rectangles as they will be stored must pass the same check vobrel-check runs.
    const pair_check::PairReport again = pair_check::checkPair(a, b, stored);
    for (const pair_check::Problem& problem : again.problems) {
      for (size_t c = 0; c < stored.size(); ++c) {
        if ((problem.rect && (*problem.rect == stored[c] || boxOf(*problem.rect).intersects(areas[c]))) ||
            (problem.other && *problem.other == stored[c])) {
          misfits.insert(int(c));
        }
      }
      if (!problem.rect) misfits.insert(0);
    }
    // A click at the middle of what changed must find it.
    for (size_t c = 0; c < stored.size(); ++c) {
      const QPointF centre = QRectF(seen[c]).center();
      const pair_check::Rect& r = stored[c];
      if (!(r.x1 < centre.x() && centre.x() < r.x2 && r.y1 < centre.y() && centre.y() < r.y2)) misfits.insert(int(c));
    }
    result.rects = stored;
  }
  result.misfits.assign(misfits.begin(), misfits.end());
  return result;
}

}  // namespace pair_make
