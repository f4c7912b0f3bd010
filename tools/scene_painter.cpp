// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/scene_painter.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>

namespace sample_maker {

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
