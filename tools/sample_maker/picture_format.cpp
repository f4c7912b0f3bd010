// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/picture_format.h"

#include <QBuffer>

#include <stdexcept>

#include "tools/gif_writer.h"

namespace sample_maker {

namespace {
// High enough that the flat colours keep clean edges.
constexpr int kJpegQuality = 95;

QByteArray saveWithQt(const QImage& image, const char* format, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, format, quality)) {
    throw std::runtime_error(std::string("cannot encode the picture as ") + format);
  }
  return bytes;
}
}  // namespace

std::string fileExtension(PictureFormat format) {
  static const char* const extensions[] = {"bmp", "jpg", "gif", "wmf", "emf"};
  return extensions[static_cast<int>(format)];
}

bool paintsSmoothly(PictureFormat format) { return format != PictureFormat::Gif; }

QByteArray encodeRaster(const QImage& image, PictureFormat format) {
  switch (format) {
    case PictureFormat::Bmp: return saveWithQt(image.convertToFormat(QImage::Format_RGB32), "BMP", -1);
    case PictureFormat::Jpeg: return saveWithQt(image.convertToFormat(QImage::Format_RGB32), "JPG", kJpegQuality);
    case PictureFormat::Gif: return encodeGif(image);
    case PictureFormat::Wmf:
    case PictureFormat::Emf: break;
  }
  throw std::invalid_argument("a metafile is written from a scene, not from a raster picture");
}

QByteArray encodeScene(const Scene& scene, PictureFormat format) {
  switch (format) {
    case PictureFormat::Wmf:
    case PictureFormat::Emf: return encodeMetafile(scene, format);
    default: return encodeRaster(paintScene(scene, paintsSmoothly(format)), format);
  }
}

}  // namespace sample_maker
