// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/metafile_limits.h"

namespace toolkit::metafile {

QString sizeProblem(qint64 width, qint64 height) {
  if (width <= 0 || height <= 0) return QStringLiteral("l'immagine non ha dimensioni (%1 x %2)").arg(width).arg(height);
  if (width > kMaxSide || height > kMaxSide) {
    return QStringLiteral("immagine troppo grande (%1 x %2, al massimo %3 x %3)").arg(width).arg(height).arg(kMaxSide);
  }
  return QString();
}

}  // namespace toolkit::metafile
