// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_make/photo_fit.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "pair_make/made_pair.h"

namespace pair_make {

namespace {
// The picture loader's limits: the same photo must not pass here and fail there.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
constexpr int kMaxSide = 8192;

[[noreturn]] void refuse(const QString& why) { throw PhotoRefused(why.toStdString()); }

QImage asRgb(QImage image) {
  if (image.hasAlphaChannel()) {
    // Transparent parts show as the game's white page, not as whatever colour they hide.
    QImage flat(image.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return flat;
  }
  return image.convertToFormat(QImage::Format_RGB888);
}
}  // namespace

QImage loadPhotoCoveringFrame(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) refuse(QStringLiteral("il file non esiste"));
  // A FIFO or a device would block the reader: only regular files are opened.
  if (!info.isFile()) refuse(QStringLiteral("non è un file normale"));
  if (info.size() == 0) refuse(QStringLiteral("il file è vuoto"));
  if (info.size() > kMaxFileBytes) refuse(QStringLiteral("il file supera i 64 MiB"));

  QImageReader reader(path);
  reader.setAutoTransform(true);
  QSize stored = reader.size();
  if (!reader.canRead() || !stored.isValid()) refuse(QStringLiteral("non è un'immagine"));
  if (stored.width() > kMaxSide || stored.height() > kMaxSide) {
    refuse(QStringLiteral("l'immagine supera %1 x %1 pixel").arg(kMaxSide));
  }
  const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
  const QSize shown = turned ? stored.transposed() : stored;
  if (shown.width() < kFrameWidth / 2 || shown.height() < kFrameHeight / 2) {
    refuse(QStringLiteral("l'immagine è più piccola di %1 x %2 pixel").arg(kFrameWidth / 2).arg(kFrameHeight / 2));
  }
  const double scale = std::max(double(kFrameWidth) / shown.width(), double(kFrameHeight) / shown.height());
  const QSize covering(std::max(kFrameWidth, int(std::ceil(shown.width() * scale - 1e-6))),
                       std::max(kFrameHeight, int(std::ceil(shown.height() * scale - 1e-6))));
  // A large JPEG is decoded straight at a fraction of its size, which is most of the time.
  if (scale < 1 && reader.supportsOption(QImageIOHandler::ScaledSize)) {
    reader.setScaledSize(turned ? covering.transposed() : covering);
  }
  QImage image = reader.read();
  if (image.isNull()) refuse(QStringLiteral("non è un'immagine leggibile (%1)").arg(reader.errorString()));
  if (image.size() != covering) {
    image = image.scaled(covering, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  return asRgb(std::move(image));
}

QPoint maxCropOffset(const QImage& covering) {
  return {std::max(0, covering.width() - kFrameWidth) / 2, std::max(0, covering.height() - kFrameHeight) / 2};
}

QImage cropToFrame(const QImage& covering, QPoint offset) {
  const int spareX = std::max(0, covering.width() - kFrameWidth);
  const int spareY = std::max(0, covering.height() - kFrameHeight);
  const int left = std::clamp(spareX / 2 + offset.x(), 0, spareX);
  const int top = std::clamp(spareY / 2 + offset.y(), 0, spareY);
  return covering.copy(left, top, kFrameWidth, kFrameHeight).convertToFormat(QImage::Format_RGB888);
}

}  // namespace pair_make
