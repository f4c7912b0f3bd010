#include "game/artwork.h"

#include <QPainter>
#include <QSvgRenderer>

namespace game {

QImage renderArtwork(const QString& resource, QSize size, const QColor& background) {
  QSvgRenderer svg(resource);
  if (!svg.isValid()) return QImage();
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(background);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  svg.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

}  // namespace game
