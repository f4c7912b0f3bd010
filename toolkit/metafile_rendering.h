#pragma once
// Metafiles are drawn through SVG: a library turns the records into SVG text, Qt SVG
// renders it at the picture's natural size.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace toolkit::metafile {

// Largest picture either side may announce; anything bigger is not a picture we show.
inline constexpr int kMaxSide = 8192;

struct Rendered {
  QImage image;
  QString error;
};

// Natural size from the header, or an invalid size with the reason.
QSize wmfNaturalSize(const QByteArray& bytes, QString* error);
QSize emfNaturalSize(const QByteArray& bytes, QString* error);

Rendered renderWmf(const QByteArray& bytes);
Rendered renderEmf(const QByteArray& bytes);

// Renders SVG text onto a white picture of the given size.
Rendered renderSvg(const QByteArray& svg, const QSize& size);

// Runs fn with LC_NUMERIC set to "C" on this thread: the libraries print numbers with %f.
template <typename Fn>
auto withCNumericLocale(Fn&& fn) -> decltype(fn());

}  // namespace toolkit::metafile

#include <locale.h>

template <typename Fn>
auto toolkit::metafile::withCNumericLocale(Fn&& fn) -> decltype(fn()) {
  locale_t c = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
  locale_t previous = c ? uselocale(c) : static_cast<locale_t>(0);
  struct Restore {
    locale_t c, previous;
    ~Restore() {
      if (c) {
        uselocale(previous);
        freelocale(c);
      }
    }
  } restore{c, previous};
  return fn();
}
