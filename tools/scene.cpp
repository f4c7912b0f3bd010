// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/scene.h"

#include <algorithm>

namespace sample_maker {

QRect shapeBounds(const Shape& shape) {
  if (shape.points.empty()) {
    return {};
  }
  int minX = shape.points.front().x(), maxX = minX;
  int minY = shape.points.front().y(), maxY = minY;
  for (const QPoint& p : shape.points) {
    minX = std::min(minX, p.x());
    maxX = std::max(maxX, p.x());
    minY = std::min(minY, p.y());
    maxY = std::max(maxY, p.y());
  }
  // Smoothing reaches one pixel past the geometry; an outline half its width more.
  const int pad = 1 + (shape.pen.isValid() ? (shape.penWidth + 1) / 2 : 0);
  return QRect(QPoint(minX - pad, minY - pad), QPoint(maxX + pad, maxY + pad));
}

QRect objectBounds(const Scene& scene, const std::string& object) {
  QRect bounds;
  for (const Shape& s : scene.shapes) {
    if (s.object == object) {
      bounds |= shapeBounds(s);
    }
  }
  return bounds;
}

bool hasObject(const Scene& scene, const std::string& object) {
  return std::any_of(scene.shapes.begin(), scene.shapes.end(), [&](const Shape& s) { return s.object == object; });
}

Shape box(const std::string& object, int x, int y, int w, int h, QColor fill, QColor pen, int penWidth) {
  return Shape{object, ShapeKind::Rectangle, {QPoint(x, y), QPoint(x + w, y + h)}, fill, pen, penWidth};
}

Shape oval(const std::string& object, int x, int y, int w, int h, QColor fill, QColor pen, int penWidth) {
  return Shape{object, ShapeKind::Ellipse, {QPoint(x, y), QPoint(x + w, y + h)}, fill, pen, penWidth};
}

Shape polygon(const std::string& object, std::vector<QPoint> points, QColor fill, QColor pen, int penWidth) {
  return Shape{object, ShapeKind::Polygon, std::move(points), fill, pen, penWidth};
}

Shape polyline(const std::string& object, std::vector<QPoint> points, QColor pen, int penWidth) {
  return Shape{object, ShapeKind::Polyline, std::move(points), QColor(), pen, penWidth};
}

std::vector<Shape> translated(std::vector<Shape> shapes, QPoint offset) {
  for (Shape& s : shapes) {
    for (QPoint& p : s.points) {
      p += offset;
    }
  }
  return shapes;
}

}  // namespace sample_maker
