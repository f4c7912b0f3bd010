// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The two pictures of the window that makes a pair from a photo: the photo in the game's
// frame, dragged to move the crop, and the copy with its changes outlined, clicked to
// replace one.
#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QWidget>
#include <vector>

namespace editor {

// The covering photo seen through the frame; a drag moves the photo under it.
class CropView : public QWidget {
  Q_OBJECT
 public:
  explicit CropView(QWidget* parent = nullptr);
  void setPhoto(const QImage& covering);
  QPoint offset() const { return offset_; }
  QSize sizeHint() const override;

 signals:
  // The crop was moved and the button released.
  void cropMoved(QPoint offset);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  QPoint clamped(QPoint offset) const;
  QImage covering_;
  QPoint offset_;
  QPoint dragFrom_, offsetAtPress_;
  bool dragging_ = false;
};

// The copy with each change's outline drawn so that it shows on any colour.
class ChangesView : public QWidget {
  Q_OBJECT
 public:
  explicit ChangesView(QWidget* parent = nullptr);
  void show(const QImage& copy, const std::vector<QPolygon>& outlines, const std::vector<QRect>& boxes);
  void clear();
  QSize sizeHint() const override;
  // The change under a point of the picture, -1 when none.
  int changeAt(QPoint at) const;

 signals:
  void changeClicked(int index);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  QImage copy_;
  std::vector<QPolygon> outlines_;
  std::vector<QRect> boxes_;
};

}  // namespace editor
