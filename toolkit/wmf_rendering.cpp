// Windows metafiles: checked record by record, then played by libwmf's SVG layer.
// Qt first: libwmf's headers define short macros that would break Qt's.
#include "toolkit/metafile_rendering.h"
#include "toolkit/wmf_colours.h"

#include <QRegularExpression>

#include <dlfcn.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <libwmf/api.h>
#include <libwmf/svg.h>

namespace toolkit::metafile {

namespace {
constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr qsizetype kPlaceableBytes = 22;
constexpr qsizetype kHeaderBytes = 18;
constexpr int kScreenDpi = 96;

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
    case kSetMapMode: case kSetWindowOrg: case kSetWindowExt: case kSetViewportOrg: case kSetViewportExt:
    case kOffsetWindowOrg: case kScaleWindowExt: case kOffsetViewportOrg: case kScaleViewportExt:
      return true;
    default:
      return false;
  }
}

// Records that draw nothing: the coordinate set-up may still follow them.
bool drawsNothing(quint16 f) {
  switch (f) {
    case 0x0102: case 0x0104: case 0x0105: case 0x0106: case 0x0107: case 0x0108: case 0x0201: case 0x0209:
    case 0x020A: case 0x012E: case 0x0231: case 0x001E: case 0x012D: case 0x0234: case 0x0035: case 0x01F0:
    case 0x02FA: case 0x02FB: case 0x02FC: case 0x00F7: case 0x01F9: case 0x0142: case 0x06FF: case 0x0626:
    case 0x0037: case 0x0139:
      return true;
    default:
      return false;
  }
}

bool createsObject(quint16 f) {
  switch (f) {
    case 0x02FA: case 0x02FB: case 0x02FC: case 0x00F7: case 0x01F9: case 0x0142: case 0x06FF:
      return true;
    default:
      return false;
  }
}

// Fewest parameter words a record of that function carries; 0 when any number will do.
quint32 fixedParameterWords(quint16 f) {
  switch (f) {
    case 0x0102: case 0x0103: case 0x0104: case 0x0106: case 0x0107: case 0x0108: case 0x0127: case 0x012D:
    case 0x012E: case 0x01F0: case 0x0234: case 0x012C: case 0x012A: case 0x012B: case 0x0139:
      return 1;
    case 0x0201: case 0x0209: case 0x020A: case 0x020B: case 0x020C: case 0x020D: case 0x020E: case 0x020F:
    case 0x0211: case 0x0213: case 0x0214: case 0x0220: case 0x0231: case 0x0228:
      return 2;
    case 0x0410: case 0x0412: case 0x0415: case 0x0416: case 0x0418: case 0x0419: case 0x041B: case 0x041F:
    case 0x0429: case 0x02FC:
      return 4;
    case 0x02FA: case 0x0548:
      return 5;
    case 0x061C: case 0x061D:
      return 6;
    case 0x0817: case 0x081A: case 0x0830:
      return 8;
    case 0x02FB:
      return 9;
    default:
      return 0;
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
    case kPolyline:
      return words >= 1 && words >= 1 + 2 * quint32(word(0));
    case kPolyPolygon: {
      if (words < 1) return false;
      const quint32 polygons = word(0);
      if (words < 1 + polygons) return false;
      quint64 points = 0;
      for (quint32 i = 0; i < polygons; ++i) points += word(1 + i);
      return words >= 1 + polygons + 2 * points;
    }
    case kTextOut:
      return words >= 1 && words >= 3 + (quint32(word(0)) + 1) / 2;
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
    case kEscape:
      return words >= 2 && words >= 2 + (quint32(word(1)) + 1) / 2;
    case kCreatePalette:
    case kSetPalEntries:
    case kAnimatePalette:
      return words >= 2 && words >= 2 + 2 * quint32(word(1));
    case kDibBitBlt:
    case kDibStretchBlt: {
      const quint32 withoutBitmap = f >> 8;
      if (words == withoutBitmap) return true;
      const quint32 before = f == kDibBitBlt ? 8 : 10;
      return words > before && dibFits(b, params + 2 * before, bytes - 2 * before);
    }
    case kStretchDib:
      return words > 11 && dibFits(b, params + 22, bytes - 22);
    case kSetDibToDev:
      return words > 9 && dibFits(b, params + 18, bytes - 18);
    case kDibCreatePatternBrush:
      if (words < 2) return false;
      return word(0) == 3 /* a device-dependent pattern */ || dibFits(b, params + 4, bytes - 4);
    default:
      return true;
  }
}

// A frame in the metafile's own logical units.
struct Frame {
  int left, top, right, bottom;
};

struct Layout {
  bool placeable = false;
  qsizetype headerAt = 0;
  QByteArray mapping;  // the leading records that set up the coordinate system
  bool hasWindowExt = false;
  qint32 orgX = 0, orgY = 0, extX = 0, extY = 0;
  qsizetype end = 0;  // bytes up to and including the end record
  quint32 largestRecord = 3;
  quint32 objects = 0;
};

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

// The header of a metafile made of the given records, with its counts made true.
QByteArray headedRecords(const QByteArray& original, const Layout& l, const QByteArray& records,
                         quint32 objects, quint32 largest) {
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

// The header, the coordinate set-up, an invisible pen and one rectangle.
QByteArray probeOf(const QByteArray& original, const Layout& l, const Frame& f) {
  QByteArray records = l.mapping;
  appendRecord(records, kCreatePenIndirect, {5 /* no line */, 0, 0, 0, 0});
  appendRecord(records, kSelectObject, {0});
  appendRecord(records, kRectangle,
               {qint16(f.bottom), qint16(f.right), qint16(f.top), qint16(f.left)});
  appendRecord(records, kEof, {});
  quint32 largest = 8;
  for (qsizetype at = 0; at < l.mapping.size(); at += qsizetype(u32At(l.mapping, at)) * 2) {
    largest = qMax(largest, u32At(l.mapping, at));
  }
  return headedRecords(original, l, records, 1, largest);
}

// libuemf exports a wmf_free of its own. Where it comes first in a program's libraries,
// libwmf's calls land in it and crash; such a program cannot play WMF files at all.
bool playerUsable() {
  static const bool usable = [] {
    Dl_info info{};
    void* resolved = dlsym(RTLD_DEFAULT, "wmf_free");
    return resolved && dladdr(resolved, &info) && info.dli_fname && std::strstr(info.dli_fname, "libwmf");
  }();
  return usable;
}

struct Session {
  wmfAPI* api = nullptr;
  QByteArray bytes;  // the player reads from here until destroyed
  ~Session() {
    if (api) wmf_api_destroy(api);
  }
};

bool openSession(Session& s, const QByteArray& bytes) {
  s.bytes = bytes;
  wmfAPI_Options options{};
  options.function = wmf_svg_function;
  const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
  if (wmf_api_create(&s.api, flags, &options) != wmf_E_None) return false;
  return wmf_mem_open(s.api, reinterpret_cast<unsigned char*>(s.bytes.data()), long(s.bytes.size())) ==
         wmf_E_None;
}

// The device box the player gives the drawing of a probe.
std::optional<wmfD_Rect> scannedBox(const QByteArray& probe) {
  Session s;
  if (!openSession(s, probe)) return std::nullopt;
  wmfD_Rect box{};
  if (wmf_scan(s.api, 0, &box) != wmf_E_None) return std::nullopt;
  return box;
}

// The device box of the whole frame. The player widens a rectangle's box by a margin
// for its pen; a second probe of half the size tells that margin apart from the scale.
std::optional<wmfD_Rect> frameBox(const QByteArray& original, const Layout& l, const Frame& f) {
  const auto whole = scannedBox(probeOf(original, l, f));
  if (!whole) return std::nullopt;
  const Frame halved{f.left, f.top, f.left + (f.right - f.left) / 2, f.top + (f.bottom - f.top) / 2};
  if (halved.right == f.left || halved.bottom == f.top) return whole;
  const auto half = scannedBox(probeOf(original, l, halved));
  if (!half) return whole;
  auto margin = [](double wholeSpan, double halfSpan, double units, double halfUnits) {
    const double scale = (wholeSpan - halfSpan) / (units - halfUnits);
    const double m = (wholeSpan - scale * units) / 2;
    return m > 0 && m < wholeSpan / 4 ? m : 0.0;
  };
  const double mx = margin(whole->BR.x - whole->TL.x, half->BR.x - half->TL.x, std::abs(f.right - f.left),
                           std::abs(halved.right - f.left));
  const double my = margin(whole->BR.y - whole->TL.y, half->BR.y - half->TL.y, std::abs(f.bottom - f.top),
                           std::abs(halved.bottom - f.top));
  wmfD_Rect box = *whole;
  box.TL.x = float(box.TL.x + mx);
  box.BR.x = float(box.BR.x - mx);
  box.TL.y = float(box.TL.y + my);
  box.BR.y = float(box.BR.y - my);
  return box;
}

// Plays the metafile into SVG text. With a frame box, that box fills the output of
// the given size; without, the drawing's own box does, at the size the player proposes.
QByteArray playToSvg(const QByteArray& bytes, std::optional<wmfD_Rect> frame, QSize* size) {
  Session s;
  if (!openSession(s, bytes)) return {};
  wmfD_Rect drawn{};
  if (wmf_scan(s.api, 0, &drawn) != wmf_E_None) return {};
  if (!frame) {
    unsigned int w = 0, h = 0;
    if (wmf_display_size(s.api, &w, &h, kScreenDpi, kScreenDpi) != wmf_E_None) return {};
    if (!sizeProblem(w, h).isEmpty()) {
      *size = QSize(int(qMin<unsigned>(w, kMaxSide + 1)), int(qMin<unsigned>(h, kMaxSide + 1)));
      return {};
    }
    *size = QSize(int(w), int(h));
  }
  wmf_svg_t* svg = WMF_SVG_GetData(s.api);
  svg->out = wmf_stream_create(s.api, nullptr);
  if (!svg->out) return {};
  svg->bbox = frame ? *frame : drawn;
  svg->width = unsigned(size->width());
  svg->height = unsigned(size->height());
  svg->flags |= WMF_SVG_INLINE_IMAGES;
  wmfD_Rect box = svg->bbox;
  const wmf_error_t played = wmf_play(s.api, 0, &box);
  char* text = nullptr;
  unsigned long length = 0;
  wmf_stream_destroy(s.api, svg->out, &text, &length);
  svg->out = nullptr;
  // The text belongs to the library's memory and goes with the session: copy it now.
  QByteArray out = text ? QByteArray(text, qsizetype(length)) : QByteArray();
  if (played != wmf_E_None) return {};
  return out;
}
}  // namespace

Rendered renderWmf(const QByteArray& bytes) {
  if (!playerUsable()) {
    return {QImage(), QStringLiteral("lettore di metafile WMF non utilizzabile: libuemf precede libwmf nel programma")};
  }
  QString error;
  const auto layout = readLayout(bytes, &error);
  if (!layout) return {QImage(), error};
  const Layout& l = *layout;
  QByteArray checked = headedRecords(bytes, l, bytes.mid(l.headerAt + kHeaderBytes, l.end - l.headerAt - kHeaderBytes),
                                           l.objects, l.largestRecord);

  // The frame in logical units, and the picture's size on a 96 dpi screen.
  std::optional<Frame> logical;
  QSize size;
  if (l.placeable) {
    const qint16 left = s16At(bytes, 6), top = s16At(bytes, 8), right = s16At(bytes, 10), bottom = s16At(bytes, 12);
    const quint16 inch = u16At(bytes, 14);
    if (inch == 0) return {QImage(), QStringLiteral("intestazione del metafile non valida (unità per pollice)")};
    const qint64 w = (std::llabs(qint64(right) - left) * kScreenDpi + inch / 2) / inch;
    const qint64 h = (std::llabs(qint64(bottom) - top) * kScreenDpi + inch / 2) / inch;
    error = sizeProblem(w, h);
    if (!error.isEmpty()) return {QImage(), error};
    size = QSize(int(w), int(h));
    logical = Frame{left, top, right, bottom};
  } else if (l.hasWindowExt) {
    // Without a placeable header one logical unit is one pixel.
    error = sizeProblem(std::abs(l.extX), std::abs(l.extY));
    if (!error.isEmpty()) return {QImage(), error};
    const Frame f{l.orgX, l.orgY, l.orgX + l.extX, l.orgY + l.extY};
    if (f.left < INT16_MIN || f.top < INT16_MIN || f.right > INT16_MAX || f.bottom > INT16_MAX ||
        f.right < INT16_MIN || f.bottom < INT16_MIN || f.left > INT16_MAX || f.top > INT16_MAX) {
      return {QImage(), QStringLiteral("finestra del metafile non valida")};
    }
    size = QSize(std::abs(l.extX), std::abs(l.extY));
    logical = f;
  }

  QByteArray svg;
  {
    const CNumericScope numbers;
    std::optional<wmfD_Rect> frame;
    if (logical) {
      frame = frameBox(bytes, l, *logical);
      if (!frame) return {QImage(), QStringLiteral("metafile non leggibile")};
    }
    const ColourTags tags = tagColours(checked, l.headerAt + kHeaderBytes);
    svg = untagColours(playToSvg(checked, frame, &size), tags);
  }
  if (svg.isEmpty()) {
    const QString problem = size.isValid() ? sizeProblem(size.width(), size.height()) : QString();
    return {QImage(), problem.isEmpty() ? QStringLiteral("metafile non leggibile") : problem};
  }
  // Transparent background mode comes out half transparent; the picture shows it opaque.
  svg.replace("fill-opacity:0.5", "fill-opacity:1.0");
  // libwmf places a bitmap twice: by its x, y, width and height, and again by a matrix
  // that scales and moves it from its own pixels; both at once push it off the page.
  static const QRegularExpression imageMatrix(QStringLiteral("(<image[^>]*?)\\s*transform=\"matrix\\([^\"]*\\)\""));
  svg = QString::fromUtf8(svg).replace(imageMatrix, QStringLiteral("\\1")).toUtf8();
  return renderSvg(svg, size);
}

}  // namespace toolkit::metafile
