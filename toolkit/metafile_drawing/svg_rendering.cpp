// SPDX-License-Identifier: GPL-2.0-or-later
#include <QPainter>
#include <QSvgRenderer>

#include "toolkit/metafile_drawing/metafile_rendering.h"

namespace toolkit::metafile {

Rendered renderSvg(const QByteArray& svg, const QSize& size) {
  const QString problem = sizeProblem(size.width(), size.height());
  if (!problem.isEmpty()) return {QImage(), problem};
  QSvgRenderer renderer;
  if (!renderer.load(svg) || !renderer.isValid())
    return {QImage(), QStringLiteral("disegno del metafile non leggibile")};
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
