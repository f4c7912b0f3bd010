// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/metafile_drawing/wmf_colours.h"

#include <QColor>
#include <QRegularExpression>
#include <QStringList>
#include <vector>

#include "toolkit/metafile_drawing/metafile_rendering.h"

namespace toolkit::metafile {

namespace {

struct Tag {
  QByteArray name;
  QRgb rgb;
};

// Named colours that stand for one colour only: of two names for the same colour, the
// player may write either. Black and white are left out, as the player uses them itself.
const std::vector<Tag>& tagPalette() {
  static const std::vector<Tag> palette = [] {
    QHash<QRgb, int> uses;
    const QStringList names = QColor::colorNames();
    for (const QString& n : names) ++uses[QColor::fromString(n).rgba()];
    std::vector<Tag> tags;
    for (const QString& n : names) {
      const QColor c = QColor::fromString(n);
      if (c.alpha() != 255 || uses.value(c.rgba()) != 1) continue;
      if (c.rgb() == qRgb(0, 0, 0) || c.rgb() == qRgb(255, 255, 255)) continue;
      tags.push_back({n.toLatin1(), c.rgb()});
    }
    return tags;
  }();
  return palette;
}

// Where a record keeps its colour, counted from the start of its parameters; -1 if none.
qsizetype colourOffset(quint16 function) {
  switch (function) {
    case 0x0201:  // SETBKCOLOR
    case 0x0209:  // SETTEXTCOLOR
    case 0x041F:  // SETPIXEL
      return 0;
    case 0x02FC:  // CREATEBRUSHINDIRECT: style, then the colour
      return 2;
    case 0x02FA:  // CREATEPENINDIRECT: style, width (two words), then the colour
      return 6;
    default: return -1;
  }
}

quint32 colourRefOf(QRgb rgb) { return quint32(qRed(rgb)) | quint32(qGreen(rgb)) << 8 | quint32(qBlue(rgb)) << 16; }
QRgb rgbOf(quint32 ref) { return qRgb(int(ref & 0xFF), int(ref >> 8 & 0xFF), int(ref >> 16 & 0xFF)); }

}  // namespace

ColourTags tagColours(QByteArray& wmf, qsizetype recordsAt) {
  const std::vector<Tag>& palette = tagPalette();
  QHash<quint32, size_t> tagOf;  // true colour reference -> palette entry
  ColourTags tags;
  qsizetype at = recordsAt;
  while (at + 6 <= wmf.size()) {
    const quint32 words = u32At(wmf, at);
    const quint16 f = u16At(wmf, at + 4);
    if (words < 3 || f == 0x0000 || qint64(words) * 2 > wmf.size() - at) break;
    const qsizetype offset = colourOffset(f);
    const qsizetype colourAt = at + 6 + offset;
    if (offset >= 0 && colourAt + 4 <= at + qsizetype(words) * 2) {
      const quint32 ref = u32At(wmf, colourAt);
      // Palette colours (high byte set) are the player's to resolve.
      if ((ref >> 24) == 0) {
        auto found = tagOf.constFind(ref);
        if (found == tagOf.constEnd() && size_t(tagOf.size()) < palette.size()) {
          found = tagOf.insert(ref, size_t(tagOf.size()));
          tags.insert(palette[*found].name, rgbOf(ref));
        }
        if (found != tagOf.constEnd()) put32At(wmf, colourAt, colourRefOf(palette[*found].rgb));
      }
    }
    at += qsizetype(words) * 2;
  }
  return tags;
}

QByteArray untagColours(const QByteArray& svg, const ColourTags& tags) {
  if (tags.isEmpty()) return svg;
  static const QRegularExpression painted(QStringLiteral("(?:fill|stroke)(?:\\s*:\\s*|\\s*=\\s*\")([a-z]+)"));
  const QString text = QString::fromUtf8(svg);
  QString out;
  out.reserve(text.size());
  qsizetype last = 0;
  for (auto it = painted.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const auto tag = tags.constFind(m.captured(1).toLatin1());
    if (tag == tags.constEnd()) continue;
    out += QStringView(text).mid(last, m.capturedStart(1) - last);
    out += QColor(*tag).name();
    last = m.capturedEnd(1);
  }
  out += QStringView(text).mid(last);
  return out.toUtf8();
}

}  // namespace toolkit::metafile
