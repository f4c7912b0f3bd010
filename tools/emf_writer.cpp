// SPDX-License-Identifier: GPL-2.0-or-later
#include <uemf.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/metafile_scratch.h"
#include "tools/metafile_styles.h"
#include "tools/metafile_writer.h"

namespace sample_maker {

namespace {

// A reference device of 96 dots per inch: 1920 x 1440 pixels on 508 x 381 mm.
constexpr std::int32_t kDevicePixelsX = 1920, kDevicePixelsY = 1440;
constexpr std::int32_t kDeviceMmX = 508, kDeviceMmY = 381;

U_COLORREF colourRef(QRgb c) {
  return colorref3_set(static_cast<uint8_t>(qRed(c)), static_cast<uint8_t>(qGreen(c)), static_cast<uint8_t>(qBlue(c)));
}

// Hundredths of a millimetre covered by a number of pixels at 96 dots per inch.
std::int32_t hundredthsOfMm(int pixels) { return static_cast<std::int32_t>(std::lround(pixels * 2540.0 / 96.0)); }

class EmfBuilder {
 public:
  explicit EmfBuilder(const char* path) {
    if (emf_start(path, 1u << 18, 1u << 16, &track_) != 0 || emf_htable_create(128, 128, &handles_) != 0) {
      release();
      throw std::runtime_error("cannot start the enhanced metafile");
    }
  }
  ~EmfBuilder() { release(); }
  EmfBuilder(const EmfBuilder&) = delete;
  EmfBuilder& operator=(const EmfBuilder&) = delete;

  void append(char* record, const char* what) {
    if (!record || emf_append(reinterpret_cast<PU_ENHMETARECORD>(record), track_, 1) != 0) {
      throw std::runtime_error(std::string("cannot write the metafile record ") + what);
    }
  }

  void usePen(const PenStyle& style) {
    pens_.use(
        style,
        [&] {
          std::uint32_t handle = 0;
          if (style) {
            // A geometric pen keeps its width in logical units, with round ends as painted on screen.
            PU_EXTLOGPEN pen =
                extlogpen_set(U_PS_GEOMETRIC | U_PS_SOLID | U_PS_ENDCAP_ROUND | U_PS_JOIN_ROUND,
                              static_cast<uint32_t>(style->second), U_BS_SOLID, colourRef(style->first), 0, 0, nullptr);
            char* record = pen ? extcreatepen_set(&handle, handles_, nullptr, 0, nullptr, pen) : nullptr;
            std::free(pen);
            append(record, "create pen");
          } else {
            append(createpen_set(&handle, handles_, logpen_set(U_PS_NULL, point32_set(0, 0), colorref3_set(0, 0, 0))),
                   "create pen");
          }
          return handle;
        },
        [&](std::uint32_t handle) { append(selectobject_set(handle, handles_), "select pen"); });
  }

  void useBrush(const BrushStyle& style) {
    brushes_.use(
        style,
        [&] {
          std::uint32_t handle = 0;
          const U_LOGBRUSH brush = style ? logbrush_set(U_BS_SOLID, colourRef(*style), 0)
                                         : logbrush_set(U_BS_NULL, colorref3_set(0, 0, 0), 0);
          append(createbrushindirect_set(&handle, handles_, brush), "create brush");
          return handle;
        },
        [&](std::uint32_t handle) { append(selectobject_set(handle, handles_), "select brush"); });
  }

  void finish() {
    append(U_EMREOF_set(0, nullptr, track_), "end");
    if (emf_finish(track_, handles_) != 0) {
      throw std::runtime_error("cannot finish the enhanced metafile");
    }
  }

 private:
  void release() {
    if (track_) {
      emf_free(&track_);
    }
    if (handles_) {
      emf_htable_free(&handles_);
    }
  }

  EMFTRACK* track_ = nullptr;
  EMFHANDLES* handles_ = nullptr;
  StyleTable<PenStyle> pens_;
  StyleTable<BrushStyle> brushes_;
};

U_RECTL boundsOf(const std::vector<U_POINT16>& points) {
  U_RECTL r{points.front().x, points.front().y, points.front().x, points.front().y};
  for (const U_POINT16& p : points) {
    r.left = std::min<int32_t>(r.left, p.x);
    r.top = std::min<int32_t>(r.top, p.y);
    r.right = std::max<int32_t>(r.right, p.x);
    r.bottom = std::max<int32_t>(r.bottom, p.y);
  }
  return r;
}

void writeShape(EmfBuilder& emf, const Shape& shape) {
  emf.usePen(penOf(shape));
  emf.useBrush(brushOf(shape));
  std::vector<U_POINT16> points;
  for (const QPoint& p : shape.points) {
    points.push_back(point16_set(static_cast<int16_t>(p.x()), static_cast<int16_t>(p.y())));
  }
  switch (shape.kind) {
    case ShapeKind::Rectangle:
    case ShapeKind::Ellipse: {
      const U_RECTL area = rectl_set(point32_set(points[0].x, points[0].y), point32_set(points[1].x, points[1].y));
      if (shape.kind == ShapeKind::Rectangle) {
        emf.append(U_EMRRECTANGLE_set(area), "rectangle");
      } else {
        emf.append(U_EMRELLIPSE_set(area), "ellipse");
      }
      break;
    }
    case ShapeKind::Polygon:
      emf.append(U_EMRPOLYGON16_set(boundsOf(points), static_cast<uint32_t>(points.size()), points.data()), "polygon");
      break;
    case ShapeKind::Polyline:
      emf.append(U_EMRPOLYLINE16_set(boundsOf(points), static_cast<uint32_t>(points.size()), points.data()),
                 "polyline");
      break;
  }
}

}  // namespace

QByteArray encodeEmf(const Scene& scene) {
  MetafileScratch scratch;
  {
    EmfBuilder emf(scratch.path().constData());
    const U_RECTL bounds = rectl_set(point32_set(0, 0), point32_set(scene.width - 1, scene.height - 1));
    const U_RECTL frame =
        rectl_set(point32_set(0, 0), point32_set(hundredthsOfMm(scene.width), hundredthsOfMm(scene.height)));
    emf.append(U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, sizel_set(kDevicePixelsX, kDevicePixelsY),
                               sizel_set(kDeviceMmX, kDeviceMmY), 0),
               "header");
    emf.append(U_EMRSETMAPMODE_set(U_MM_TEXT), "map mode");
    emf.append(U_EMRSETBKMODE_set(U_OPAQUE), "background mode");
    emf.append(U_EMRSETPOLYFILLMODE_set(U_WINDING), "fill mode");
    for (const Shape& shape : shapesWithBackground(scene)) {
      writeShape(emf, shape);
    }
    emf.finish();
  }
  return scratch.contents();
}

}  // namespace sample_maker
