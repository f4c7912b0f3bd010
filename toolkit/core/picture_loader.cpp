// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/picture_loader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "toolkit/failure_reasons.h"
#include "toolkit/metafile_process.h"
#include "toolkit/metafile_limits.h"

namespace toolkit {

namespace {
using metafile::s32At;
using metafile::u16At;
using metafile::u32At;

constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
// Enough for the largest picture we show, at four bytes a pixel, with room to spare.
constexpr int kAllocationLimitMb = 300;

LoadedPicture failure(const QString& why) { return {QImage(), why}; }

// Each check below looks at the file's structure before Qt decodes it: Qt reads pictures
// of any size, and shows cut-off files with what it has.

QString bitmapProblem(const QByteArray& b) {
  const QString cut = QStringLiteral("bitmap troncata o danneggiata");
  if (b.size() < 18) return cut;
  const quint32 infoBytes = u32At(b, 14);
  if ((infoBytes != 12 && infoBytes < 40) || b.size() < 14 + qint64(infoBytes)) return cut;
  qint64 width, height;
  quint32 bitsPerPixel, compression = 0;
  if (infoBytes == 12) {
    width = u16At(b, 18);
    height = u16At(b, 20);
    bitsPerPixel = u16At(b, 24);
  } else {
    width = s32At(b, 18);
    height = std::llabs(qint64(s32At(b, 22)));
    bitsPerPixel = u16At(b, 28);
    compression = u32At(b, 30);
  }
  const QString size = metafile::sizeProblem(width, height);
  if (!size.isEmpty()) return size;
  const quint32 declared = u32At(b, 2);
  const quint32 dataOffset = u32At(b, 10);
  if ((declared != 0 && declared > quint32(b.size())) || dataOffset > quint32(b.size())) return cut;
  // Compressed rows end where their data says; the reader checks those.
  if ((compression != 0 && compression != 3) || bitsPerPixel == 0) return QString();
  const qint64 stride = ((width * bitsPerPixel + 31) / 32) * 4;
  return qint64(dataOffset) + stride * height > b.size() ? cut : QString();
}

// The image data (after the first start-of-scan) must reach the end-of-image marker.
QString jpegProblem(const QByteArray& b) {
  const QString cut = QStringLiteral("JPEG troncato o danneggiato");
  qsizetype at = 2;
  bool sized = false;
  while (at + 4 <= b.size()) {
    if (quint8(b[at]) != 0xFF) return cut;
    const quint8 marker = quint8(b[at + 1]);
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // markers without a length
      at += 2;
      continue;
    }
    if (marker == 0xD9) return cut;                                                  // the end before any image data
    const qsizetype length = qsizetype(quint8(b[at + 2])) << 8 | quint8(b[at + 3]);  // big-endian
    if (length < 2) return cut;
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame && !sized) {
      if (length < 7 || at + 9 > b.size()) return cut;
      const int height = quint8(b[at + 5]) << 8 | quint8(b[at + 6]);
      const int width = quint8(b[at + 7]) << 8 | quint8(b[at + 8]);
      // A height of 0 is given later in the file; the reader's size tells then.
      const QString size = metafile::sizeProblem(width, height == 0 ? 1 : height);
      if (!size.isEmpty()) return size;
      sized = true;
    }
    if (marker == 0xDA) return b.indexOf(QByteArray("\xFF\xD9", 2), at + 2 + length) < 0 ? cut : QString();
    at += 2 + length;
  }
  return cut;
}

// The first image's data must be whole; what follows it (more frames of an animation)
// is not shown anyway. Qt makes the picture as large as the screen or the image
// descriptor asks, whichever is larger.
QString gifProblem(const QByteArray& b) {
  const QString cut = QStringLiteral("GIF troncata o danneggiata");
  auto byte = [&](qsizetype at) { return quint8(b[at]); };
  auto skipSubBlocks = [&](qsizetype at) -> qsizetype {
    while (at < b.size()) {
      const quint8 n = byte(at);
      if (n == 0) return at + 1;
      at += 1 + n;
    }
    return -1;
  };
  if (b.size() < 13) return cut;
  QString size = metafile::sizeProblem(u16At(b, 6), u16At(b, 8));
  if (!size.isEmpty()) return size;
  qsizetype at = 13;
  if (byte(10) & 0x80) at += 3 * (qsizetype(2) << (byte(10) & 7));
  while (at < b.size()) {
    const quint8 introducer = byte(at);
    if (introducer == 0x21) {  // extension: label, then data blocks
      if (at + 2 > b.size()) return cut;
      at = skipSubBlocks(at + 2);
      if (at < 0) return cut;
    } else if (introducer == 0x2C) {  // image descriptor
      if (at + 10 > b.size()) return cut;
      size = metafile::sizeProblem(qint64(u16At(b, at + 1)) + u16At(b, at + 5),
                                   qint64(u16At(b, at + 3)) + u16At(b, at + 7));
      if (!size.isEmpty()) return size;
      const quint8 flags = byte(at + 9);
      at += 10;
      if (flags & 0x80) at += 3 * (qsizetype(2) << (flags & 7));
      if (at + 1 > b.size()) return cut;
      return skipSubBlocks(at + 1) < 0 ? cut : QString();  // past the code size byte
    } else {
      return cut;  // the trailer, or anything else, before any image
    }
  }
  return cut;
}

LoadedPicture decodeRaster(const QByteArray& bytes, const char* format, const QString& structureProblem,
                           QImage image = QImage()) {
  if (!structureProblem.isEmpty()) return failure(structureProblem);
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  reader.setDecideFormatFromContent(false);  // the first bytes chose the format already
  reader.setAllocationLimit(kAllocationLimitMb);
  const QSize size = reader.size();
  if (!size.isValid()) return failure(QStringLiteral("intestazione dell'immagine non leggibile"));
  // Refused from the header alone, before any pixel is decoded.
  const QString problem = metafile::sizeProblem(size.width(), size.height());
  if (!problem.isEmpty()) return failure(problem);
  if (!reader.read(&image) || image.isNull()) {
    return failure(QStringLiteral("immagine non leggibile: %1").arg(reader.errorString()));
  }
  const QString decoded = metafile::sizeProblem(image.width(), image.height());
  if (!decoded.isEmpty()) return failure(decoded);
  return {image, QString()};
}

LoadedPicture fromRendered(metafile::Rendered r) { return {r.image, r.error}; }
}  // namespace

PictureKind sniffPictureKind(const QByteArray& head) {
  const auto at = [&](int i) { return head.size() > i ? static_cast<unsigned char>(head[i]) : -1; };
  if (at(0) == 0x42 && at(1) == 0x4D) return PictureKind::Bmp;
  if (at(0) == 0xFF && at(1) == 0xD8 && at(2) == 0xFF) return PictureKind::Jpeg;
  if (head.startsWith("GIF87a") || head.startsWith("GIF89a")) return PictureKind::Gif;
  if (at(0) == 0xD7 && at(1) == 0xCD && at(2) == 0xC6 && at(3) == 0x9A) return PictureKind::Wmf;
  if ((at(0) == 0x01 || at(0) == 0x02) && at(1) == 0x00 && at(2) == 0x09 && at(3) == 0x00) return PictureKind::Wmf;
  if (head.size() >= 44 && u32At(head, 0) == 1 && head.mid(40, 4) == " EMF") return PictureKind::Emf;
  return PictureKind::Unknown;
}

LoadedPicture decodePicture(const QByteArray& bytes) { return decodePicture(bytes, QImage()); }

LoadedPicture decodePicture(const QByteArray& bytes, QImage reuse) {
  if (bytes.isEmpty()) return failure(QStringLiteral("il file è vuoto"));
  if (bytes.size() > kMaxFileBytes) return failure(QStringLiteral("file troppo grande per un'immagine"));
  switch (sniffPictureKind(bytes.left(64))) {
    case PictureKind::Bmp: return decodeRaster(bytes, "bmp", bitmapProblem(bytes));
    // The JPEG decoder writes every pixel of every row, so whatever reuse held never shows.
    // The bitmap (run-length) and GIF decoders may leave pixels as they find them.
    case PictureKind::Jpeg: return decodeRaster(bytes, "jpeg", jpegProblem(bytes), std::move(reuse));
    case PictureKind::Gif: return decodeRaster(bytes, "gif", gifProblem(bytes));
    case PictureKind::Wmf: return fromRendered(metafile::renderInChildProcess(metafile::Format::Wmf, bytes));
    case PictureKind::Emf: return fromRendered(metafile::renderInChildProcess(metafile::Format::Emf, bytes));
    case PictureKind::Unknown: break;
  }
  return failure(QStringLiteral("formato non riconosciuto: non è una bitmap, un JPEG, una GIF né un metafile"));
}

LoadedPicture loadPicture(const QString& path) { return loadPicture(path, QImage()); }

LoadedPicture loadPicture(const QString& path, QImage reuse) {
  // Opened without waiting: a FIFO or a device would otherwise block the open itself,
  // and with it the whole program. Only a regular file is read.
  const QByteArray name = QFile::encodeName(path);
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return failure(QStringLiteral("impossibile aprire %1: %2").arg(path, systemReason(errno)));
  struct FdCloser {
    int fd;
    ~FdCloser() { ::close(fd); }
  } closer{fd};
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    return failure(QStringLiteral("impossibile leggere %1: %2").arg(path, systemReason(errno)));
  }
  if (S_ISDIR(info.st_mode)) return failure(QStringLiteral("%1 è una cartella").arg(path));
  if (!S_ISREG(info.st_mode)) return failure(QStringLiteral("%1 non è un file normale").arg(path));
  if (info.st_size > kMaxFileBytes) return failure(QStringLiteral("file troppo grande per un'immagine"));
  QByteArray bytes;
  bytes.resize(qsizetype(info.st_size));
  qsizetype got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return failure(QStringLiteral("impossibile leggere %1: %2").arg(path, systemReason(errno)));
    if (n == 0) break;  // shorter than it was a moment ago
    got += n;
  }
  bytes.truncate(got);
  return decodePicture(bytes, std::move(reuse));
}

}  // namespace toolkit
