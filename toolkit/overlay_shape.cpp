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
}

void OverlayShape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, kind_ == Kind::Circle);
  // Shape coordinates in picture pixels, translated into this widget.
  p.translate(-QPointF(geometry().topLeft() - area_->pictureOrigin()));
  if (kind_ == Kind::Circle) {
    p.setPen(QPen(color_, width_));
    p.setBrush(Qt::NoBrush);
    const double inset = width_ / 2.0;
    p.drawEllipse(circleBox().adjusted(inset, inset, -inset, -inset));
    return;
  }
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
