// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A picture area: shows a picture at its natural size from the top-left corner (never
// stretched or centred, cut off at the edge), reports mouse down, move and up with the
// button bits (left 1, right 2, middle 4) and positions in picture pixels, and holds
// overlay shapes drawn over the picture.
#include <QFrame>
#include <QImage>
#include <QPointF>
#include <vector>

namespace toolkit {

class OverlayShape;

namespace mouse {
enum Button : int { Left = 1, Right = 2, Middle = 4 };
}

class PictureArea : public QFrame {
  Q_OBJECT
 public:
  explicit PictureArea(QWidget* parent = nullptr);

  // Loads a file through the picture loader; a file that cannot be read clears the area
  // and returns false with the reason.
  bool loadFile(const QString& path, QString* error = nullptr);
  void setPicture(const QImage& image);
  void clearPicture();
  const QImage& picture() const { return picture_; }
  bool hasPicture() const { return !picture_.isNull(); }

  void setSunkenBorder(bool on);
  // When on, the area takes the size of its picture (plus its border).
  void setSizedToPicture(bool on);

  // Where picture pixel 0,0 lies in the widget (inside the border).
  QPoint pictureOrigin() const { return contentsRect().topLeft(); }
  // The inner size in pixels, the part that can show picture.
  QSize innerSize() const { return contentsRect().size(); }

  // Shapes belong to the area and are drawn over its picture, in the order they were
  // added; child widgets lie over them.
  OverlayShape* addShape(int kind /* 0 circle, 1 rectangle */);

 signals:
  void mouseDown(int button, int shift, double x, double y);
  void mouseMove(int buttons, int shift, double x, double y);
  void mouseUp(int button, int shift, double x, double y);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  struct ShownShape {
    OverlayShape* shape;
    QRect square;  // in the area's coordinates
    bool alone;    // over the picture alone: paints its square whole
  };
  std::vector<ShownShape> shownShapes(QPoint origin) const;
  void fitToPicture();
  QPointF toPicture(const QPointF& widgetPos) const;
  QImage picture_;
  bool sizedToPicture_ = false;
};

int buttonBits(Qt::MouseButtons buttons);
int shiftBits(Qt::KeyboardModifiers mods);

}  // namespace toolkit
