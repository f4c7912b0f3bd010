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
  QPen stored(kStoredRectColour, 2);
  stored.setJoinStyle(Qt::MiterJoin);
  painter.setPen(stored);
  for (const pair_check::Rect& r : report.rects) {
    if (!drawable(r)) continue;
    painter.drawRect(QRectF(QPointF(std::min(r.x1, r.x2), std::min(r.y1, r.y2)),
                            QPointF(std::max(r.x1, r.x2), std::max(r.y1, r.y2))));
  }
  QPen found(kFoundDifferenceColour, 2, Qt::DashLine);
  found.setJoinStyle(Qt::MiterJoin);
  painter.setPen(found);
  for (const pair_check::Difference& d : report.differences) {
    // The box's edges are the outermost changed pixels: the outline goes round them.
    painter.drawRect(QRectF(QPointF(d.box.x1 - 1, d.box.y1 - 1), QPointF(d.box.x2 + 2, d.box.y2 + 2)));
  }
  return canvas;
}

}  // namespace editor
