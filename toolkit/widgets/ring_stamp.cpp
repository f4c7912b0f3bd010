// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/ring_stamp.h"

#include <QPainter>

namespace toolkit {

namespace {
// Opaque colour c over premultiplied b with coverage a, rounded: two channels at a time.
inline QRgb over(QRgb c, QRgb b, uint a) {
  const uint rest = 255 - a;
  uint redBlue = (c & 0xff00ffu) * a + (b & 0xff00ffu) * rest;
  redBlue = ((redBlue + ((redBlue >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
  uint alphaGreen = ((c >> 8) & 0xff00ffu) * a + ((b >> 8) & 0xff00ffu) * rest;
  alphaGreen = (alphaGreen + ((alphaGreen >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
  return alphaGreen | redBlue;
}
}  // namespace

void RingStamp::build(QSize square, const QRectF& circle, int penWidth, const QImage& beneath, qreal ratio) {
  const bool opaque = !beneath.isNull() && beneath.size() == square && ratio == 1;
  square = (QSizeF(square) * ratio).toSize();
  QImage coverage(square, QImage::Format_Alpha8);
  coverage.setDevicePixelRatio(ratio);
  coverage.fill(0);
  QPainter ring(&coverage);
  ring.setRenderHint(QPainter::Antialiasing);
  ring.setPen(QPen(Qt::black, penWidth));
  ring.setBrush(Qt::NoBrush);
  const double inset = penWidth / 2.0;
  ring.drawEllipse(circle.adjusted(inset, inset, -inset, -inset));
  ring.end();

  image_ = opaque ? beneath.convertToFormat(QImage::Format_RGB32) : QImage(square, QImage::Format_ARGB32_Premultiplied);
  if (!opaque) image_.fill(Qt::transparent);
  const auto* under = reinterpret_cast<const QRgb*>(image_.constBits());
  const int stride = static_cast<int>(image_.bytesPerLine() / sizeof(QRgb));
  pixels_.clear();
  for (int y = 0; y < square.height(); ++y) {
    const uchar* line = coverage.constScanLine(y);
    for (int x = 0; x < square.width(); ++x) {
      const int index = y * stride + x;
      if (line[x] != 0) pixels_.push_back({index, line[x], under[index]});
    }
  }
  image_.setDevicePixelRatio(ratio);
  tintedOnce_ = false;
}

void RingStamp::clear() {
  image_ = QImage();
  pixels_.clear();
}

const QImage& RingStamp::tinted(QRgb colour) {
  colour = colour | 0xff000000u;
  if (tintedOnce_ && colour == colour_) return image_;
  colour_ = colour;
  tintedOnce_ = true;
  auto* out = reinterpret_cast<QRgb*>(image_.bits());
  for (const Pixel& px : pixels_) out[px.index] = over(colour, px.beneath, px.coverage);
  return image_;
}

}  // namespace toolkit
