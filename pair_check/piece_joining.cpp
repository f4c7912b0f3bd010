// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/piece_joining.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace pair_check {

namespace {
// The longer side of the piece's box.
double sizeOf(const Piece& p) { return std::max(p.right - p.left + 1, p.bottom - p.top + 1); }

// How far apart, as a share of the smaller piece's size, pieces still are one object.
constexpr double kJoiningShare = 0.5;

// Empty pixels between the two boxes, diagonally as the crow flies.
double gapBetween(const Piece& a, const Piece& b) {
  const int gx = std::max(0, std::max(a.left, b.left) - std::min(a.right, b.right) - 1);
  const int gy = std::max(0, std::max(a.top, b.top) - std::min(a.bottom, b.bottom) - 1);
  return std::hypot(gx, gy);
}

int root(std::vector<int>& parent, int i) {
  while (parent[size_t(i)] != i) i = parent[size_t(i)] = parent[size_t(parent[size_t(i)])];
  return i;
}
}  // namespace

std::vector<int> joinPieces(const std::vector<Piece>& pieces, int minGap) {
  std::vector<int> parent(pieces.size());
  std::iota(parent.begin(), parent.end(), 0);
  for (size_t i = 0; i < pieces.size(); ++i) {
    for (size_t j = i + 1; j < pieces.size(); ++j) {
      const double a = sizeOf(pieces[i]), b = sizeOf(pieces[j]);
      const double allowed = std::max(double(minGap), kJoiningShare * std::min(a, b));
      if (gapBetween(pieces[i], pieces[j]) <= allowed) parent[size_t(root(parent, int(i)))] = root(parent, int(j));
    }
  }
  std::vector<int> object(pieces.size()), number(pieces.size(), -1);
  int next = 0;
  for (size_t i = 0; i < pieces.size(); ++i) {
    const int r = root(parent, int(i));
    if (number[size_t(r)] < 0) number[size_t(r)] = next++;
    object[i] = number[size_t(r)];
  }
  return object;
}

}  // namespace pair_check
