// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/problem_texts.h"

#include <cmath>

#include "pair_check/pair_checker.h"

namespace pair_check {

namespace {
QString number(double v) {
  if (std::isnan(v)) return QStringLiteral("?");
  if (v == std::trunc(v) && std::fabs(v) < 1e15) return QString::number(static_cast<qint64>(v));
  return QString::number(v, 'g', 15);
}

QString sizeText(QSize s) { return QStringLiteral("%1 x %2").arg(s.width()).arg(s.height()); }
}  // namespace

QString edgesText(const Rect& r) {
  return QStringLiteral("%1,%2-%3,%4").arg(number(r.x1), number(r.y1), number(r.x2), number(r.y2));
}

QString problemText(const Problem& p, const PairReport& report, const QString& originalName, const QString& copyName) {
  const QString rect = p.rect ? edgesText(*p.rect) : QString();
  switch (p.kind) {
    case ProblemKind::UncoveredDifference: return QStringLiteral("La differenza %1 non ha un rettangolo.").arg(rect);
    case ProblemKind::RectangleWithoutDifference:
      return QStringLiteral("Il rettangolo %1 non contiene differenze.").arg(rect);
    case ProblemKind::RectanglesOverlap:
      return QStringLiteral("I rettangoli %1 e %2 si sovrappongono.")
          .arg(p.other ? edgesText(*p.other) : QString(), rect);
    case ProblemKind::NotFiveRectangles: {
      const int n = int(report.rects.size());
      if (n == 0) return QStringLiteral("La coppia non ha rettangoli: ne servono %1.").arg(kRectanglesPerPair);
      if (n == 1) return QStringLiteral("La coppia ha 1 rettangolo: ne servono %1.").arg(kRectanglesPerPair);
      return QStringLiteral("La coppia ha %1 rettangoli: ne servono %2.").arg(n).arg(kRectanglesPerPair);
    }
    case ProblemKind::EmptyRectangle:
      return QStringLiteral("Il rettangolo %1 è vuoto: X1 deve essere minore di X2 e Y1 minore di Y2.").arg(rect);
    case ProblemKind::RectangleOutsidePicture:
      return QStringLiteral("Il rettangolo %1 esce dall'immagine di %2 pixel.").arg(rect, sizeText(report.size));
    case ProblemKind::SizesDiffer:
      return QStringLiteral("Le due immagini hanno dimensioni diverse: l'originale è di %1 pixel, la copia di %2.")
          .arg(sizeText(report.originalSize), sizeText(report.size));
    case ProblemKind::PictureUnreadable:
      if (p.side == Side::Original) {
        return QStringLiteral("L'originale %1 non si può leggere: %2.").arg(originalName, p.detail);
      }
      return QStringLiteral("La copia %1 non si può leggere: %2.").arg(copyName, p.detail);
  }
  return QString();
}

}  // namespace pair_check
