// SPDX-License-Identifier: GPL-2.0-or-later
// Enhanced metafiles: checked record by record, then converted by libemf2svg.
#include <QRect>
#include <cmath>
#include <cstdlib>

#include "toolkit/metafile_drawing/metafile_rendering.h"

#include <emf2svg.h>
#include <uemf.h>
#include <uemf_safe.h>

namespace toolkit::metafile {

namespace {
constexpr qsizetype kHeaderBytes = 88;
constexpr quint32 kSignature = 0x464D4520;  // " EMF"
constexpr double kScreenPixelsPerHmm = 96.0 / 2540.0;

// Offsets inside the header record.
constexpr qsizetype kBounds = 8, kFrame = 24, kSignatureAt = 40, kTotalBytes = 48, kRecordCount = 52, kHandleCount = 56,
                    kDescriptionCount = 60, kDescriptionOffset = 64, kDevicePixels = 72, kDeviceMillimetres = 80,
                    kPixelFormatBytes = 88, kPixelFormatOffset = 92;

struct Box {
  qint64 left, top, right, bottom;
};

Box boxAt(const QByteArray& b, qsizetype at) {
  return {s32At(b, at), s32At(b, at + 4), s32At(b, at + 8), s32At(b, at + 12)};
}

// Records of types libuemf cannot check draw nothing that matters here; they are left out.
bool uncheckable(quint32 type) {
  switch (type) {
    case 69:
    case 96:
    case 97:
    case 102:
    case 103:
    case 105:
    case 106:
    case 107:
    case 108:
    case 109:
    case 110:
    case 111:
    case 112:
    case 113:
    case 117:
    case 119:
    case 120:
    case 121: return true;
    default: return type < 1 || type > U_EMR_MAX;
  }
}

bool createsObject(quint32 type) {
  switch (type) {
    case U_EMR_CREATEPEN:
    case U_EMR_CREATEBRUSHINDIRECT:
    case U_EMR_CREATEPALETTE:
    case U_EMR_EXTCREATEFONTINDIRECTW:
    case U_EMR_CREATEMONOBRUSH:
    case U_EMR_CREATEDIBPATTERNBRUSHPT:
    case U_EMR_EXTCREATEPEN:
    case U_EMR_CREATECOLORSPACE:
    case U_EMR_CREATECOLORSPACEW: return true;
    default: return false;
  }
}

bool namesObject(quint32 type) {
  return createsObject(type) || type == U_EMR_SELECTOBJECT || type == U_EMR_DELETEOBJECT || type == U_EMR_SELECTPALETTE;
}

bool recordSafe(const QByteArray& b, qsizetype at) { return U_emf_record_safe(b.constData() + at) != 0; }

// What the picture is: its size on the screen and the part of the reference device
// that it covers, in device pixels.
struct Placement {
  QSize natural;
  Box deviceFrame;
};

Placement placementOf(const QByteArray& b, QString* error) {
  const Box frame = boxAt(b, kFrame);
  const Box bounds = boxAt(b, kBounds);
  const qint64 frameWidth = frame.right - frame.left, frameHeight = frame.bottom - frame.top;
  if (frameWidth <= 0 || frameHeight <= 0) {
    // No usable frame: the drawing's own bounds, inclusive device pixels, are the picture.
    const qint64 w = bounds.right - bounds.left + 1, h = bounds.bottom - bounds.top + 1;
    *error = sizeProblem(w, h);
    return {QSize(int(w), int(h)), {bounds.left, bounds.top, bounds.left + w, bounds.top + h}};
  }
  const qint64 w = std::llround(double(frameWidth) * kScreenPixelsPerHmm);
  const qint64 h = std::llround(double(frameHeight) * kScreenPixelsPerHmm);
  *error = sizeProblem(w, h);
  if (!error->isEmpty()) return {};

  // The frame is in hundredths of a millimetre; the records in pixels of the reference device.
  auto perHmm = [](qint32 pixels, qint32 millimetres) {
    const double r = millimetres > 0 && pixels > 0 ? double(pixels) / (millimetres * 100.0) : 0.0;
    return r > 0.001 && r < 10.0 ? r : kScreenPixelsPerHmm;
  };
  const double px = perHmm(s32At(b, kDevicePixels), s32At(b, kDeviceMillimetres));
  const double py = perHmm(s32At(b, kDevicePixels + 4), s32At(b, kDeviceMillimetres + 4));
  return {QSize(int(w), int(h)),
          {std::llround(frame.left * px), std::llround(frame.top * py), std::llround(frame.right * px),
           std::llround(frame.bottom * py)}};
}

// The header's description and pixel format are read by the converter wherever their
// offsets point, even with a length of 0. Drawing needs neither: parts that do not lie
// wholly inside the header are dropped.
void dropStrayHeaderParts(QByteArray& header) {
  const auto inside = [&](qint64 offset, qint64 bytes) {
    return bytes > 0 && offset >= kHeaderBytes && offset + bytes <= header.size();
  };
  const qint64 descriptionChars = u32At(header, kDescriptionCount);
  if (!inside(u32At(header, kDescriptionOffset), 2 * descriptionChars)) {
    put32At(header, kDescriptionCount, 0);
    put32At(header, kDescriptionOffset, 0);
  }
  if (header.size() >= kPixelFormatOffset + 4 &&
      !inside(u32At(header, kPixelFormatOffset), u32At(header, kPixelFormatBytes))) {
    put32At(header, kPixelFormatBytes, 0);
    put32At(header, kPixelFormatOffset, 0);
  }
}

// A copy the converter can trust: every record inside the data and consistent with
// itself, nothing after the end record, the header's counts true, and the header's
// bounds replaced by the frame so the margins of the picture are kept.
QByteArray checkedCopy(const QByteArray& b, const Placement& placement, QString* error) {
  const qsizetype headerBytes = u32At(b, 4);
  if (headerBytes < kHeaderBytes || headerBytes % 4 != 0 || headerBytes > b.size() || !recordSafe(b, 0)) {
    *error = QStringLiteral("intestazione del metafile danneggiata");
    return {};
  }
  QByteArray out = b.left(headerBytes);
  dropStrayHeaderParts(out);
  quint32 records = 1;
  quint32 handles = u16At(b, kHandleCount);
  qsizetype at = headerBytes;
  for (;;) {
    if (b.size() - at < 8) {
      *error = QStringLiteral("metafile troncato");
      return {};
    }
    const quint32 type = u32At(b, at);
    const quint32 size = u32At(b, at + 4);
    if (size < 8 || size % 4 != 0 || qint64(size) > b.size() - at) {
      *error = QStringLiteral("metafile troncato o danneggiato");
      return {};
    }
    if (type == U_EMR_HEADER) {
      *error = QStringLiteral("metafile danneggiato (due intestazioni)");
      return {};
    }
    if (!uncheckable(type)) {
      if (!recordSafe(b, at)) {
        *error = QStringLiteral("metafile danneggiato (record %1 non valido)").arg(records);
        return {};
      }
      if (namesObject(type) && size >= 12) {
        const quint32 index = u32At(b, at + 8);
        if (!(index & U_STOCK_OBJECT)) {
          if (index >= 0xFFFF) {
            *error = QStringLiteral("metafile danneggiato (oggetto %1)").arg(index);
            return {};
          }
          handles = qMax(handles, index + 1);
        }
      }
      out.append(b.constData() + at, size);
      ++records;
    }
    at += size;
    if (type == U_EMR_EOF) break;
  }
  const Box f = placement.deviceFrame;
  for (int i = 0; i < 4; ++i) {
    const qint64 v = i == 0 ? f.left : i == 1 ? f.top : i == 2 ? f.right : f.bottom;
    if (v < INT32_MIN || v > INT32_MAX) {
      *error = QStringLiteral("cornice del metafile non valida");
      return {};
    }
    put32At(out, kBounds + 4 * i, quint32(qint32(v)));
  }
  put32At(out, kTotalBytes, quint32(out.size()));
  put32At(out, kRecordCount, records);
  put16At(out, kHandleCount, quint16(handles));
  return out;
}
}  // namespace

Rendered renderEmf(const QByteArray& bytes) {
  if (bytes.size() < kHeaderBytes) return {QImage(), QStringLiteral("metafile troncato")};
  if (u32At(bytes, 0) != U_EMR_HEADER || u32At(bytes, kSignatureAt) != kSignature) {
    return {QImage(), QStringLiteral("intestazione del metafile non valida")};
  }
  QString error;
  const Placement placement = placementOf(bytes, &error);
  if (!error.isEmpty()) return {QImage(), error};
  QByteArray input = checkedCopy(bytes, placement, &error);
  if (input.isEmpty()) return {QImage(), error};

  generatorOptions options{};
  options.nameSpace = nullptr;  // a namespace prefix leaks inside the library
  options.verbose = false;
  options.emfplus = false;  // the plain records that accompany EMF+ ones draw the same picture
  options.svgDelimiter = true;
  char* out = nullptr;
  size_t outLength = 0;
  int converted = 0;
  {
    const CNumericScope numbers;
    converted = emf2svg(input.data(), size_t(input.size()), &out, &outLength, &options);
  }
  const QByteArray svg = out ? QByteArray(out, qsizetype(outLength)) : QByteArray();
  std::free(out);
  if (converted != 1 || svg.isEmpty()) return {QImage(), QStringLiteral("metafile non convertibile")};
  return renderSvg(svg, placement.natural);
}

}  // namespace toolkit::metafile
