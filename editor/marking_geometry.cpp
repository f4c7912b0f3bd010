// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/marking_geometry.h"

namespace editor {

QRect rubberBand(const QPoint& press, const QPoint& pointer) {
  int top, height, left, width;
  if (pointer.y() - press.y() >= 0) {
    top = press.y();
    height = pointer.y() - press.y();
  } else {
    top = pointer.y();
    height = press.y() - pointer.y();
  }
  if (pointer.x() - press.x() >= 0) {
    left = press.x();
    width = pointer.x() - press.x();
  } else {
    left = pointer.x();
    width = press.x() - pointer.x();
  }
  return QRect(left, top, width, height);
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
