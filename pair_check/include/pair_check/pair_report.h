// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the check of one picture pair finds: where the pictures differ, the stored
// rectangles, and what is wrong with them. Edges are in the stored unit: pixels of the
// copy at its natural size, origin at its top-left pixel.
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace pair_check {

// A rectangle as stored; a null edge is NaN, and such a rectangle is empty.
struct Rect {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  // The game counts a click only strictly inside, so a rectangle needs room between its edges.
  bool isEmpty() const { return !(x1 < x2 && y1 < y2); }
  bool operator==(const Rect& o) const { return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2; }
};

// A region where the pictures differ. box holds its first and last changed column and
// row, so the changed pixels are x1 <= x <= x2, y1 <= y <= y2.
struct Difference {
  Rect box;
  int pixels = 0;              // how many of its pixels stand out from the noise
  std::vector<int> coveredBy;  // rectangles (indexes) holding at least 90% of them strictly inside
  int matched = -1;            // the smallest rectangle that covers it, or -1
};

enum class ProblemKind {
  UncoveredDifference,
  RectangleWithoutDifference,
  RectanglesOverlap,
  NotFiveRectangles,
  EmptyRectangle,
  RectangleOutsidePicture,
  SizesDiffer,
  PictureUnreadable,
};

enum class Side { Original, Copy };

struct Problem {
  ProblemKind kind;
  std::optional<Rect> rect;   // the rectangle or difference it is about
  std::optional<Rect> other;  // the second rectangle of an overlap
  Side side = Side::Copy;     // for an unreadable picture: which one
  QString detail;             // and why
};

struct PairReport {
  QSize size;  // the copy's, invalid when it could not be read
  QSize originalSize;
  std::vector<Difference> differences;  // largest first
  std::vector<Rect> rects;              // as stored, in row order
  std::vector<Problem> problems;
  bool sound() const { return problems.empty(); }
};

// The name a problem kind has in the JSON report.
const char* kindName(ProblemKind kind);

}  // namespace pair_check
