// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/scene.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>

namespace sample_maker {

QRect shapeBounds(const Shape& shape) {
  if (shape.points.empty()) return {};
  // Smoothing reaches one pixel past the geometry; an outline half its width more.
  const int pad = 1 + (shape.pen.isValid() ? (shape.penWidth + 1) / 2 : 0);
  const QPolygon corners(QList<QPoint>(shape.points.begin(), shape.points.end()));
  return corners.boundingRect().adjusted(-pad, -pad, pad, pad);
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

Shape box(int x, int y, int w, int h, QColor fill, QColor pen, int penWidth) {
  return Shape{"", ShapeKind::Rectangle, {QPoint(x, y), QPoint(x + w, y + h)}, fill, pen, penWidth};
}

Shape oval(int x, int y, int w, int h, QColor fill, QColor pen, int penWidth) {
  return Shape{"", ShapeKind::Ellipse, {QPoint(x, y), QPoint(x + w, y + h)}, fill, pen, penWidth};
}

Shape polygon(std::vector<QPoint> points, QColor fill, QColor pen, int penWidth) {
  return Shape{"", ShapeKind::Polygon, std::move(points), fill, pen, penWidth};
}

Shape polyline(std::vector<QPoint> points, QColor pen, int penWidth) {
  return Shape{"", ShapeKind::Polyline, std::move(points), QColor(), pen, penWidth};
}

namespace {

void paintShape(QPainter& painter, const Shape& shape) {
  if (shape.pen.isValid() && shape.penWidth > 0) {
    painter.setPen(QPen(shape.pen, shape.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  } else {
    painter.setPen(Qt::NoPen);
  }
  painter.setBrush(shape.fill.isValid() ? QBrush(shape.fill) : QBrush(Qt::NoBrush));
  const QPolygon points(QList<QPoint>(shape.points.begin(), shape.points.end()));
  switch (shape.kind) {
    case ShapeKind::Rectangle:
    case ShapeKind::Ellipse: {
      const QRectF area(QPointF(shape.points.at(0)), QPointF(shape.points.at(1)));
      if (shape.kind == ShapeKind::Rectangle) {
        painter.drawRect(area);
      } else {
        painter.drawEllipse(area);
      }
      break;
    }
    case ShapeKind::Polygon: painter.drawPolygon(points, Qt::WindingFill); break;
    case ShapeKind::Polyline: painter.drawPolyline(points); break;
  }
}

}  // namespace

QImage paintScene(const Scene& scene, bool smooth) {
  QImage image(scene.width, scene.height, QImage::Format_RGB32);
  image.fill(scene.background);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, smooth);
  for (const Shape& shape : scene.shapes) {
    paintShape(painter, shape);
  }
  painter.end();
  return image;
}

}  // namespace sample_maker
