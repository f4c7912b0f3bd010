// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Which pieces of change belong to one changed object. Internal to the finder.
#include <vector>

namespace pair_check {

struct Piece {
  int left, top, right, bottom;  // first and last changed column and row
  int pixels;
};

// Pieces closer to each other than half the smaller one's size (its box's longer side),
// and never less than minGap pixels, are one object, and so is everything joined to them
// in turn: a speck joins only what it touches, while the halves of a mirrored object join
// across its unchanged middle. Returns
// per piece the number of its object, numbered from 0 in order of first piece.
std::vector<int> joinPieces(const std::vector<Piece>& pieces, int minGap);

}  // namespace pair_check
