#include "toolkit/picture_loader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <cstdlib>

#include "toolkit/metafile_rendering.h"

namespace toolkit {

namespace {
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

quint32 le32(const QByteArray& b, int at) {
  if (b.size() < at + 4) return 0;
  const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
  return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

LoadedPicture failure(const QString& why) { return {QImage(), why}; }

// Qt fills the missing rows of a cut-off bitmap; a cut-off file is not a picture we show.
bool bitmapTruncated(const QByteArray& b) {
  if (b.size() < 54) return true;
  const quint32 declared = le32(b, 2);
  if (declared != 0 && declared > quint32(b.size())) return true;
  const quint32 dataOffset = le32(b, 10);
  const qint32 width = qint32(le32(b, 18));
  const qint32 height = qint32(le32(b, 22));
  const quint32 bitsPerPixel = le32(b, 28) & 0xFFFF;
  const quint32 compression = le32(b, 30);
  if (compression != 0 || width <= 0 || height == 0 || bitsPerPixel == 0) return false;  // left to the reader
  const qint64 stride = ((qint64(width) * bitsPerPixel + 31) / 32) * 4;
  return qint64(dataOffset) + stride * std::abs(qint64(height)) > b.size();
}

LoadedPicture decodeRaster(const QByteArray& bytes, const char* format) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  reader.setDecideFormatFromContent(true);
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty()) return failure(QStringLiteral("intestazione non leggibile"));
  if (size.width() > metafile::kMaxSide || size.height() > metafile::kMaxSide) {
    return failure(QStringLiteral("immagine troppo grande (%1 x %2)").arg(size.width()).arg(size.height()));
  }
  QImage image = reader.read();
  if (image.isNull()) return failure(reader.errorString());
  return {image, QString()};
}
}  // namespace

PictureKind sniffPictureKind(const QByteArray& head) {
  const auto at = [&](int i) { return head.size() > i ? static_cast<unsigned char>(head[i]) : -1; };
  if (at(0) == 0x42 && at(1) == 0x4D) return PictureKind::Bmp;
  if (at(0) == 0xFF && at(1) == 0xD8 && at(2) == 0xFF) return PictureKind::Jpeg;
  if (head.startsWith("GIF87a") || head.startsWith("GIF89a")) return PictureKind::Gif;
  if (at(0) == 0xD7 && at(1) == 0xCD && at(2) == 0xC6 && at(3) == 0x9A) return PictureKind::Wmf;
  if ((at(0) == 0x01 || at(0) == 0x02) && at(1) == 0x00 && at(2) == 0x09 && at(3) == 0x00) return PictureKind::Wmf;
  if (le32(head, 0) == 1 && head.mid(40, 4) == " EMF") return PictureKind::Emf;
  return PictureKind::Unknown;
}

LoadedPicture decodePicture(const QByteArray& bytes) {
  switch (sniffPictureKind(bytes.left(64))) {
    case PictureKind::Bmp:
      if (bitmapTruncated(bytes)) return failure(QStringLiteral("bitmap troncata"));
      return decodeRaster(bytes, "BMP");
    case PictureKind::Jpeg: return decodeRaster(bytes, "JPEG");
    case PictureKind::Gif: return decodeRaster(bytes, "GIF");
    case PictureKind::Wmf: {
      auto r = metafile::renderWmf(bytes);
      return {r.image, r.error};
    }
    case PictureKind::Emf: {
      auto r = metafile::renderEmf(bytes);
      return {r.image, r.error};
    }
    case PictureKind::Unknown: break;
  }
  return failure(QStringLiteral("formato non riconosciuto"));
}

LoadedPicture loadPicture(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return failure(f.errorString());
  if (f.size() > kMaxFileBytes) return failure(QStringLiteral("file troppo grande"));
  const QByteArray bytes = f.readAll();
  LoadedPicture p = decodePicture(bytes);
  if (!p.ok() && p.error.isEmpty()) p.error = QStringLiteral("non è un'immagine leggibile");
  return p;
}

}  // namespace toolkit
