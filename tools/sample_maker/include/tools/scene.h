// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A sample picture as a list of flat shapes, painted in order. The same list is drawn
// into raster pictures and written as metafile records, and the difference rectangles
// are computed from it, so pictures and rectangles always agree.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <string>
#include <vector>

namespace sample_maker {

enum class ShapeKind { Rectangle, Ellipse, Polygon, Polyline };

struct Shape {
  std::string object;  // the thing it belongs to ("door", "boat2"); changes act on objects
  ShapeKind kind = ShapeKind::Rectangle;
  // Rectangle and ellipse: the top-left corner and the corner just past the bottom-right
  // pixel. Polygon and polyline: the vertices.
  std::vector<QPoint> points;
  QColor fill;  // invalid: not filled
  QColor pen;   // invalid: no outline
  int penWidth = 0;
};

struct Scene {
  int width = 0;
  int height = 0;
  QColor background;
  std::vector<Shape> shapes;
};

// Every pixel the shape may touch when painted smoothly, its outline included.
QRect shapeBounds(const Shape& shape);

// The bounds of all shapes of one object; empty when the scene has none.
QRect objectBounds(const Scene& scene, const std::string& object);

// Small helpers that keep drawings readable; the shapes belong to no object yet.
Shape box(int x, int y, int w, int h, QColor fill, QColor pen = QColor(), int penWidth = 0);
Shape oval(int x, int y, int w, int h, QColor fill, QColor pen = QColor(), int penWidth = 0);
Shape polygon(std::vector<QPoint> points, QColor fill, QColor pen = QColor(), int penWidth = 0);
Shape polyline(std::vector<QPoint> points, QColor pen, int penWidth);

// The scene painted into a raster picture. smooth: antialiased edges, off for pictures
// that must keep to a small palette (GIF).
QImage paintScene(const Scene& scene, bool smooth);

}  // namespace sample_maker
