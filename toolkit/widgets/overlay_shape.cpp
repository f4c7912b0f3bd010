// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/overlay_shape.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "toolkit/picture_area.h"

namespace toolkit {

OverlayShape::OverlayShape(Kind kind, PictureArea* area) : QObject(area), area_(area), kind_(kind) {}

void OverlayShape::setVisible(bool visible) {
  if (hidden_ == !visible) return;
  hidden_ = !visible;
  area_->update(extent());  // shown or hidden, the shape's pixels change
}

bool OverlayShape::isVisibleTo(const QWidget* ancestor) const {
  return !hidden_ && (ancestor == area_ || area_->isVisibleTo(ancestor));
}

void OverlayShape::setBox(const QRectF& box) {
  const QRegion before = extent();
  box_ = box;
  repaintMoved(before);
}

void OverlayShape::setBorderColor(const QColor& c) {
  color_ = c;
  repaint();
}

void OverlayShape::setBorderWidth(int w) {
  const QRegion before = extent();
  width_ = std::max(1, w);
  repaintMoved(before);
}

void OverlayShape::setStyle(Style s) {
  style_ = s;
  repaint();
}

QRectF OverlayShape::circleBox() const {
  const double d = std::min(box_.width(), box_.height());
  return QRectF(box_.center().x() - d / 2, box_.center().y() - d / 2, d, d);
}

QRect OverlayShape::squareInPicture() const {
  // The box and the pen that may stick out of it.
  const int m = width_ + 1;
  return box_.toAlignedRect().adjusted(-m, -m, m, m);
}

QRegion OverlayShape::extent() const {
  const QRect outer = squareInPicture().translated(area_->pictureOrigin());
  if (kind_ == Kind::Circle) return outer;
  // A rectangle touches only its edges: a rubber band spares the picture inside it.
  const int m = 2 * (width_ + 1);
  return QRegion(outer).subtracted(outer.adjusted(m, m, -m, -m));
}

void OverlayShape::repaint() {
  if (!hidden_) area_->update(extent());
}

void OverlayShape::repaintMoved(const QRegion& before) {
  stamp_.clear();  // the ring is drawn anew for its new box or pen
  if (!hidden_) area_->update(before + extent());
}

void OverlayShape::paint(QPainter& p, QPoint origin, bool overPictureAlone) {
  if (kind_ == Kind::Circle) {
    paintCircle(p, origin, overPictureAlone);
    return;
  }
  p.save();
  // Shape coordinates in picture pixels.
  p.translate(origin);
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
  p.restore();
}

void OverlayShape::paintCircle(QPainter& p, QPoint origin, bool overPictureAlone) {
  const QRect square = squareInPicture();
  const qreal ratio = area_->devicePixelRatioF();
  const qint64 picture = overPictureAlone ? area_->picture().cacheKey() : 0;
  if (stamp_.isEmpty() || picture != stampPicture_ || ratio != stampRatio_) {
    const QImage beneath = overPictureAlone ? area_->picture().copy(square) : QImage();
    stamp_.build(square.size(), circleBox().translated(-square.topLeft()), width_, beneath, ratio);
    stampPicture_ = picture;
    stampRatio_ = ratio;
  }
  p.drawImage(square.topLeft() + origin, stamp_.tinted(color_.rgb()));
}

}  // namespace toolkit
