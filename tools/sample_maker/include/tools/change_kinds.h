// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The kinds of deliberate change a copy may get, each acting on one piece of the layout.
#include <QColor>
#include <QPoint>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tools/scene_pieces.h"

namespace sample_maker {

// Choices drawn from a seeded generator. std::mt19937's output is the same on every
// standard library, its distributions are not: these helpers use the raw output only,
// so one seed gives the same pictures everywhere. A whole number in [lo, hi]:
inline int pickInt(std::mt19937& rng, int lo, int hi) {
  const auto span = static_cast<std::uint32_t>(hi - lo) + 1u;
  return lo + static_cast<int>(rng() % span);
}

template <typename T>
const T& pickOne(std::mt19937& rng, const std::vector<T>& options) {
  return options[static_cast<std::size_t>(pickInt(rng, 0, static_cast<int>(options.size()) - 1))];
}

enum class ChangeKind { Remove, Add, Recolour, Move, Resize, Mirror, Detail };
inline constexpr int kChangeKinds = 7;

struct PieceChange {
  ChangeKind kind = ChangeKind::Remove;
  std::string piece;  // the piece acted on, or the added piece's name
  Piece after;        // Add, Recolour, Move, Resize, Mirror, Detail: the piece as it becomes
};

// The layout with the change made. Throws std::invalid_argument when the change names a
// piece the layout lacks, or adds one it already has.
Layout applyChange(const Layout& layout, const PieceChange& change);

// A change of the kind drawn from rng on a piece drawn from rng; additions come from
// extras. Returns false when the layout offers nothing for that kind.
bool proposeChange(const Layout& layout, const std::vector<Piece>& extras, ChangeKind kind, std::mt19937& rng,
                   PieceChange& out);

// A colour plainly different from c, or one step of 45 to 60 in a single channel.
QColor changedColour(QColor c, bool subtle, std::mt19937& rng);

}  // namespace sample_maker
