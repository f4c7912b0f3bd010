// SPDX-License-Identifier: GPL-2.0-or-later
// The picture area's coordinates, button bits and overlay shapes, which both the
// game's judging and the editor's marking take at face value.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>

#include "toolkit/colour.h"
#include "toolkit/mouse_pointer.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"
#include "support/scripted_dialogs.h"

using namespace toolkit;

namespace {
QImage solid(int w, int h, QColor c) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(c);
  return img;
}
}  // namespace

TEST(PictureArea, DrawsAtNaturalSizeFromTheTopLeftInsideTheBorder) {
  PictureArea area;
  area.setSunkenBorder(true);
  area.resize(100, 80);
  area.setPicture(solid(30, 20, Qt::red));
  const QImage shot = area.grab().toImage();
  const QPoint o = area.pictureOrigin();
  EXPECT_GT(o.x(), 0);  // the border takes room
  EXPECT_EQ(shot.pixelColor(o), QColor(Qt::red));
  EXPECT_EQ(shot.pixelColor(o + QPoint(29, 19)), QColor(Qt::red));
  EXPECT_NE(shot.pixelColor(o + QPoint(31, 21)), QColor(Qt::red));  // not stretched
}

TEST(PictureArea, SizedToPictureFollowsThePicture) {
  PictureArea area;
  area.setSizedToPicture(true);
  area.setPicture(solid(94, 118, Qt::white));
  EXPECT_EQ(area.size(), QSize(94, 118));
}

TEST(PictureArea, MouseEventsCarryButtonBitsAndPicturePixels) {
  PictureArea area;
  area.setSunkenBorder(true);
  area.resize(200, 200);
  area.show();
  QSignalSpy down(&area, &PictureArea::mouseDown);
  QSignalSpy up(&area, &PictureArea::mouseUp);
  const QPoint o = area.pictureOrigin();
  QTest::mousePress(&area, Qt::RightButton, {}, o + QPoint(10, 20));
  QTest::mouseRelease(&area, Qt::RightButton, {}, o + QPoint(10, 20));
  QTest::mouseClick(&area, Qt::MiddleButton, Qt::ShiftModifier, o + QPoint(3, 4));
  ASSERT_EQ(down.size(), 2);
  ASSERT_EQ(up.size(), 2);
  EXPECT_EQ(down[0][0].toInt(), mouse::Right);
  EXPECT_DOUBLE_EQ(down[0][2].toDouble(), 10.0);
  EXPECT_DOUBLE_EQ(down[0][3].toDouble(), 20.0);
  EXPECT_EQ(up[1][0].toInt(), mouse::Middle);
  EXPECT_EQ(up[1][1].toInt(), 1);  // shift
  EXPECT_EQ(buttonBits(Qt::LeftButton | Qt::MiddleButton), mouse::Left | mouse::Middle);
}

TEST(OverlayShape, CircleTakesTheSmallerSideCentredInItsBox) {
  PictureArea area;
  area.resize(300, 300);
  OverlayShape* c = area.addShape(0);
  c->setBox(QRectF(10, 20, 60, 40));
  EXPECT_EQ(c->circleBox(), QRectF(20, 20, 40, 40));
  EXPECT_FALSE(c->isVisibleTo(&area));  // shapes start hidden
}

TEST(OverlayShape, IsDrawnOverThePictureAtPicturePixels) {
  PictureArea area;
  area.setSunkenBorder(true);
  area.resize(200, 200);
  area.setPicture(solid(200, 200, Qt::white));
  OverlayShape* r = area.addShape(1);
  r->setBorderColor(colourFromValue(colourValue(255, 0, 0)));
  r->setBox(QRectF(50, 60, 40, 30));
  r->show();
  const QImage shot = area.grab().toImage();
  const QPoint o = area.pictureOrigin();
  EXPECT_EQ(shot.pixelColor(o + QPoint(50, 70)), QColor(255, 0, 0));  // left edge
  EXPECT_EQ(shot.pixelColor(o + QPoint(70, 75)), QColor(Qt::white));  // hollow inside
}

// A flickering circle keeps its ring and changes only the colour: every change must show
// whole, and a moved or thickened circle must not keep its old ring.
TEST(OverlayShape, CircleShowsItsNewestColourBoxAndWidth) {
  PictureArea area;
  area.resize(200, 200);
  area.setPicture(solid(200, 200, Qt::white));
  OverlayShape* c = area.addShape(0);
  c->setBorderWidth(2);
  c->setBox(QRectF(40, 40, 60, 60));
  c->setBorderColor(Qt::red);
  c->show();
  const QPoint o = area.pictureOrigin();
  const auto at = [&](int x, int y) { return area.grab().toImage().pixelColor(o + QPoint(x, y)); };
  // Antialiasing leaves a few levels either way on the ring's middle.
  const auto near = [](QColor a, QColor b) {
    return std::abs(a.red() - b.red()) <= 12 && std::abs(a.green() - b.green()) <= 12 &&
           std::abs(a.blue() - b.blue()) <= 12;
  };
  EXPECT_TRUE(near(at(40, 70), Qt::red));  // the ring's left edge
  EXPECT_TRUE(near(at(41, 70), Qt::red));
  EXPECT_TRUE(near(at(42, 70), Qt::white));
  EXPECT_EQ(at(70, 70), QColor(Qt::white));  // hollow

  c->setBorderColor(Qt::blue);
  EXPECT_TRUE(near(at(40, 70), Qt::blue));
  EXPECT_TRUE(near(at(70, 99), Qt::blue));  // the bottom edge as well
  // An edge pixel of the diagonal is a blend of the colour and the picture, no other hue.
  const QColor blend = at(49, 49);
  EXPECT_EQ(blend.red(), blend.green());
  EXPECT_GE(blend.blue(), blend.red());

  c->setBox(QRectF(100, 100, 60, 60));
  EXPECT_EQ(at(40, 70), QColor(Qt::white));
  EXPECT_TRUE(near(at(100, 130), Qt::blue));
  c->setBorderWidth(4);
  EXPECT_TRUE(near(at(103, 130), Qt::blue));
  c->hide();
  EXPECT_EQ(at(100, 130), QColor(Qt::white));
  EXPECT_EQ(at(103, 130), QColor(Qt::white));
}

TEST(Colour, PlatformValueRoundTrips) {
  EXPECT_EQ(colourValue(255, 128, 0), 33023);
  EXPECT_EQ(colourFromValue(33023), QColor(255, 128, 0));
  EXPECT_EQ(valueOfColour(QColor(0, 0, 255)), 16711680);
}

TEST(MousePointer, OneOverrideAtATimeAndDefaultRestores) {
  setMousePointer(pointer::Cross);
  setMousePointer(pointer::SizeAll);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::SizeAllCursor);
  EXPECT_EQ(mousePointer(), pointer::SizeAll);
  setMousePointer(pointer::Default);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(ScriptedDialogs, AnswersInOrderAndRecordsTheApplicationTitle) {
  ScriptedDialogs d;
  d.answers = {box::No};
  EXPECT_EQ(d.messageBox("a?", box::YesNo | box::Question), box::No);
  EXPECT_EQ(d.messageBox("b?", box::YesNo | box::Question), box::Yes);  // default
  EXPECT_EQ(d.messageBox("c", box::Critical), box::Ok);
  EXPECT_EQ(d.inputBox("name", "t", ""), QString());  // cancel gives empty text
  ASSERT_EQ(d.messages().size(), 3u);
  EXPECT_EQ(d.messages()[2].title, QString("Vobrel"));
  EXPECT_EQ(d.messages()[2].flags & 0x70, int(box::Critical));
}
