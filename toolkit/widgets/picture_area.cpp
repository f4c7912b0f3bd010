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
  // An opaque picture is all the area shows: what lies beneath need not be painted first,
  // which spares the window's background on every tick of a flickering circle.
  setAttribute(Qt::WA_OpaquePaintEvent, !picture_.isNull() && !picture_.hasAlphaChannel());
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

std::vector<PictureArea::ShownShape> PictureArea::shownShapes(QPoint origin) const {
  std::vector<ShownShape> shown;
  for (QObject* child : children()) {
    auto* shape = qobject_cast<OverlayShape*>(child);
    if (shape && !shape->isHidden()) shown.push_back({shape, shape->squareInPicture().translated(origin), false});
  }
  // A circle over the picture alone, touching no other shape, paints its square picture
  // and all: the picture is not painted there first.
  const bool plainPicture = testAttribute(Qt::WA_OpaquePaintEvent) && devicePixelRatioF() == 1;
  const QRect pictureRect = QRect(origin, picture_.size()) & contentsRect();
  for (ShownShape& s : shown) {
    s.alone = plainPicture && s.shape->kind() == OverlayShape::Kind::Circle && pictureRect.contains(s.square);
    for (const ShownShape& other : shown)
      if (s.alone && other.shape != s.shape && other.square.intersects(s.square)) s.alone = false;
  }
  return shown;
}

void PictureArea::paintEvent(QPaintEvent* e) {
  const QRegion& region = e->region();
  const QRect inner = contentsRect();
  const QRect shown = picture_.isNull() ? QRect() : QRect(inner.topLeft(), picture_.size()) & inner;
  const std::vector<ShownShape> shapes = shownShapes(inner.topLeft());
  QRegion picturePart = region;
  for (const ShownShape& s : shapes)
    if (s.alone) picturePart -= s.square;

  QPainter p(this);
  if (testAttribute(Qt::WA_OpaquePaintEvent)) {
    // Nothing beneath the area is painted: what the picture leaves bare takes the background.
    for (const QRect& r : region.subtracted(shown)) p.fillRect(r, palette().brush(backgroundRole()));
  }
  // Flickering circles ask for small squares well inside the border: the frame is left be.
  if (frameWidth() > 0 && !region.subtracted(inner).isEmpty()) drawFrame(&p);
  // Square by square, each clipped to itself: the bounding box of five scattered circles is
  // most of the picture, and a clip of one rectangle lets the picture be copied row by row.
  for (const QRect& r : picturePart) {
    const QRect dirty = r & shown;
    if (dirty.isEmpty()) continue;
    p.setClipRect(dirty);
    p.drawImage(dirty.topLeft(), picture_, dirty.translated(-inner.topLeft()));
  }
  for (const ShownShape& s : shapes) {
    if (!region.intersects(s.square)) continue;
    p.setClipRect(s.square);
    s.shape->paint(p, inner.topLeft(), s.alone);
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
