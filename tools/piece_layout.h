// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A scene as placed pieces, painted in order over a background.
#include <QColor>

#include <string>
#include <vector>

#include "tools/scene.h"
#include "tools/scene_pieces.h"

namespace sample_maker {

struct Layout {
  int width = 0;
  int height = 0;
  QColor background;
  std::vector<Piece> pieces;

  void add(Piece p) { pieces.push_back(std::move(p)); }
  // The index of the piece of that name, or -1.
  int indexOf(const std::string& name) const;
  // Pieces a change may act on: all but ground, walls and sky.
  int changeablePieces() const;
};

// The layout's shapes. For a metafile every filled shape gets an outline of its own
// colour, and wide lines become polygons: the two metafile players disagree on the edges of
// unoutlined shapes and on the ends of wide lines.
Scene sceneOf(const Layout& layout, bool forMetafile);

}  // namespace sample_maker
