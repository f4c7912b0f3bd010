// SPDX-License-Identifier: GPL-2.0-or-later
// Circles and rectangles drawn by their picture area: what the screen shows after each
// change, including the small repaints of a flickering circle that paint its square alone.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <cstdlib>

#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"
#include "toolkit/ring_stamp.h"

using namespace toolkit;

namespace {
// A picture with a different colour at every pixel, so a misplaced copy shows.
QImage gradient(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x % 256, y % 256, (x * 7 + y * 3) % 256));
  return img;
}

int distance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// An area shown as a window of its own: what its window holds is what was painted, so
// a repaint that missed or smeared pixels shows.
struct ShownArea {
  PictureArea area;
  explicit ShownArea(const QImage& picture) {
    area.setSunkenBorder(true);
    area.resize(picture.width() + 40, picture.height() + 40);
    area.setPicture(picture);
    area.show();
    if (!QTest::qWaitForWindowExposed(&area)) ADD_FAILURE() << "the area never showed";
  }
  QImage screen() {
    QCoreApplication::processEvents();
    return area.screen()->grabWindow(area.winId()).toImage().convertToFormat(QImage::Format_RGB32);
  }
  QRgb at(const QImage& shot, int x, int y) const { return shot.pixel(area.pictureOrigin() + QPoint(x, y)); }
};
}  // namespace

TEST(RingStamp, OverThePictureLooksAsTheRingDrawnOverIt) {
  const QImage picture = gradient(70, 70);
  RingStamp opaque;
  opaque.build(picture.size(), QRectF(5, 5, 60, 60), 2, picture);
  RingStamp transparent;
  transparent.build(picture.size(), QRectF(5, 5, 60, 60), 2, QImage());
  ASSERT_TRUE(opaque.isOpaque());
  ASSERT_FALSE(transparent.isOpaque());

  for (QRgb colour : {qRgb(255, 0, 0), qRgb(12, 200, 77)}) {
    QImage composed = picture.copy();
    QPainter p(&composed);
    p.drawImage(0, 0, transparent.tinted(colour));
    p.end();
    const QImage& stamp = opaque.tinted(colour);
    int worst = 0, ringPixels = 0;
    for (int y = 0; y < 70; ++y)
      for (int x = 0; x < 70; ++x) {
        worst = std::max(worst, distance(stamp.pixel(x, y), composed.pixel(x, y)));
        if (stamp.pixel(x, y) == (colour | 0xff000000u)) ++ringPixels;
      }
    EXPECT_LE(worst, 1) << "rounding at most";
    EXPECT_GT(ringPixels, 100) << "a whole ring in the newest colour";
    EXPECT_EQ(stamp.pixel(35, 35), picture.pixel(35, 35)) << "hollow";
  }
}

TEST(OverlayShape, AFlickeringCircleRepaintsItsSquareWithTheNewColourOverThePicture) {
  const QImage picture = gradient(200, 150);
  ShownArea shown(picture);
  OverlayShape* c = shown.area.addShape(0);
  c->setBorderWidth(2);
  c->setBox(QRectF(40, 40, 60, 60));
  c->setBorderColor(Qt::red);
  c->show();
  QImage shot = shown.screen();
  EXPECT_LE(distance(shown.at(shot, 40, 70), qRgb(255, 0, 0)), 12);

  for (QRgb colour : {qRgb(0, 0, 255), qRgb(0, 255, 0)}) {
    c->setBorderColor(QColor::fromRgb(colour));
    shot = shown.screen();
    EXPECT_LE(distance(shown.at(shot, 40, 70), colour), 12);
    EXPECT_LE(distance(shown.at(shot, 70, 99), colour), 12);
  }
  // Inside, around and beyond the ring the picture is as it was.
  for (QPoint p : {QPoint(70, 70), QPoint(38, 38), QPoint(102, 70), QPoint(150, 120), QPoint(0, 0)})
    EXPECT_EQ(shown.at(shot, p.x(), p.y()), picture.pixel(p)) << p.x() << "," << p.y();
}

TEST(OverlayShape, OverlappingCirclesBothKeepTheirRings) {
  const QImage picture = gradient(200, 150);
  ShownArea shown(picture);
  OverlayShape* left = shown.area.addShape(0);
  OverlayShape* right = shown.area.addShape(0);
  left->setBox(QRectF(20, 20, 60, 60));
  right->setBox(QRectF(70, 20, 60, 60));  // its square covers the left ring's right edge
  left->setBorderWidth(2);
  right->setBorderWidth(2);
  left->setBorderColor(Qt::red);
  right->setBorderColor(Qt::blue);
  left->show();
  right->show();
  shown.screen();
  left->setBorderColor(Qt::green);
  right->setBorderColor(Qt::yellow);
  const QImage shot = shown.screen();
  EXPECT_LE(distance(shown.at(shot, 79, 50), qRgb(0, 255, 0)), 12) << "the left ring under the right square";
  EXPECT_LE(distance(shown.at(shot, 70, 50), qRgb(255, 255, 0)), 12);
}

TEST(OverlayShape, ACircleFollowsANewPictureAndStopsAtThePicturesEdge) {
  ShownArea shown(gradient(200, 150));
  OverlayShape* c = shown.area.addShape(0);
  c->setBorderWidth(2);
  c->setBox(QRectF(160, 40, 60, 60));  // a third of it beyond the picture
  c->setBorderColor(Qt::red);
  c->show();
  OverlayShape* inside = shown.area.addShape(0);
  inside->setBox(QRectF(40, 40, 50, 50));
  inside->show();
  shown.screen();

  QImage plain(200, 150, QImage::Format_RGB32);
  plain.fill(qRgb(10, 20, 30));
  shown.area.setPicture(plain);
  shown.screen();
  c->setBorderColor(Qt::blue);
  inside->setBorderColor(Qt::blue);
  const QImage shot = shown.screen();
  EXPECT_EQ(shown.at(shot, 170, 70), qRgb(10, 20, 30)) << "the new picture inside the circle";
  EXPECT_EQ(shown.at(shot, 65, 65), qRgb(10, 20, 30)) << "and inside the one wholly over it";
  EXPECT_EQ(shown.at(shot, 45, 45), qRgb(10, 20, 30));
  EXPECT_LE(distance(shown.at(shot, 160, 70), qRgb(0, 0, 255)), 12);
  const QRgb background = shown.area.palette().color(QPalette::Window).rgb();
  EXPECT_EQ(shown.at(shot, 205, 60), background) << "beyond the picture: the area's background";
}

TEST(OverlayShape, AMovedRubberBandLeavesNoEdgeBehind) {
  const QImage picture = gradient(200, 150);
  ShownArea shown(picture);
  OverlayShape* band = shown.area.addShape(1);
  band->setStyle(OverlayShape::Style::Dashed);
  band->setBox(QRectF(20, 20, 100, 80));
  band->show();
  QImage shot = shown.screen();
  EXPECT_NE(shown.at(shot, 20, 50), picture.pixel(20, 50)) << "the band's left edge";

  band->setBox(QRectF(60, 30, 100, 80));
  shot = shown.screen();
  for (QPoint p : {QPoint(20, 50), QPoint(50, 20), QPoint(119, 50), QPoint(70, 99), QPoint(90, 60)})
    EXPECT_EQ(shown.at(shot, p.x(), p.y()), picture.pixel(p)) << p.x() << "," << p.y();
  EXPECT_NE(shown.at(shot, 60, 50), picture.pixel(60, 50)) << "the band's new left edge";
  band->hide();
  shot = shown.screen();
  EXPECT_EQ(shown.at(shot, 60, 50), picture.pixel(60, 50));
}
