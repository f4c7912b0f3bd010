// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/piece_layout.h"

#include <algorithm>

namespace sample_maker {

int Layout::indexOf(const std::string& name) const {
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

int Layout::changeablePieces() const {
  return static_cast<int>(std::count_if(pieces.begin(), pieces.end(), [](const Piece& p) { return !p.fixed; }));
}

Scene sceneOf(const Layout& layout, bool forMetafile) {
  Scene scene;
  scene.width = layout.width;
  scene.height = layout.height;
  scene.background = layout.background;
  for (const Piece& p : layout.pieces) {
    for (Shape& s : drawPiece(p)) {
      if (forMetafile && s.fill.isValid() && s.kind != ShapeKind::Polyline && (!s.pen.isValid() || s.penWidth <= 0)) {
        s.pen = s.fill;
        s.penWidth = 1;
      }
      scene.shapes.push_back(std::move(s));
    }
  }
  return scene;
}

}  // namespace sample_maker
