// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The kinds of deliberate change a copy may get, each acting on one piece of the layout.
#include <QColor>
#include <QPoint>

#include <random>
#include <string>

#include "tools/piece_layout.h"

namespace sample_maker {

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
