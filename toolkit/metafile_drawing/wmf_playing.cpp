// SPDX-License-Identifier: GPL-2.0-or-later
// Windows metafiles, once their records are checked, played by libwmf's SVG layer.
// Qt first: libwmf's headers define short macros that would break Qt's.
#include "toolkit/metafile_drawing/metafile_rendering.h"
#include "toolkit/metafile_drawing/wmf_colours.h"
#include "toolkit/metafile_drawing/wmf_records.h"

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
using namespace wmf;

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
  return wmf_mem_open(s.api, reinterpret_cast<unsigned char*>(s.bytes.data()), long(s.bytes.size())) == wmf_E_None;
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
    if (f.left < INT16_MIN || f.top < INT16_MIN || f.right > INT16_MAX || f.bottom > INT16_MAX || f.right < INT16_MIN ||
        f.bottom < INT16_MIN || f.left > INT16_MAX || f.top > INT16_MAX) {
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
