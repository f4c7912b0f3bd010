#include <QPainter>
#include <QSvgRenderer>

#include "toolkit/metafile_rendering.h"

namespace toolkit::metafile {

QString sizeProblem(qint64 width, qint64 height) {
  if (width <= 0 || height <= 0) return QStringLiteral("l'immagine non ha dimensioni (%1 x %2)").arg(width).arg(height);
  if (width > kMaxSide || height > kMaxSide) {
    return QStringLiteral("immagine troppo grande (%1 x %2, al massimo %3 x %3)").arg(width).arg(height).arg(kMaxSide);
  }
  return QString();
}

Rendered renderSvg(const QByteArray& svg, const QSize& size) {
  const QString problem = sizeProblem(size.width(), size.height());
  if (!problem.isEmpty()) return {QImage(), problem};
  QSvgRenderer renderer;
  if (!renderer.load(svg) || !renderer.isValid()) return {QImage(), QStringLiteral("disegno del metafile non leggibile")};
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return {QImage(), QStringLiteral("memoria insufficiente per l'immagine")};
  // A metafile paints only what it draws; the rest is the page.
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  return {image, QString()};
}

}  // namespace toolkit::metafile
