// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/picture_format.h"

#include <QFile>
#include <QPolygon>
#include <QTemporaryDir>

#include <uemf.h>
#include <uwmf.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace sample_maker {

namespace {

// Units per inch of the placeable header, and the enhanced metafile's reference device:
// 1920 x 1440 pixels on 508 x 381 mm. Both make one unit one screen pixel.
constexpr unsigned kUnitsPerInch = 96;
constexpr std::int32_t kDevicePixelsX = 1920, kDevicePixelsY = 1440, kDeviceMmX = 508, kDeviceMmY = 381;

// A pen is a colour and a width, a brush a colour; none for a shape without outline or fill.
using PenStyle = std::optional<std::pair<QRgb, int>>;
using BrushStyle = std::optional<QRgb>;

U_COLORREF colourRef(QRgb c) {
  return colorref3_set(static_cast<uint8_t>(qRed(c)), static_cast<uint8_t>(qGreen(c)), static_cast<uint8_t>(qBlue(c)));
}

U_POINT16 point16(int x, int y) { return point16_set(static_cast<int16_t>(x), static_cast<int16_t>(y)); }

// Hundredths of a millimetre covered by a number of pixels at 96 dots per inch.
std::int32_t hundredthsOfMm(int pixels) { return static_cast<std::int32_t>(std::lround(pixels * 2540.0 / 96.0)); }

// The pens or brushes made so far, each made once and selected again when reused.
template <typename Style>
struct StyleTable {
  std::map<Style, std::uint32_t> handles;
  bool anySelected = false;
  Style selected{};
};

// One builder for both kinds: libuemf spells each record twice, once a kind, but the
// records a scene needs and their order are the same.
class MetafileBuilder {
 public:
  MetafileBuilder(const char* path, PictureFormat format) : emf_(format == PictureFormat::Emf) {
    const bool started =
        emf_ ? emf_start(path, 1u << 18, 1u << 16, &emfTrack_) == 0 && emf_htable_create(128, 128, &emfHandles_) == 0
             : wmf_start(path, 1u << 18, 1u << 16, &wmfTrack_) == 0 && wmf_htable_create(128, 128, &wmfHandles_) == 0;
    if (!started) {
      release();
      throw std::runtime_error("cannot start the metafile");
    }
  }
  ~MetafileBuilder() { release(); }
  MetafileBuilder(const MetafileBuilder&) = delete;
  MetafileBuilder& operator=(const MetafileBuilder&) = delete;

  void header(int width, int height) {
    if (emf_) {
      const U_RECTL bounds = rectl_set(point32_set(0, 0), point32_set(width - 1, height - 1));
      const U_RECTL frame = rectl_set(point32_set(0, 0), point32_set(hundredthsOfMm(width), hundredthsOfMm(height)));
      append(U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, sizel_set(kDevicePixelsX, kDevicePixelsY),
                             sizel_set(kDeviceMmX, kDeviceMmY), 0),
             "header");
      append(U_EMRSETMAPMODE_set(U_MM_TEXT), "map mode");
      append(U_EMRSETBKMODE_set(U_OPAQUE), "background mode");
      append(U_EMRSETPOLYFILLMODE_set(U_WINDING), "fill mode");
      return;
    }
    U_PAIRF* inches =
        U_PAIRF_set(static_cast<float>(width) / kUnitsPerInch, static_cast<float>(height) / kUnitsPerInch);
    char* record = inches ? U_WMRHEADER_set(inches, kUnitsPerInch) : nullptr;
    std::free(inches);
    if (!record || wmf_header_append(reinterpret_cast<U_METARECORD*>(record), wmfTrack_, 1) != 0) {
      throw std::runtime_error("cannot write the metafile header");
    }
    append(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC), "map mode");
    append(U_WMRSETWINDOWORG_set(point16(0, 0)), "window origin");
    append(U_WMRSETWINDOWEXT_set(point16(width, height)), "window extent");
    append(U_WMRSETBKMODE_set(U_OPAQUE), "background mode");
    append(U_WMRSETPOLYFILLMODE_set(U_WINDING), "fill mode");
  }

  void shape(const Shape& shape) {
    use(pens_, shape.pen.isValid() && shape.penWidth > 0 ? PenStyle(std::make_pair(shape.pen.rgb(), shape.penWidth))
                                                         : std::nullopt);
    use(brushes_,
        shape.fill.isValid() && shape.kind != ShapeKind::Polyline ? BrushStyle(shape.fill.rgb()) : std::nullopt);
    std::vector<U_POINT16> points;
    for (const QPoint& p : shape.points) points.push_back(point16(p.x(), p.y()));
    const auto n = static_cast<uint16_t>(points.size());
    const QRect r = QPolygon(QList<QPoint>(shape.points.begin(), shape.points.end())).boundingRect();
    const U_RECTL bounds = rectl_set(point32_set(r.left(), r.top()), point32_set(r.right(), r.bottom()));
    char* record = nullptr;
    switch (shape.kind) {
      case ShapeKind::Rectangle:
        record = emf_ ? U_EMRRECTANGLE_set(bounds) : U_WMRRECTANGLE_set(U_RECT16_set(points[0], points[1]));
        break;
      case ShapeKind::Ellipse:
        record = emf_ ? U_EMRELLIPSE_set(bounds) : U_WMRELLIPSE_set(U_RECT16_set(points[0], points[1]));
        break;
      case ShapeKind::Polygon:
        record = emf_ ? U_EMRPOLYGON16_set(bounds, n, points.data()) : U_WMRPOLYGON_set(n, points.data());
        break;
      case ShapeKind::Polyline:
        record = emf_ ? U_EMRPOLYLINE16_set(bounds, n, points.data()) : U_WMRPOLYLINE_set(n, points.data());
        break;
    }
    append(record, "shape");
  }

  void finish() {
    append(emf_ ? U_EMREOF_set(0, nullptr, emfTrack_) : U_WMREOF_set(), "end");
    if ((emf_ ? emf_finish(emfTrack_, emfHandles_) : wmf_finish(wmfTrack_)) != 0) {
      throw std::runtime_error("cannot finish the metafile");
    }
  }

 private:
  void append(char* record, const char* what) {
    const bool failed = !record || (emf_ ? emf_append(reinterpret_cast<PU_ENHMETARECORD>(record), emfTrack_, 1)
                                         : wmf_append(reinterpret_cast<U_METARECORD*>(record), wmfTrack_, 1)) != 0;
    if (failed) throw std::runtime_error(std::string("cannot write the metafile record ") + what);
  }

  char* select(std::uint32_t handle) {
    return emf_ ? selectobject_set(handle, emfHandles_) : wselectobject_set(handle, wmfHandles_);
  }

  char* make(const PenStyle& pen, std::uint32_t& handle) {
    if (!emf_) {
      const U_PEN p = pen ? U_PEN_set(U_PS_SOLID, static_cast<uint16_t>(pen->second), colourRef(pen->first))
                          : U_PEN_set(U_PS_NULL, 0, colorref3_set(0, 0, 0));
      return wcreatepenindirect_set(&handle, wmfHandles_, p);
    }
    if (!pen)
      return createpen_set(&handle, emfHandles_, logpen_set(U_PS_NULL, point32_set(0, 0), colorref3_set(0, 0, 0)));
    // A geometric pen keeps its width in logical units, with round ends as painted on screen.
    PU_EXTLOGPEN p =
        extlogpen_set(U_PS_GEOMETRIC | U_PS_SOLID | U_PS_ENDCAP_ROUND | U_PS_JOIN_ROUND,
                      static_cast<uint32_t>(pen->second), U_BS_SOLID, colourRef(pen->first), 0, 0, nullptr);
    char* record = p ? extcreatepen_set(&handle, emfHandles_, nullptr, 0, nullptr, p) : nullptr;
    std::free(p);
    return record;
  }

  char* make(const BrushStyle& brush, std::uint32_t& handle) {
    const U_COLORREF colour = brush ? colourRef(*brush) : colorref3_set(0, 0, 0);
    const uint32_t style = brush ? U_BS_SOLID : U_BS_NULL;
    return emf_ ? createbrushindirect_set(&handle, emfHandles_, logbrush_set(style, colour, 0))
                : wcreatebrushindirect_set(&handle, wmfHandles_,
                                           U_WLOGBRUSH_set(static_cast<uint16_t>(style), colour, 0));
  }

  template <typename Style>
  void use(StyleTable<Style>& table, const Style& style) {
    if (table.anySelected && table.selected == style) return;
    auto found = table.handles.find(style);
    if (found == table.handles.end()) {
      std::uint32_t handle = 0;
      append(make(style, handle), "create pen or brush");
      found = table.handles.emplace(style, handle).first;
    }
    append(select(found->second), "select pen or brush");
    table.anySelected = true;
    table.selected = style;
  }

  // libwmf, which the game links to read metafiles, exports a wmf_free of its own that
  // wins over libuemf's in a program holding both; so the track is freed here, as
  // libuemf's wmf_free would: the buffer, the track, and the object count it keeps.
  void release() {
    if (wmfTrack_) {
      if (wmfTrack_->fp) std::fclose(wmfTrack_->fp);
      std::free(wmfTrack_->buf);
      std::free(wmfTrack_);
      wmfTrack_ = nullptr;
      wmf_highwater(U_HIGHWATER_CLEAR);
    }
    if (wmfHandles_) wmf_htable_free(&wmfHandles_);
    if (emfTrack_) emf_free(&emfTrack_);
    if (emfHandles_) emf_htable_free(&emfHandles_);
  }

  const bool emf_;
  WMFTRACK* wmfTrack_ = nullptr;
  WMFHANDLES* wmfHandles_ = nullptr;
  EMFTRACK* emfTrack_ = nullptr;
  EMFHANDLES* emfHandles_ = nullptr;
  StyleTable<PenStyle> pens_;
  StyleTable<BrushStyle> brushes_;
};

}  // namespace

QByteArray encodeMetafile(const Scene& scene, PictureFormat format) {
  // libuemf writes only to a named file: a private scratch file, read back.
  QTemporaryDir dir;
  if (!dir.isValid())
    throw std::runtime_error("cannot make a scratch folder for a metafile: " + dir.errorString().toStdString());
  const QString path = dir.filePath("picture");
  {
    MetafileBuilder builder(QFile::encodeName(path).constData(), format);
    builder.header(scene.width, scene.height);
    builder.shape(box(0, 0, scene.width, scene.height, scene.background));
    for (const Shape& shape : scene.shapes) builder.shape(shape);
    builder.finish();
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error("cannot read back the metafile: " + file.errorString().toStdString());
  return file.readAll();
}

}  // namespace sample_maker
