// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/metafile_styles.h"

namespace sample_maker {

std::vector<Shape> shapesWithBackground(const Scene& scene) {
  std::vector<Shape> shapes;
  shapes.reserve(scene.shapes.size() + 1);
  shapes.push_back(box("background", 0, 0, scene.width, scene.height, scene.background));
  shapes.insert(shapes.end(), scene.shapes.begin(), scene.shapes.end());
  return shapes;
}

PenStyle penOf(const Shape& shape) {
  if (!shape.pen.isValid() || shape.penWidth <= 0) {
    return std::nullopt;
  }
  return std::make_pair(shape.pen.rgb(), shape.penWidth);
}

BrushStyle brushOf(const Shape& shape) {
  if (!shape.fill.isValid() || shape.kind == ShapeKind::Polyline) {
    return std::nullopt;
  }
  return shape.fill.rgb();
}

}  // namespace sample_maker
