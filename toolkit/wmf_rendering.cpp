// Qt first: libwmf's headers define short macros that would break Qt's.
#include "toolkit/metafile_rendering.h"

#include <cstdlib>
#include <optional>

#include <libwmf/api.h>
#include <libwmf/svg.h>

namespace toolkit::metafile {

namespace {
constexpr int kPlaceableBytes = 22;
constexpr int kHeaderBytes = 18;
constexpr quint16 kSetWindowOrg = 0x020B;
constexpr quint16 kSetWindowExt = 0x020C;
constexpr quint16 kRectangle = 0x041B;

quint16 u16(const QByteArray& b, int at) {
  const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
  return quint16(p[0] | p[1] << 8);
}
qint16 s16(const QByteArray& b, int at) { return qint16(u16(b, at)); }
quint32 u32(const QByteArray& b, int at) { return quint32(u16(b, at)) | quint32(u16(b, at + 2)) << 16; }
void put16(QByteArray& b, int at, quint16 v) {
  b[at] = char(v & 0xFF);
  b[at + 1] = char(v >> 8);
}
void put32(QByteArray& b, int at, quint32 v) {
  put16(b, at, quint16(v & 0xFFFF));
  put16(b, at + 2, quint16(v >> 16));
}

bool placeable(const QByteArray& b) { return b.size() >= 4 && u32(b, 0) == 0x9AC6CDD7u; }

// Records that only set state: the probe keeps them so the frame maps as in the file.
bool setsStateOnly(quint16 function) {
  switch (function) {
    case 0x0102: case 0x0103: case 0x0104: case 0x0106: case 0x0107: case 0x0108: case 0x0201:
    case 0x0209: case 0x020B: case 0x020C: case 0x020D: case 0x020E: case 0x012D: case 0x01F0:
    case 0x00F7: case 0x02FA: case 0x02FB: case 0x02FC: case 0x01F9: case 0x0142: case 0x001E:
    case 0x0127: case 0x012E: case 0x0234: case 0x0231:
      return true;
    default:
      return false;
  }
}

struct Frame {
  int left = 0, top = 0, width = 0, height = 0;
  int records = 0;  // bytes of header + leading state records
};

std::optional<Frame> readFrame(const QByteArray& b, QString* error) {
  const int start = placeable(b) ? kPlaceableBytes : 0;
  if (b.size() < start + kHeaderBytes) {
    *error = QStringLiteral("metafile troncato");
    return std::nullopt;
  }
  const quint16 headerWords = u16(b, start + 2);
  if (headerWords != 9) {
    *error = QStringLiteral("intestazione del metafile non valida");
    return std::nullopt;
  }
  Frame f;
  bool haveExt = false;
  int at = start + kHeaderBytes;
  while (at + 6 <= b.size()) {
    const quint32 words = u32(b, at);
    const quint16 function = u16(b, at + 4);
    if (words < 3 || qint64(words) * 2 > b.size() - at) {
      *error = QStringLiteral("metafile troncato o danneggiato");
      return std::nullopt;
    }
    if (!setsStateOnly(function)) break;
    if (function == kSetWindowOrg && words >= 5) {
      f.top = s16(b, at + 6);
      f.left = s16(b, at + 8);
    }
    if (function == kSetWindowExt && words >= 5) {
      f.height = s16(b, at + 6);
      f.width = s16(b, at + 8);
      haveExt = true;
    }
    at += int(words * 2);
  }
  f.records = at;
  if (!haveExt && placeable(b)) {
    f.left = s16(b, 6);
    f.top = s16(b, 8);
    f.width = s16(b, 10) - f.left;
    f.height = s16(b, 12) - f.top;
  }
  return f;
}

// The header, the leading state records and one rectangle over the whole frame.
QByteArray probeOf(const QByteArray& b, const Frame& f) {
  QByteArray probe = b.left(f.records);
  QByteArray rect(14, '\0');
  put32(rect, 0, 7);
  put16(rect, 4, kRectangle);
  put16(rect, 6, quint16(f.top + f.height));
  put16(rect, 8, quint16(f.left + f.width));
  put16(rect, 10, quint16(f.top));
  put16(rect, 12, quint16(f.left));
  probe += rect;
  QByteArray eof(6, '\0');
  put32(eof, 0, 3);
  probe += eof;
  const int start = placeable(b) ? kPlaceableBytes : 0;
  put32(probe, start + 6, quint32((probe.size() - start) / 2));  // file size in words
  return probe;
}

struct WmfSession {
  wmfAPI* api = nullptr;
  ~WmfSession() {
    if (api) wmf_api_destroy(api);
  }
};

// Plays bytes into SVG text; when box is given, that box maps onto the output.
QByteArray playToSvg(QByteArray bytes, const QSize& size, wmfD_Rect* box, wmfD_Rect* scanned) {
  WmfSession s;
  wmfAPI_Options options{};
  options.function = wmf_svg_function;
  if (wmf_api_create(&s.api, WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL, &options) != wmf_E_None) return {};
  if (wmf_mem_open(s.api, reinterpret_cast<unsigned char*>(bytes.data()), long(bytes.size())) != wmf_E_None) return {};
  wmfD_Rect bbox{};
  if (wmf_scan(s.api, 0, &bbox) != wmf_E_None) return {};
  if (scanned) *scanned = bbox;
  if (!size.isValid()) return QByteArray("scanned");
  wmf_svg_t* svg = WMF_SVG_GetData(s.api);
  svg->out = wmf_stream_create(s.api, nullptr);
  svg->Description = const_cast<char*>("picture");
  svg->bbox = box ? *box : bbox;
  svg->width = unsigned(size.width());
  svg->height = unsigned(size.height());
  wmfD_Rect playBox = svg->bbox;  // the player may write into its box
  const wmf_error_t played = wmf_play(s.api, 0, &playBox);
  char* text = nullptr;
  unsigned long length = 0;
  wmf_stream_destroy(s.api, svg->out, &text, &length);
  QByteArray out = text ? QByteArray(text, qsizetype(length)) : QByteArray();  // copied before destroy
  wmf_mem_close(s.api);
  if (played != wmf_E_None) return {};
  return out;
}
}  // namespace

QSize wmfNaturalSize(const QByteArray& b, QString* error) {
  const auto f = readFrame(b, error);
  if (!f) return {};
  int w = std::abs(f->width), h = std::abs(f->height);
  if (placeable(b)) {
    // Logical units per inch; the screen shows 96 pixels to the inch.
    const int inch = u16(b, 14);
    if (inch <= 0) {
      *error = QStringLiteral("intestazione del metafile non valida");
      return {};
    }
    w = int((qint64(std::abs(s16(b, 10) - s16(b, 6))) * 96 + inch / 2) / inch);
    h = int((qint64(std::abs(s16(b, 12) - s16(b, 8))) * 96 + inch / 2) / inch);
  }
  if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide) {
    *error = QStringLiteral("dimensioni del metafile non valide (%1 x %2)").arg(w).arg(h);
    return {};
  }
  return QSize(w, h);
}

Rendered renderWmf(const QByteArray& bytes) {
  QString error;
  const QSize size = wmfNaturalSize(bytes, &error);
  if (!size.isValid()) return {QImage(), error};
  const auto frame = readFrame(bytes, &error);
  QByteArray svg = withCNumericLocale([&]() -> QByteArray {
    wmfD_Rect full{};
    if (playToSvg(probeOf(bytes, *frame), QSize(), nullptr, &full).isEmpty()) return {};
    return playToSvg(bytes, size, &full, nullptr);
  });
  if (svg.isEmpty()) return {QImage(), QStringLiteral("metafile non leggibile")};
  // Transparent background mode comes out half transparent; the picture shows it opaque.
  svg.replace("fill-opacity:0.5", "fill-opacity:1");
  return renderSvg(svg, size);
}

}  // namespace toolkit::metafile
