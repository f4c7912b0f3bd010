// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/capture.h"

#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace editor {

QImage GrabPictureBox(QWidget& box) { return GrabWindowArea(box, false, 0, 0, box.width(), box.height()); }

QImage GrabWindowArea(QWidget& window, bool clientOnly, int left, int top, int width, int height) {
  if (width <= 0 || height <= 0) return QImage();
  QImage bitmap(width, height, QImage::Format_RGB32);
  bitmap.fill(window.palette().color(window.backgroundRole()));

  const QPoint origin = clientOnly ? window.contentsRect().topLeft() : QPoint(0, 0);
  const QRect wanted(origin + QPoint(left, top), QSize(width, height));
  const QRect source = wanted.intersected(window.rect());
  if (!source.isEmpty()) {
    QPainter painter(&bitmap);
    window.render(&painter, source.topLeft() - wanted.topLeft(), QRegion(source),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
  }

  QList<QRgb> palette;
  const QScreen* screen = window.screen();
  if (screen && screen->depth() <= 8) palette = bitmap.convertToFormat(QImage::Format_Indexed8).colorTable();
  return BitmapToPicture(bitmap, palette);
}

QImage BitmapToPicture(const QImage& bitmap, const QList<QRgb>& palette) {
  if (palette.isEmpty() || bitmap.isNull()) return bitmap;
  return bitmap.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

}  // namespace editor
