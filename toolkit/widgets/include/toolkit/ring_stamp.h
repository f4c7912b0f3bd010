// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// An antialiased ring drawn once and then only recoloured: a revealed difference's circle
// changes colour some 33 times a second, and stroking an ellipse each time costs far more
// than blending the ring's few hundred pixels over what lies beneath them.
#include <QImage>
#include <QRectF>
#include <vector>

namespace toolkit {

class RingStamp {
 public:
  // The ring of the given pen width inscribed in `circle` (in the square's pixels), over
  // `beneath`: the picture under the square when it covers it whole (then the stamp is
  // opaque and needs nothing painted under it), or a null image for a transparent stamp.
  // An opaque stamp is made at one device pixel per pixel only.
  void build(QSize square, const QRectF& circle, int penWidth, const QImage& beneath, qreal ratio = 1);
  void clear();
  bool isEmpty() const { return image_.isNull(); }
  bool isOpaque() const { return image_.format() == QImage::Format_RGB32; }
  // The square with the ring in the colour (premultiplied when transparent).
  const QImage& tinted(QRgb colour);

 private:
  struct Pixel {
    int index;
    uchar coverage;
    QRgb beneath;  // premultiplied; 0 over nothing
  };
  std::vector<Pixel> pixels_;
  QImage image_;
  QRgb colour_ = 0;
  bool tintedOnce_ = false;
};

}  // namespace toolkit
