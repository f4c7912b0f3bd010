#include <emf2svg.h>

#include <cstdlib>

#include "toolkit/metafile_rendering.h"

namespace toolkit::metafile {

namespace {
qint32 le32s(const QByteArray& b, int at) {
  const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
  return qint32(quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24);
}
constexpr int kHeaderBytes = 88;
}  // namespace

QSize emfNaturalSize(const QByteArray& bytes, QString* error) {
  if (bytes.size() < kHeaderBytes) {
    *error = QStringLiteral("metafile troncato");
    return {};
  }
  const qint32 recordSize = le32s(bytes, 4);
  const qint32 fileSize = le32s(bytes, 48);
  if (recordSize < kHeaderBytes || recordSize > bytes.size() || fileSize > bytes.size() + 0 || fileSize < recordSize) {
    *error = QStringLiteral("metafile troncato o danneggiato");
    return {};
  }
  // Bounds are inclusive device pixels.
  const qint64 w = qint64(le32s(bytes, 16)) - le32s(bytes, 8) + 1;
  const qint64 h = qint64(le32s(bytes, 20)) - le32s(bytes, 12) + 1;
  if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide) {
    *error = QStringLiteral("dimensioni del metafile non valide (%1 x %2)").arg(w).arg(h);
    return {};
  }
  return QSize(int(w), int(h));
}

Rendered renderEmf(const QByteArray& bytes) {
  QString error;
  const QSize size = emfNaturalSize(bytes, &error);
  if (!size.isValid()) return {QImage(), error};
  QByteArray input = bytes.left(le32s(bytes, 48));  // the library may write into its input
  generatorOptions options{};
  options.nameSpace = nullptr;  // a namespace prefix leaks inside the library
  options.svgDelimiter = true;
  options.imgWidth = size.width();
  options.imgHeight = size.height();
  char* out = nullptr;
  size_t outLength = 0;
  const int ok = withCNumericLocale(
      [&] { return emf2svg(input.data(), size_t(input.size()), &out, &outLength, &options); });
  QByteArray svg = out ? QByteArray(out, qsizetype(outLength)) : QByteArray();
  std::free(out);
  if (ok != 1 || svg.isEmpty()) return {QImage(), QStringLiteral("metafile non leggibile")};
  return renderSvg(svg, size);
}

}  // namespace toolkit::metafile
