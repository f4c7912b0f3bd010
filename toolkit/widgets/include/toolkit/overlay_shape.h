// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A hollow circle or rectangle drawn over a picture area. Its box is in the area's
// picture pixels; a circle takes the smaller side of the box as diameter, centred.
// A shape has no window of its own: it is shown and hidden like a control, and its area
// draws it, so a change repaints the shape's own pixels and nothing is stacked per shape.
#include <QColor>
#include <QObject>
#include <QRectF>
#include <QRegion>

#include "toolkit/ring_stamp.h"

class QPainter;
class QWidget;

namespace toolkit {

class PictureArea;

class OverlayShape : public QObject {
  Q_OBJECT
 public:
  enum class Kind { Circle, Rectangle };
  // Rectangle shapes in Dashed style stay visible over any picture (black and white dashes).
  enum class Style { Solid, Dashed };

  OverlayShape(Kind kind, PictureArea* area);

  void show() { setVisible(true); }
  void hide() { setVisible(false); }
  void setVisible(bool visible);
  bool isHidden() const { return hidden_; }
  // Shown, and its area visible up to the ancestor.
  bool isVisibleTo(const QWidget* ancestor) const;

  Kind kind() const { return kind_; }
  void setBox(const QRectF& box);
  QRectF box() const { return box_; }
  void setBorderColor(const QColor& c);
  QColor borderColor() const { return color_; }
  void setBorderWidth(int w);
  int borderWidth() const { return width_; }
  void setStyle(Style s);
  Style style() const { return style_; }
  // The circle actually drawn, in picture pixels (circles only).
  QRectF circleBox() const;

  // The square the shape may touch, pen included, in picture pixels.
  QRect squareInPicture() const;
  // Draws the shape with a painter on its area, whose picture starts at `origin`. A circle
  // over the picture alone paints its whole square, picture included.
  void paint(QPainter& p, QPoint origin, bool overPictureAlone);

 private:
  // What the shape may touch in the area's coordinates: its square, or a rectangle's edges.
  QRegion extent() const;
  void repaint();
  void repaintMoved(const QRegion& before);
  void paintCircle(QPainter& p, QPoint origin, bool overPictureAlone);
  PictureArea* area_;
  Kind kind_;
  QRectF box_;
  QColor color_ = Qt::black;
  int width_ = 1;
  Style style_ = Style::Solid;
  bool hidden_ = false;
  RingStamp stamp_;
  // What the stamp was made over: a new picture or pixel ratio makes it anew.
  qint64 stampPicture_ = 0;
  qreal stampRatio_ = 1;
};

}  // namespace toolkit
