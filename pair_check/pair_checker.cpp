// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/pair_checker.h"

#include <algorithm>

#include "pair_check/difference_finder.h"

namespace pair_check {

namespace {
// An edge may lie one pixel beyond the picture: the game's strict test then still
// counts a click on the picture's first or last row or column.
bool outside(const Rect& r, QSize size) {
  return r.x1 < -1 || r.y1 < -1 || r.x2 > size.width() || r.y2 > size.height();
}

// The open insides meet: a click there could be meant for either rectangle.
bool overlap(const Rect& a, const Rect& b) {
  return std::max(a.x1, b.x1) < std::min(a.x2, b.x2) && std::max(a.y1, b.y1) < std::min(a.y2, b.y2);
}

double area(const Rect& r) { return (r.x2 - r.x1) * (r.y2 - r.y1); }

// The checks that need no pixels.
void checkRectangles(PairReport& report) {
  const auto& rects = report.rects;
  if (int(rects.size()) != kRectanglesPerPair)
    report.problems.push_back({ProblemKind::NotFiveRectangles, {}, {}, {}, {}});
  for (const Rect& r : rects) {
    if (r.isEmpty()) {
      report.problems.push_back({ProblemKind::EmptyRectangle, r, {}, {}, {}});
    } else if (report.size.isValid() && outside(r, report.size)) {
      report.problems.push_back({ProblemKind::RectangleOutsidePicture, r, {}, {}, {}});
    }
  }
  for (size_t j = 0; j < rects.size(); ++j) {
    for (size_t i = 0; i < j; ++i) {
      if (!rects[i].isEmpty() && !rects[j].isEmpty() && overlap(rects[i], rects[j])) {
        report.problems.push_back({ProblemKind::RectanglesOverlap, rects[j], rects[i], {}, {}});
      }
    }
  }
}

void compareWithPixels(PairReport& report, const FoundDifferences& found) {
  report.differences = found.differences;
  auto& rects = report.rects;
  for (size_t d = 0; d < report.differences.size(); ++d) {
    Difference& difference = report.differences[d];
    for (size_t r = 0; r < rects.size(); ++r) {
      if (pixelsStrictlyInside(found, d, rects[r]) >= kCoverage * difference.pixels) {
        difference.coveredBy.push_back(int(r));
      }
    }
    // The smallest covering rectangle first: it is the likeliest to be meant for this one.
    std::stable_sort(difference.coveredBy.begin(), difference.coveredBy.end(),
                     [&](int a, int b) { return area(rects[size_t(a)]) < area(rects[size_t(b)]); });
  }
  // Any rectangle that holds a difference covers it, even one that holds another too.
  for (Difference& d : report.differences) d.matched = d.coveredBy.empty() ? -1 : d.coveredBy.front();
  for (size_t r = 0; r < rects.size(); ++r) {
    if (rects[r].isEmpty()) continue;
    const bool coversAny = std::any_of(report.differences.begin(), report.differences.end(), [&](const Difference& d) {
      return std::find(d.coveredBy.begin(), d.coveredBy.end(), int(r)) != d.coveredBy.end();
    });
    if (!coversAny) report.problems.push_back({ProblemKind::RectangleWithoutDifference, rects[r], {}, {}, {}});
  }
  for (const Difference& d : report.differences) {
    if (d.matched < 0) report.problems.push_back({ProblemKind::UncoveredDifference, d.box, {}, {}, {}});
  }
}
}  // namespace

PairReport checkPair(const PictureSide& original, const PictureSide& copy, const std::vector<Rect>& rects) {
  PairReport report;
  report.rects = rects;
  if (original.image.isNull()) {
    report.problems.push_back({ProblemKind::PictureUnreadable, {}, {}, Side::Original, original.error});
  }
  if (copy.image.isNull()) {
    report.problems.push_back({ProblemKind::PictureUnreadable, {}, {}, Side::Copy, copy.error});
  }
  if (!copy.image.isNull()) report.size = copy.image.size();
  if (!original.image.isNull()) report.originalSize = original.image.size();
  const bool bothRead = !original.image.isNull() && !copy.image.isNull();
  if (bothRead && original.image.size() != copy.image.size()) {
    report.problems.push_back({ProblemKind::SizesDiffer, {}, {}, {}, {}});
  }
  checkRectangles(report);
  if (bothRead && original.image.size() == copy.image.size()) {
    compareWithPixels(report, findDifferences(original.image, copy.image));
  }
  return report;
}

const char* kindName(ProblemKind kind) {
  switch (kind) {
    case ProblemKind::UncoveredDifference: return "uncovered-difference";
    case ProblemKind::RectangleWithoutDifference: return "rectangle-without-difference";
    case ProblemKind::RectanglesOverlap: return "rectangles-overlap";
    case ProblemKind::NotFiveRectangles: return "not-five-rectangles";
    case ProblemKind::EmptyRectangle: return "empty-rectangle";
    case ProblemKind::RectangleOutsidePicture: return "rectangle-outside-picture";
    case ProblemKind::SizesDiffer: return "sizes-differ";
    case ProblemKind::PictureUnreadable: return "picture-unreadable";
  }
  return "";
}

}  // namespace pair_check
