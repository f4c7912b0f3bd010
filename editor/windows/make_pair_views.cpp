// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/make_pair_views.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace editor {

namespace {
constexpr int kWidth = 380, kHeight = 436;
}

CropView::CropView(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  setCursor(Qt::OpenHandCursor);
}

QSize CropView::sizeHint() const { return {kWidth, kHeight}; }

void CropView::setPhoto(const QImage& covering) {
  covering_ = covering;
  offset_ = {};
  update();
}

QPoint CropView::clamped(QPoint offset) const {
  const int spareX = std::max(0, covering_.width() - kWidth) / 2;
  const int spareY = std::max(0, covering_.height() - kHeight) / 2;
  return {std::clamp(offset.x(), -spareX, spareX), std::clamp(offset.y(), -spareY, spareY)};
}

void CropView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::darkGray);
  if (covering_.isNull()) return;
  const QPoint topLeft((covering_.width() - kWidth) / 2 + offset_.x(),
                       (covering_.height() - kHeight) / 2 + offset_.y());
  p.drawImage(QPoint(0, 0), covering_, QRect(topLeft, QSize(kWidth, kHeight)));
}

void CropView::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  dragging_ = true;
  dragFrom_ = e->position().toPoint();
  offsetAtPress_ = offset_;
  setCursor(Qt::ClosedHandCursor);
}

void CropView::mouseMoveEvent(QMouseEvent* e) {
  if (!dragging_) return;
  // The photo follows the pointer, so the frame moves the other way over it.
  offset_ = clamped(offsetAtPress_ - (e->position().toPoint() - dragFrom_));
  update();
}

void CropView::mouseReleaseEvent(QMouseEvent* e) {
  if (!dragging_ || e->button() != Qt::LeftButton) return;
  dragging_ = false;
  setCursor(Qt::OpenHandCursor);
  if (offset_ != offsetAtPress_) emit cropMoved(offset_);
}

ChangesView::ChangesView(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  setCursor(Qt::PointingHandCursor);
}

QSize ChangesView::sizeHint() const { return {kWidth, kHeight}; }

void ChangesView::show(const QImage& copy, const std::vector<QPolygon>& outlines, const std::vector<QRect>& boxes) {
  copy_ = copy;
  outlines_ = outlines;
  boxes_ = boxes;
  update();
}

void ChangesView::clear() {
  copy_ = {};
  outlines_.clear();
  boxes_.clear();
  update();
}

int ChangesView::changeAt(QPoint at) const {
  for (size_t i = 0; i < outlines_.size(); ++i) {
    if (outlines_[i].containsPoint(at, Qt::OddEvenFill) || boxes_[i].contains(at)) return int(i);
  }
  return -1;
}

void ChangesView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::darkGray);
  if (copy_.isNull()) return;
  p.drawImage(0, 0, copy_);
  p.setRenderHint(QPainter::Antialiasing);
  // A dark line under a light dashed one: the outline shows on any colour.
  for (const QPolygon& outline : outlines_) {
    p.setPen(QPen(QColor(0, 0, 0, 200), 3));
    p.drawPolygon(outline);
    p.setPen(QPen(Qt::yellow, 1, Qt::DashLine));
    p.drawPolygon(outline);
  }
}

void ChangesView::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const int index = changeAt(e->position().toPoint());
  if (index >= 0) emit changeClicked(index);
}

}  // namespace editor
