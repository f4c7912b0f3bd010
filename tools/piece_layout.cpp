// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/piece_layout.h"

#include <algorithm>
#include <cmath>

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

namespace {

// A thick line as one outlined quadrilateral per segment: the two metafile players end
// and join wide pens differently, but fill a polygon alike.
void addAsPolygons(const Shape& line, std::vector<Shape>& out) {
  const double half = std::max(1, line.penWidth) / 2.0;
  for (std::size_t i = 1; i < line.points.size(); ++i) {
    const QPointF a = line.points[i - 1], b = line.points[i];
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    if (length == 0) continue;
    const QPointF n((a.y() - b.y()) / length * half, (b.x() - a.x()) / length * half);
    const auto at = [](QPointF p) {
      return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
    };
    out.push_back(polygon(line.object, {at(a + n), at(b + n), at(b - n), at(a - n)}, line.pen, line.pen, 1));
  }
}

}  // namespace

Scene sceneOf(const Layout& layout, bool forMetafile) {
  Scene scene;
  scene.width = layout.width;
  scene.height = layout.height;
  scene.background = layout.background;
  for (const Piece& p : layout.pieces) {
    for (Shape& s : drawPiece(p)) {
      if (forMetafile && s.kind == ShapeKind::Polyline) {
        addAsPolygons(s, scene.shapes);
        continue;
      }
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
