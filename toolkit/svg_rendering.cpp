#include <QPainter>
#include <QSvgRenderer>

#include "toolkit/metafile_rendering.h"

namespace toolkit::metafile {

Rendered renderSvg(const QByteArray& svg, const QSize& size) {
  QSvgRenderer renderer;
  if (!renderer.load(svg) || !renderer.isValid()) return {QImage(), QStringLiteral("disegno non leggibile")};
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return {QImage(), QStringLiteral("memoria insufficiente")};
  image.fill(Qt::white);
  QPainter p(&image);
  renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
  p.end();
  return {image, QString()};
}

}  // namespace toolkit::metafile
