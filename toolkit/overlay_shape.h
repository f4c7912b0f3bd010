// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A hollow circle or rectangle drawn over a picture area. Its box is in the area's
// picture pixels; a circle takes the smaller side of the box as diameter, centred.
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QWidget>
#include <vector>

class QPainter;

namespace toolkit {

class PictureArea;

class OverlayShape : public QWidget {
  Q_OBJECT
 public:
  enum class Kind { Circle, Rectangle };
  // Rectangle shapes in Dashed style stay visible over any picture (black and white dashes).
  enum class Style { Solid, Dashed };

  OverlayShape(Kind kind, PictureArea* area);

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

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  void place();
  void paintCircle(QPainter& p);
  PictureArea* area_;
  Kind kind_;
  QRectF box_;
  QColor color_ = Qt::black;
  int width_ = 1;
  Style style_ = Style::Solid;
  // A circle's antialiased ring, kept as its pixels' coverage: a flickering circle changes
  // only its colour, and stroking an ellipse on every tick costs more than tinting a ring.
  struct RingPixel {
    int index;
    uchar coverage;
  };
  std::vector<RingPixel> ring_;
  QImage tinted_;
  QRgb tintedColour_ = 0;
};

}  // namespace toolkit
