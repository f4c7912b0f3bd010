// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/difference_overlay.h"

#include <QPainter>
#include <QPen>
#include <cmath>

namespace editor {

namespace {
// Stored values may be anything another program wrote; only what can be drawn is.
bool drawable(const pair_check::Rect& r) {
  return std::isfinite(r.x1) && std::isfinite(r.y1) && std::isfinite(r.x2) && std::isfinite(r.y2) &&
         std::fabs(r.x1) < 1e6 && std::fabs(r.y1) < 1e6 && std::fabs(r.x2) < 1e6 && std::fabs(r.y2) < 1e6;
}
}  // namespace

QImage drawCheckOverlay(const QImage& copy, const pair_check::PairReport& report) {
  QImage canvas = copy.convertToFormat(QImage::Format_RGB32);
  QPainter painter(&canvas);
  painter.setBrush(Qt::NoBrush);
  // Every line is drawn twice, light under coloured, so that it shows on any colour; and
  // kept a pixel inside the picture, so that it shows at its edges too.
  const QRectF inside = QRectF(canvas.rect()).adjusted(1, 1, -1, -1);
  auto within = [&](const QRectF& r) { return r.intersected(inside); };
  QPen light(kOutlineUnderColour, 4);
  light.setJoinStyle(Qt::MiterJoin);
  QPen stored(kStoredRectColour, 2);
  stored.setJoinStyle(Qt::MiterJoin);
  for (const pair_check::Rect& r : report.rects) {
    if (!drawable(r)) continue;
    const QRectF box = within(QRectF(QPointF(std::min(r.x1, r.x2), std::min(r.y1, r.y2)),
                                     QPointF(std::max(r.x1, r.x2), std::max(r.y1, r.y2))));
    if (box.isEmpty()) continue;
    painter.setPen(light);
    painter.drawRect(box);
    painter.setPen(stored);
    painter.drawRect(box);
  }
  QPen under(kOutlineUnderColour, 2);
  under.setJoinStyle(Qt::MiterJoin);
  QPen found(kFoundDifferenceColour, 2);
  found.setDashPattern({3, 3});  // red and light in equal parts
  found.setJoinStyle(Qt::MiterJoin);
  for (const pair_check::Difference& d : report.differences) {
    // The box's edges are the outermost changed pixels: the outline goes round them.
    const QRectF box = within(QRectF(QPointF(d.box.x1 - 1, d.box.y1 - 1), QPointF(d.box.x2 + 2, d.box.y2 + 2)));
    painter.setPen(under);
    painter.drawRect(box);
    painter.setPen(found);
    painter.drawRect(box);
  }
  return canvas;
}

}  // namespace editor
