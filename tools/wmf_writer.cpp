// SPDX-License-Identifier: GPL-2.0-or-later
#include <uwmf.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/metafile_scratch.h"
#include "tools/metafile_styles.h"
#include "tools/metafile_writer.h"

namespace sample_maker {

namespace {

// Logical units per inch in the placeable header: one unit is one screen pixel.
constexpr unsigned kUnitsPerInch = 96;

U_COLORREF colourRef(QRgb c) {
  return colorref3_set(static_cast<uint8_t>(qRed(c)), static_cast<uint8_t>(qGreen(c)), static_cast<uint8_t>(qBlue(c)));
}

U_POINT16 point16(int x, int y) { return point16_set(static_cast<int16_t>(x), static_cast<int16_t>(y)); }

class WmfBuilder {
 public:
  explicit WmfBuilder(const char* path) {
    if (wmf_start(path, 1u << 18, 1u << 16, &track_) != 0 || wmf_htable_create(128, 128, &handles_) != 0) {
      release();
      throw std::runtime_error("cannot start the Windows metafile");
    }
  }
  ~WmfBuilder() { release(); }
  WmfBuilder(const WmfBuilder&) = delete;
  WmfBuilder& operator=(const WmfBuilder&) = delete;

  void header(int width, int height) {
    U_PAIRF* inches =
        U_PAIRF_set(static_cast<float>(width) / kUnitsPerInch, static_cast<float>(height) / kUnitsPerInch);
    char* record = inches ? U_WMRHEADER_set(inches, kUnitsPerInch) : nullptr;
    std::free(inches);
    if (!record || wmf_header_append(reinterpret_cast<U_METARECORD*>(record), track_, 1) != 0) {
      throw std::runtime_error("cannot write the metafile header");
    }
  }

  void append(char* record, const char* what) {
    if (!record || wmf_append(reinterpret_cast<U_METARECORD*>(record), track_, 1) != 0) {
      throw std::runtime_error(std::string("cannot write the metafile record ") + what);
    }
  }

  void usePen(const PenStyle& style) {
    pens_.use(
        style,
        [&] {
          std::uint32_t handle = 0;
          const U_PEN pen = style ? U_PEN_set(U_PS_SOLID, static_cast<uint16_t>(style->second), colourRef(style->first))
                                  : U_PEN_set(U_PS_NULL, 0, colorref3_set(0, 0, 0));
          append(wcreatepenindirect_set(&handle, handles_, pen), "create pen");
          return handle;
        },
        [&](std::uint32_t handle) { append(wselectobject_set(handle, handles_), "select pen"); });
  }

  void useBrush(const BrushStyle& style) {
    brushes_.use(
        style,
        [&] {
          std::uint32_t handle = 0;
          const U_WLOGBRUSH brush = style ? U_WLOGBRUSH_set(U_BS_SOLID, colourRef(*style), 0)
                                          : U_WLOGBRUSH_set(U_BS_NULL, colorref3_set(0, 0, 0), 0);
          append(wcreatebrushindirect_set(&handle, handles_, brush), "create brush");
          return handle;
        },
        [&](std::uint32_t handle) { append(wselectobject_set(handle, handles_), "select brush"); });
  }

  void finish() {
    append(U_WMREOF_set(), "end");
    if (wmf_finish(track_) != 0) {
      throw std::runtime_error("cannot finish the Windows metafile");
    }
  }

 private:
  // libwmf, which the game links to read metafiles, exports a wmf_free of its own that
  // wins over libuemf's in a program holding both; so the track is freed here, as
  // libuemf's wmf_free would: the buffer, the track, and the object count it keeps.
  void release() {
    if (track_) {
      if (track_->fp) {
        std::fclose(track_->fp);
      }
      std::free(track_->buf);
      std::free(track_);
      track_ = nullptr;
      wmf_highwater(U_HIGHWATER_CLEAR);
    }
    if (handles_) {
      wmf_htable_free(&handles_);
    }
  }

  WMFTRACK* track_ = nullptr;
  WMFHANDLES* handles_ = nullptr;
  StyleTable<PenStyle> pens_;
  StyleTable<BrushStyle> brushes_;
};

void writeShape(WmfBuilder& wmf, const Shape& shape) {
  wmf.usePen(penOf(shape));
  wmf.useBrush(brushOf(shape));
  std::vector<U_POINT16> points;
  for (const QPoint& p : shape.points) {
    points.push_back(point16(p.x(), p.y()));
  }
  switch (shape.kind) {
    case ShapeKind::Rectangle:
    case ShapeKind::Ellipse: {
      const U_RECT16 area = U_RECT16_set(points[0], points[1]);
      if (shape.kind == ShapeKind::Rectangle) {
        wmf.append(U_WMRRECTANGLE_set(area), "rectangle");
      } else {
        wmf.append(U_WMRELLIPSE_set(area), "ellipse");
      }
      break;
    }
    case ShapeKind::Polygon:
      wmf.append(U_WMRPOLYGON_set(static_cast<uint16_t>(points.size()), points.data()), "polygon");
      break;
    case ShapeKind::Polyline:
      wmf.append(U_WMRPOLYLINE_set(static_cast<uint16_t>(points.size()), points.data()), "polyline");
      break;
  }
}

}  // namespace

QByteArray encodeWmf(const Scene& scene) {
  MetafileScratch scratch;
  {
    WmfBuilder wmf(scratch.path().constData());
    wmf.header(scene.width, scene.height);
    wmf.append(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC), "map mode");
    wmf.append(U_WMRSETWINDOWORG_set(point16(0, 0)), "window origin");
    wmf.append(U_WMRSETWINDOWEXT_set(point16(scene.width, scene.height)), "window extent");
    wmf.append(U_WMRSETBKMODE_set(U_OPAQUE), "background mode");
    wmf.append(U_WMRSETPOLYFILLMODE_set(U_WINDING), "fill mode");
    for (const Shape& shape : shapesWithBackground(scene)) {
      writeShape(wmf, shape);
    }
    wmf.finish();
  }
  return scratch.contents();
}

}  // namespace sample_maker
