#pragma once
// Metafiles are drawn through SVG: a library turns the records into SVG text, Qt SVG
// renders it at the picture's natural size. Internal to the picture loader.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QtEndian>

#include <locale.h>

namespace toolkit::metafile {

// Largest picture either side may announce; anything bigger is not a picture we show.
inline constexpr int kMaxSide = 8192;

struct Rendered {
  QImage image;
  QString error;  // why, when image is null
};

Rendered renderWmf(const QByteArray& bytes);
Rendered renderEmf(const QByteArray& bytes);

// Renders SVG text onto a white picture of the given size.
Rendered renderSvg(const QByteArray& svg, const QSize& size);

// Empty when a picture of that size can be shown, else the reason.
QString sizeProblem(qint64 width, qint64 height);

// Little-endian fields; the caller has checked that they lie inside the bytes.
inline quint16 u16At(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }
inline qint16 s16At(const QByteArray& b, qsizetype at) { return qFromLittleEndian<qint16>(b.constData() + at); }
inline quint32 u32At(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }
inline qint32 s32At(const QByteArray& b, qsizetype at) { return qFromLittleEndian<qint32>(b.constData() + at); }
inline void put16At(QByteArray& b, qsizetype at, quint16 v) { qToLittleEndian(v, b.data() + at); }
inline void put32At(QByteArray& b, qsizetype at, quint32 v) { qToLittleEndian(v, b.data() + at); }

// While alive, this thread prints numbers with a decimal point: both libraries write
// SVG with %f, which a decimal-comma locale would break. Other categories stay as they are.
class CNumericScope {
 public:
  CNumericScope() {
    const locale_t base = duplocale(uselocale(static_cast<locale_t>(0)));
    if (base == static_cast<locale_t>(0)) return;
    c_ = newlocale(LC_NUMERIC_MASK, "C", base);
    if (c_ == static_cast<locale_t>(0)) {
      freelocale(base);
      return;
    }
    previous_ = uselocale(c_);
  }
  ~CNumericScope() {
    if (c_ == static_cast<locale_t>(0)) return;
    uselocale(previous_);
    freelocale(c_);
  }
  CNumericScope(const CNumericScope&) = delete;
  CNumericScope& operator=(const CNumericScope&) = delete;

 private:
  locale_t c_ = static_cast<locale_t>(0);
  locale_t previous_ = static_cast<locale_t>(0);
};

}  // namespace toolkit::metafile
