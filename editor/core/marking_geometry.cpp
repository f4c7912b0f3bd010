// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/marking_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace editor {

QRect rubberBand(const QPoint& press, const QPoint& pointer) {
  // The band spans press to pointer whichever way the drag went; a point is an empty band.
  const int left = std::min(press.x(), pointer.x()), top = std::min(press.y(), pointer.y());
  return QRect(left, top, std::abs(pointer.x() - press.x()), std::abs(pointer.y() - press.y()));
}

QPoint pannedPosition(const QPoint& previewPos, const QSize& previewSize, const QSize& viewport,
                      const QPoint& dragStart, const QPoint& pointer) {
  QPoint pos = previewPos;
  const int newTop = previewPos.y() - (dragStart.y() - pointer.y());
  if (newTop <= 0 && newTop + previewSize.height() >= viewport.height()) pos.setY(newTop);
  const int newLeft = previewPos.x() - (dragStart.x() - pointer.x());
  if (newLeft <= 0 && newLeft + previewSize.width() >= viewport.width()) pos.setX(newLeft);
  return pos;
}

}  // namespace editor
