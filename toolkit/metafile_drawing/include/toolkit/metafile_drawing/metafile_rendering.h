// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Metafiles are drawn through SVG: a library turns the records into SVG text, Qt SVG
// renders it at the picture's natural size. Only the child program links this, so the
// metafile libraries never run inside the game or the editor.
#include <QByteArray>
#include <QSize>

#include <locale.h>

#include "toolkit/metafile_limits.h"

namespace toolkit::metafile {

Rendered renderWmf(const QByteArray& bytes);
Rendered renderEmf(const QByteArray& bytes);

// Renders SVG text onto a white picture of the given size.
Rendered renderSvg(const QByteArray& svg, const QSize& size);

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
