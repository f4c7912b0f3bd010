// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/metafile_drawing/wmf_records.h"

#include "toolkit/metafile_limits.h"

#include <algorithm>
#include <iterator>

namespace toolkit::metafile::wmf {

namespace {
enum Function : quint16 {
  kEof = 0x0000,
  kSetMapMode = 0x0103,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kSetViewportOrg = 0x020D,
  kSetViewportExt = 0x020E,
  kOffsetWindowOrg = 0x020F,
  kScaleWindowExt = 0x0410,
  kOffsetViewportOrg = 0x0211,
  kScaleViewportExt = 0x0412,
  kSelectObject = 0x012D,
  kCreatePenIndirect = 0x02FA,
  kRectangle = 0x041B,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kPolyPolygon = 0x0538,
  kTextOut = 0x0521,
  kExtTextOut = 0x0A32,
  kEscape = 0x0626,
  kCreatePalette = 0x00F7,
  kSetPalEntries = 0x0037,
  kAnimatePalette = 0x0436,
  kDibBitBlt = 0x0940,
  kDibStretchBlt = 0x0B41,
  kStretchDib = 0x0F43,
  kSetDibToDev = 0x0D33,
  kDibCreatePatternBrush = 0x0142,
};

// Records that set up the coordinate system: the probe repeats them so its frame maps
// exactly as the file's drawing does.
bool setsMapping(quint16 f) {
  switch (f) {
    case kSetMapMode:
    case kSetWindowOrg:
    case kSetWindowExt:
    case kSetViewportOrg:
    case kSetViewportExt:
    case kOffsetWindowOrg:
    case kScaleWindowExt:
    case kOffsetViewportOrg:
    case kScaleViewportExt: return true;
    default: return false;
  }
}

// Records that draw nothing: the coordinate set-up may still follow them.
bool drawsNothing(quint16 f) {
  static constexpr quint16 kFunctions[] = {0x0102, 0x0104, 0x0105, 0x0106, 0x0107, 0x0108, 0x0201, 0x0209, 0x020A,
                                           0x012E, 0x0231, 0x001E, 0x012D, 0x0234, 0x0035, 0x01F0, 0x02FA, 0x02FB,
                                           0x02FC, 0x00F7, 0x01F9, 0x0142, 0x06FF, 0x0626, 0x0037, 0x0139};
  return std::find(std::begin(kFunctions), std::end(kFunctions), f) != std::end(kFunctions);
}

bool createsObject(quint16 f) {
  static constexpr quint16 kFunctions[] = {0x02FA, 0x02FB, 0x02FC, 0x00F7, 0x01F9, 0x0142, 0x06FF};
  return std::find(std::begin(kFunctions), std::end(kFunctions), f) != std::end(kFunctions);
}

// Fewest parameter words a record of that function carries; 0 when any number will do.
quint32 fixedParameterWords(quint16 f) {
  switch (f) {
    case 0x0102:
    case 0x0103:
    case 0x0104:
    case 0x0106:
    case 0x0107:
    case 0x0108:
    case 0x0127:
    case 0x012D:
    case 0x012E:
    case 0x01F0:
    case 0x0234:
    case 0x012C:
    case 0x012A:
    case 0x012B:
    case 0x0139: return 1;
    case 0x0201:
    case 0x0209:
    case 0x020A:
    case 0x020B:
    case 0x020C:
    case 0x020D:
    case 0x020E:
    case 0x020F:
    case 0x0211:
    case 0x0213:
    case 0x0214:
    case 0x0220:
    case 0x0231:
    case 0x0228: return 2;
    case 0x0410:
    case 0x0412:
    case 0x0415:
    case 0x0416:
    case 0x0418:
    case 0x0419:
    case 0x041B:
    case 0x041F:
    case 0x0429:
    case 0x02FC: return 4;
    case 0x02FA:
    case 0x0548: return 5;
    case 0x061C:
    case 0x061D: return 6;
    case 0x0817:
    case 0x081A:
    case 0x0830: return 8;
    case 0x02FB: return 9;
    default: return 0;
  }
}

// A device-independent bitmap inside a record: its pixels must lie inside the record
// and its size be one we would show at all.
bool dibFits(const QByteArray& b, qsizetype at, qint64 bytes) {
  if (bytes < 12) return false;
  const quint32 headerBytes = u32At(b, at);
  qint64 width, height;
  quint32 bits, compression = 0, colours = 0;
  if (headerBytes == 12) {
    width = u16At(b, at + 4);
    height = u16At(b, at + 6);
    bits = u16At(b, at + 10);
  } else {
    if (headerBytes < 40 || headerBytes > bytes) return false;
    width = s32At(b, at + 4);
    height = s32At(b, at + 8);
    bits = u16At(b, at + 14);
    compression = u32At(b, at + 16);
    colours = u32At(b, at + 32);
  }
  height = std::llabs(height);
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  if (compression > 3) return false;
  const qint64 tableEntries = colours != 0 ? qint64(colours) : bits <= 8 ? (qint64(1) << bits) : 0;
  if (tableEntries > 256 && bits <= 8) return false;
  const qint64 entryBytes = headerBytes == 12 ? 3 : 4;
  const qint64 masks = compression == 3 && headerBytes == 40 ? 12 : 0;
  const qint64 pixelsAt = headerBytes + masks + tableEntries * entryBytes;
  if (pixelsAt > bytes) return false;
  if (compression == 1 || compression == 2) return true;  // run-length data ends where it says
  const qint64 stride = (width * bits + 31) / 32 * 4;
  return pixelsAt + stride * height <= bytes;
}

// Whether the record's parameters hold what its function will read.
bool parametersFit(const QByteArray& b, qsizetype params, quint32 words, quint16 f) {
  auto word = [&](quint32 i) { return u16At(b, params + 2 * qsizetype(i)); };
  const qint64 bytes = qint64(words) * 2;
  if (words < fixedParameterWords(f)) return false;
  switch (f) {
    case kPolygon:
    case kPolyline: return words >= 1 && words >= 1 + 2 * quint32(word(0));
    case kPolyPolygon: {
      if (words < 1) return false;
      const quint32 polygons = word(0);
      if (words < 1 + polygons) return false;
      quint64 points = 0;
      for (quint32 i = 0; i < polygons; ++i) points += word(1 + i);
      return words >= 1 + polygons + 2 * points;
    }
    case kTextOut: return words >= 1 && words >= 3 + (quint32(word(0)) + 1) / 2;
    case kExtTextOut: {
      if (words < 4) return false;
      const quint32 clip = (word(3) & 0x0006) ? 4 : 0;
      return words >= 4 + clip + (quint32(word(2)) + 1) / 2;
    }
    case kScaleWindowExt:
    case kScaleViewportExt:  // the player divides by the denominators
      return word(0) != 0 && word(2) != 0;
    case kSetWindowExt:
    case kSetViewportExt:  // and by the extents
      return word(0) != 0 && word(1) != 0;
    case kEscape: return words >= 2 && words >= 2 + (quint32(word(1)) + 1) / 2;
    case kCreatePalette:
    case kSetPalEntries:
    case kAnimatePalette: return words >= 2 && words >= 2 + 2 * quint32(word(1));
    case kDibBitBlt:
    case kDibStretchBlt: {
      const quint32 withoutBitmap = f >> 8;
      if (words == withoutBitmap) return true;
      const quint32 before = f == kDibBitBlt ? 8 : 10;
      return words > before && dibFits(b, params + 2 * before, bytes - 2 * before);
    }
    case kStretchDib: return words > 11 && dibFits(b, params + 22, bytes - 22);
    case kSetDibToDev: return words > 9 && dibFits(b, params + 18, bytes - 18);
    case kDibCreatePatternBrush:
      if (words < 2) return false;
      return word(0) == 3 /* a device-dependent pattern */ || dibFits(b, params + 4, bytes - 4);
    default: return true;
  }
}

void appendRecord(QByteArray& out, quint16 f, std::initializer_list<qint16> params) {
  QByteArray r(6 + 2 * qsizetype(params.size()), '\0');
  put32At(r, 0, quint32(3 + params.size()));
  put16At(r, 4, f);
  qsizetype at = 6;
  for (qint16 p : params) {
    put16At(r, at, quint16(p));
    at += 2;
  }
  out += r;
}

}  // namespace

std::optional<Layout> readLayout(const QByteArray& b, QString* error) {
  Layout l;
  l.placeable = b.size() >= 4 && u32At(b, 0) == kPlaceableKey;
  l.headerAt = l.placeable ? kPlaceableBytes : 0;
  if (b.size() < l.headerAt + kHeaderBytes) {
    *error = QStringLiteral("metafile troncato");
    return std::nullopt;
  }
  const quint16 type = u16At(b, l.headerAt);
  if ((type != 1 && type != 2) || u16At(b, l.headerAt + 2) != 9) {
    *error = QStringLiteral("intestazione del metafile non valida");
    return std::nullopt;
  }
  l.objects = u16At(b, l.headerAt + 10);
  bool leading = true;
  quint32 created = 0;
  qsizetype at = l.headerAt + kHeaderBytes;
  for (int record = 1;; ++record) {
    if (b.size() - at < 6) {
      *error = QStringLiteral("metafile troncato");
      return std::nullopt;
    }
    const quint32 words = u32At(b, at);
    const quint16 f = u16At(b, at + 4);
    if (words < 3 || qint64(words) * 2 > b.size() - at) {
      *error = QStringLiteral("metafile troncato o danneggiato");
      return std::nullopt;
    }
    if (f == kEof) {
      l.end = at + qsizetype(words) * 2;
      break;
    }
    const qsizetype params = at + 6;
    if (!parametersFit(b, params, words - 3, f)) {
      *error = QStringLiteral("metafile danneggiato (record %1 non valido)").arg(record);
      return std::nullopt;
    }
    l.largestRecord = qMax(l.largestRecord, words);
    if (createsObject(f)) ++created;
    if (leading && setsMapping(f)) {
      l.mapping.append(b.constData() + at, qsizetype(words) * 2);
      if (f == kSetWindowOrg) {
        l.orgY = s16At(b, params);
        l.orgX = s16At(b, params + 2);
      } else if (f == kOffsetWindowOrg) {
        l.orgY += s16At(b, params);
        l.orgX += s16At(b, params + 2);
      } else if (f == kSetWindowExt) {
        l.extY = s16At(b, params);
        l.extX = s16At(b, params + 2);
        l.hasWindowExt = true;
      }
    } else if (!drawsNothing(f)) {
      leading = false;
    }
    at += qsizetype(words) * 2;
  }
  // The object table must hold every object the records create.
  l.objects = qMin<quint32>(0xFFFF, qMax(l.objects, created));
  return l;
}

QByteArray headedRecords(const QByteArray& original, const Layout& l, const QByteArray& records, quint32 objects,
                         quint32 largest) {
  QByteArray out = original.left(l.headerAt + kHeaderBytes) + records;
  if (l.placeable) {
    quint16 sum = 0;
    for (qsizetype i = 0; i < 20; i += 2) sum ^= u16At(out, i);
    put16At(out, 20, sum);
  }
  put32At(out, l.headerAt + 6, quint32((out.size() - l.headerAt) / 2));
  put16At(out, l.headerAt + 10, quint16(objects));
  put32At(out, l.headerAt + 12, largest);
  return out;
}

QByteArray probeOf(const QByteArray& original, const Layout& l, const Frame& f) {
  QByteArray records = l.mapping;
  appendRecord(records, kCreatePenIndirect, {5 /* no line */, 0, 0, 0, 0});
  appendRecord(records, kSelectObject, {0});
  appendRecord(records, kRectangle, {qint16(f.bottom), qint16(f.right), qint16(f.top), qint16(f.left)});
  appendRecord(records, kEof, {});
  quint32 largest = 8;
  for (qsizetype at = 0; at < l.mapping.size(); at += qsizetype(u32At(l.mapping, at)) * 2) {
    largest = qMax(largest, u32At(l.mapping, at));
  }
  return headedRecords(original, l, records, 1, largest);
}

}  // namespace toolkit::metafile::wmf
