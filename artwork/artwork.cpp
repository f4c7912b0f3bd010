// SPDX-License-Identifier: GPL-2.0-or-later
#include "artwork/artwork.h"

#include <QPainter>
#include <QSvgRenderer>

namespace artwork {

QImage render(const QString& resource, QSize size, const QColor& background) {
  QSvgRenderer svg(resource);
  if (!svg.isValid()) return QImage();
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(background);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  svg.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

QPixmap pixmap(const QString& resource, const QSize& size) {
  const QImage img = render(resource, size);
  return img.isNull() ? QPixmap() : QPixmap::fromImage(img);
}

QIcon icon(const QString& resource) {
  QIcon result;
  for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
    const QImage img = render(resource, QSize(side, side));
    if (img.isNull()) return QIcon();
    result.addPixmap(QPixmap::fromImage(img));
  }
  return result;
}

QPixmap moveCursorPixmap() {
  QImage img = render(QString::fromLatin1(kMoveCursor), QSize(32, 32));
  if (img.isNull()) return QPixmap();
  // A pointer is black, white or see-through: no half tones at its edges.
  img = img.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (c.alpha() < 128) {
        img.setPixelColor(x, y, Qt::transparent);
      } else {
        img.setPixelColor(x, y, qGray(c.rgb()) < 128 ? Qt::black : Qt::white);
      }
    }
  }
  return QPixmap::fromImage(img);
}

}  // namespace artwork
