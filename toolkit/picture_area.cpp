// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/picture_area.h"

#include <QMouseEvent>
#include <QPainter>

#include "toolkit/overlay_shape.h"
#include "toolkit/picture_loader.h"

namespace toolkit {

int buttonBits(Qt::MouseButtons b) {
  return (b & Qt::LeftButton ? mouse::Left : 0) | (b & Qt::RightButton ? mouse::Right : 0) |
         (b & Qt::MiddleButton ? mouse::Middle : 0);
}

int shiftBits(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

PictureArea::PictureArea(QWidget* parent) : QFrame(parent) {
  setMouseTracking(true);
  setFrameStyle(QFrame::NoFrame);
}

bool PictureArea::loadFile(const QString& path, QString* error) {
  LoadedPicture p = loadPicture(path);
  if (!p.ok()) {
    clearPicture();
    if (error) *error = p.error;
    return false;
  }
  setPicture(p.image);
  return true;
}

void PictureArea::setPicture(const QImage& image) {
  picture_ = image;
  fitToPicture();
  update();
}

void PictureArea::clearPicture() { setPicture(QImage()); }

void PictureArea::setSunkenBorder(bool on) {
  if (on) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
  } else {
    setFrameStyle(QFrame::NoFrame);
  }
  fitToPicture();
}

void PictureArea::setSizedToPicture(bool on) {
  sizedToPicture_ = on;
  fitToPicture();
}

void PictureArea::fitToPicture() {
  if (!sizedToPicture_ || picture_.isNull()) return;
  const QMargins m = contentsMargins() + QMargins(frameWidth(), frameWidth(), frameWidth(), frameWidth());
  resize(picture_.width() + m.left() + m.right(), picture_.height() + m.top() + m.bottom());
}

OverlayShape* PictureArea::addShape(int kind) {
  auto* s = new OverlayShape(kind == 0 ? OverlayShape::Kind::Circle : OverlayShape::Kind::Rectangle, this);
  s->hide();
  return s;
}

void PictureArea::paintEvent(QPaintEvent* e) {
  const QRect inner = contentsRect();
  // Flickering circles ask for small squares well inside the border: the frame is left be.
  if (frameWidth() > 0 && !e->region().subtracted(inner).isEmpty()) QFrame::paintEvent(e);
  if (picture_.isNull()) return;
  QPainter p(this);
  // Square by square: the bounding box of five scattered circles is most of the picture.
  for (const QRect& r : e->region()) {
    const QRect dirty = r & inner;
    if (!dirty.isEmpty()) p.drawImage(dirty.topLeft(), picture_, dirty.translated(-inner.topLeft()));
  }
}

QPointF PictureArea::toPicture(const QPointF& pos) const { return pos - QPointF(pictureOrigin()); }

void PictureArea::mousePressEvent(QMouseEvent* e) {
  const QPointF p = toPicture(e->position());
  emit mouseDown(buttonBits(e->button()), shiftBits(e->modifiers()), p.x(), p.y());
}

void PictureArea::mouseMoveEvent(QMouseEvent* e) {
  const QPointF p = toPicture(e->position());
  emit mouseMove(buttonBits(e->buttons()), shiftBits(e->modifiers()), p.x(), p.y());
}

void PictureArea::mouseReleaseEvent(QMouseEvent* e) {
  const QPointF p = toPicture(e->position());
  emit mouseUp(buttonBits(e->button()), shiftBits(e->modifiers()), p.x(), p.y());
}

}  // namespace toolkit
