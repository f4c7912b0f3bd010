#include "editor/artwork_pictures.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace editor {

namespace {
QImage render(const QString& resource, const QSize& size) {
  QSvgRenderer svg(resource);
  if (!svg.isValid()) return QImage();
  QImage img(size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  svg.render(&p, QRectF(0, 0, size.width(), size.height()));
  return img;
}
}  // namespace

QPixmap artworkPixmap(const QString& resource, const QSize& size) {
  const QImage img = render(resource, size);
  return img.isNull() ? QPixmap() : QPixmap::fromImage(img);
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

QCursor moveCursor() { return QCursor(moveCursorPixmap(), 0, 0); }

}  // namespace editor
