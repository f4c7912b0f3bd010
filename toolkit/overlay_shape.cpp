// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/overlay_shape.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "toolkit/picture_area.h"

namespace toolkit {

OverlayShape::OverlayShape(Kind kind, PictureArea* area) : QWidget(area), area_(area), kind_(kind) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  place();
}

void OverlayShape::setBox(const QRectF& box) {
  box_ = box;
  place();
  update();
}

void OverlayShape::setBorderColor(const QColor& c) {
  color_ = c;
  update();
}

void OverlayShape::setBorderWidth(int w) {
  width_ = std::max(1, w);
  place();
  update();
}

void OverlayShape::setStyle(Style s) {
  style_ = s;
  update();
}

QRectF OverlayShape::circleBox() const {
  const double d = std::min(box_.width(), box_.height());
  return QRectF(box_.center().x() - d / 2, box_.center().y() - d / 2, d, d);
}

void OverlayShape::place() {
  // The widget covers the box and the pen that may stick out of it.
  const int m = width_ + 1;
  const QPoint origin = area_->pictureOrigin();
  const QRect r = box_.toAlignedRect().adjusted(-m, -m, m, m).translated(origin);
  setGeometry(r);
  raise();
  tinted_ = QImage();
}

void OverlayShape::paintCircle(QPainter& p) {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * ratio).toSize();
  if (tinted_.size() != pixels || tinted_.devicePixelRatio() != ratio) {
    QImage coverage(pixels, QImage::Format_Alpha8);
    coverage.setDevicePixelRatio(ratio);
    coverage.fill(0);
    QPainter ring(&coverage);
    ring.setRenderHint(QPainter::Antialiasing);
    // Shape coordinates in picture pixels, translated into this widget.
    ring.translate(-QPointF(geometry().topLeft() - area_->pictureOrigin()));
    ring.setPen(QPen(Qt::black, width_));
    ring.setBrush(Qt::NoBrush);
    const double inset = width_ / 2.0;
    ring.drawEllipse(circleBox().adjusted(inset, inset, -inset, -inset));
    ring.end();
    tinted_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    tinted_.setDevicePixelRatio(ratio);
    tinted_.fill(Qt::transparent);
    ring_.clear();
    const int stride = static_cast<int>(tinted_.bytesPerLine() / sizeof(QRgb));
    for (int y = 0; y < pixels.height(); ++y) {
      const uchar* line = coverage.constScanLine(y);
      for (int x = 0; x < pixels.width(); ++x)
        if (line[x] != 0) ring_.push_back({y * stride + x, line[x]});
    }
    tintedColour_ = ~color_.rgb();  // forces a tint below
  }
  if (tintedColour_ != color_.rgb()) {
    tintedColour_ = color_.rgb();
    const int red = qRed(tintedColour_), green = qGreen(tintedColour_), blue = qBlue(tintedColour_);
    auto* out = reinterpret_cast<QRgb*>(tinted_.bits());
    for (const RingPixel& px : ring_) out[px.index] = qPremultiply(qRgba(red, green, blue, px.coverage));
  }
  p.drawImage(0, 0, tinted_);
}

void OverlayShape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (kind_ == Kind::Circle) {
    paintCircle(p);
    return;
  }
  // Shape coordinates in picture pixels, translated into this widget.
  p.translate(-QPointF(geometry().topLeft() - area_->pictureOrigin()));
  const QRectF r = box_.adjusted(0, 0, -1, -1);
  if (style_ == Style::Dashed) {
    p.setPen(QPen(Qt::white, width_));
    p.drawRect(r);
    QPen dash(Qt::black, width_, Qt::DashLine);
    p.setPen(dash);
    p.drawRect(r);
  } else {
    p.setPen(QPen(color_, width_));
    p.drawRect(r);
  }
}

}  // namespace toolkit
