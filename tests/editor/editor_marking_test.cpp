// SPDX-License-Identifier: GPL-2.0-or-later
// Marking a rectangle on the copy with the mouse, and dragging a large preview about
// under the picture area; the screen-wide pointer shapes both set.
#include "editor/file_panel.h"
#include "editor/editor_window_fixture.h"

using namespace editor_window_fixture;
using namespace toolkit;

namespace {
class EditorMarking : public EditorWindowTest {
 protected:
  void SetUp() override {
    EditorWindowTest::SetUp();
    folder.addPair(1, {}, QSize(300, 300));
    open();
  }
  // A preview larger than the viewport, as the file panel shows one.
  void showPreview(QSize size) {
    control<toolkit::PictureArea>(*w, "Picture2")->setPicture(test_support::solidPicture(size, Qt::darkGreen));
    control<toolkit::PictureArea>(*w, "Picture2")->move(0, 0);
    control<toolkit::PictureArea>(*w, "Picture2")->show();
  }
};
}  // namespace

TEST_F(EditorMarking, DraggingBackwardsOrdersTheEdges) {
  QTest::mousePress(control<toolkit::PictureArea>(*w, "Picture1"), Qt::LeftButton, {}, {50, 40});
  EXPECT_EQ(mousePointer(), pointer::Cross);
  QTest::mouseMove(control<toolkit::PictureArea>(*w, "Picture1"), {30, 70});
  QTest::mouseMove(control<toolkit::PictureArea>(*w, "Picture1"), {20, 100});
  EXPECT_FALSE(control<toolkit::OverlayShape>(*w, "shBorder")->isHidden());
  EXPECT_EQ(band(), QRectF(20, 40, 30, 60));
  EXPECT_EQ(legend(), (QStringList{"20", "40", "50", "100"}));
  QTest::mouseRelease(control<toolkit::PictureArea>(*w, "Picture1"), Qt::LeftButton, {}, {20, 100});
  EXPECT_EQ(mousePointer(), pointer::Default);
  // Marked: it stays with its legend after the release.
  EXPECT_FALSE(control<toolkit::OverlayShape>(*w, "shBorder")->isHidden());
  hover(control<toolkit::PictureArea>(*w, "Picture1"), {5, 5});
  EXPECT_EQ(legend(), (QStringList{"20", "40", "50", "100"}));
}

TEST_F(EditorMarking, CrossingBackOverThePressPointSpansFromItToThePointer) {
  QTest::mousePress(control<toolkit::PictureArea>(*w, "Picture1"), Qt::LeftButton, {}, {100, 100});
  QTest::mouseMove(control<toolkit::PictureArea>(*w, "Picture1"), {80, 60});  // up and left
  EXPECT_EQ(band(), QRectF(80, 60, 20, 40));
  QTest::mouseMove(control<toolkit::PictureArea>(*w, "Picture1"), {130, 150});  // back down past the press point
  EXPECT_EQ(band(), QRectF(100, 100, 30, 50));
  QTest::mouseMove(control<toolkit::PictureArea>(*w, "Picture1"),
                   {100, 100});  // onto the press point: an empty rectangle
  EXPECT_EQ(band(), QRectF(100, 100, 0, 0));
  EXPECT_FALSE(control<toolkit::OverlayShape>(*w, "shBorder")->isHidden());
  QTest::mouseRelease(control<toolkit::PictureArea>(*w, "Picture1"), Qt::LeftButton, {}, {100, 100});
}

TEST_F(EditorMarking, BeyondThePictureEdgesGoNegativeUnclamped) {
  drag({30, 20}, {-15, 500});
  EXPECT_EQ(band(), QRectF(-15, 20, 45, 480));
  EXPECT_EQ(legend(), (QStringList{"-15", "20", "30", "500"}));
}

TEST_F(EditorMarking, WhileNothingIsMarkedTheLegendFollowsThePointer) {
  hover(control<toolkit::PictureArea>(*w, "Picture1"), {12, 34});
  EXPECT_EQ(legend(), (QStringList{"12", "34", "", ""}));
  // A press and release without a move marks nothing.
  QTest::mouseClick(control<toolkit::PictureArea>(*w, "Picture1"), Qt::LeftButton, {}, {60, 70});
  EXPECT_TRUE(control<toolkit::OverlayShape>(*w, "shBorder")->isHidden());
  hover(control<toolkit::PictureArea>(*w, "Picture1"), {61, 72});
  EXPECT_EQ(legend(), (QStringList{"61", "72", "", ""}));
}

TEST_F(EditorMarking, TheRightButtonHidesTheMarkAndDrawsNothing) {
  drag({10, 10}, {50, 50});
  ASSERT_FALSE(control<toolkit::OverlayShape>(*w, "shBorder")->isHidden());
  drag({100, 100}, {200, 180}, Qt::RightButton);
  EXPECT_TRUE(control<toolkit::OverlayShape>(*w, "shBorder")->isHidden());
  EXPECT_EQ(w->dragStart().x(), 100);
  EXPECT_EQ(w->dragStart().y(), 100);
  // The legend keeps what the left drag wrote.
  EXPECT_EQ(legend(), (QStringList{"10", "10", "50", "50"}));
}

TEST_F(EditorMarking, ChoosingAnotherPairHidesTheMarkButKeepsTheLegend) {
  drag({10, 20}, {40, 60});
  clickRow(*control<toolkit::ReportList>(*w, "LstImages"), 0);
  EXPECT_TRUE(control<toolkit::OverlayShape>(*w, "shBorder")->isHidden());
  EXPECT_EQ(legend(), (QStringList{"10", "20", "40", "60"}));
}

TEST_F(EditorMarking, TheMarkIsVisibleOverDarkAndLightPictures) {
  for (const QColor ground : {QColor(Qt::black), QColor(Qt::white)}) {
    control<toolkit::PictureArea>(*w, "Picture1")->setPicture(test_support::solidPicture({300, 300}, ground));
    drag({20, 20}, {120, 80});
    const QImage shot = control<toolkit::PictureArea>(*w, "Picture1")->grab().toImage();
    int differing = 0;
    for (int x = 20; x < 120; ++x) differing += shot.pixelColor(x, 20) != ground;
    EXPECT_GT(differing, 30) << ground.name().toStdString();
    EXPECT_EQ(shot.pixelColor(70, 50), ground);  // hollow
  }
}

TEST_F(EditorMarking, WhileAPreviewIsShownThePictureAreaIgnoresTheMouse) {
  drag({10, 10}, {40, 40});
  showPreview({100, 100});
  // Beside the small preview, on Picture1 itself.
  drag({200, 200}, {250, 260});
  EXPECT_EQ(band(), QRectF(10, 10, 30, 30));
  EXPECT_FALSE(control<toolkit::OverlayShape>(*w, "shBorder")->isHidden());
  EXPECT_EQ(legend(), (QStringList{"10", "10", "40", "40"}));
}

TEST_F(EditorMarking, APreviewLargerBothWaysPansUnderTheViewport) {
  showPreview({600, 700});
  QTest::mousePress(control<toolkit::PictureArea>(*w, "Picture2"), Qt::LeftButton, {}, {200, 200});
  EXPECT_EQ(mousePointer(), pointer::SizeAll);
  QTest::mouseMove(control<toolkit::PictureArea>(*w, "Picture2"), {170, 150});
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture2")->pos(), QPoint(-30, -50));
  // The pixel grabbed stays under the pointer: now at 200,200 of the preview again.
  QTest::mouseMove(control<toolkit::PictureArea>(*w, "Picture2"), {100, 200});
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture2")->pos(), QPoint(-130, -50));
  // A step that would uncover the top edge moves only sideways.
  QTest::mouseMove(control<toolkit::PictureArea>(*w, "Picture2"), {190, 300});
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture2")->pos(), QPoint(-140, -50));
  QTest::mouseRelease(control<toolkit::PictureArea>(*w, "Picture2"), Qt::LeftButton, {}, {190, 300});
  EXPECT_EQ(mousePointer(), pointer::Default);
  // Far to the left: it stops with its right edge at the viewport's right edge.
  QTest::mousePress(control<toolkit::PictureArea>(*w, "Picture2"), Qt::LeftButton, {}, {300, 300});
  QTest::mouseMove(control<toolkit::PictureArea>(*w, "Picture2"), {0, 300});
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture2")->pos(), QPoint(-140, -50));
  QTest::mouseMove(control<toolkit::PictureArea>(*w, "Picture2"), {222, 300});
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture2")->pos(), QPoint(-218, -50));
  QTest::mouseRelease(control<toolkit::PictureArea>(*w, "Picture2"), Qt::LeftButton, {}, {222, 300});
}

TEST_F(EditorMarking, PointerShapesFollowTheDirectionsThePreviewCanMove) {
  showPreview({500, 438});
  QTest::mousePress(control<toolkit::PictureArea>(*w, "Picture2"), Qt::LeftButton, {}, {50, 50});
  EXPECT_EQ(mousePointer(), pointer::SizeWE);
  QTest::mouseMove(control<toolkit::PictureArea>(*w, "Picture2"), {50, 10});
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture2")->pos(), QPoint(0, 0));  // no height to spare
  QTest::mouseRelease(control<toolkit::PictureArea>(*w, "Picture2"), Qt::LeftButton, {}, {50, 10});

  showPreview({382, 600});
  QTest::mousePress(control<toolkit::PictureArea>(*w, "Picture2"), Qt::LeftButton, {}, {50, 50});
  EXPECT_EQ(mousePointer(), pointer::SizeNS);
  QTest::mouseRelease(control<toolkit::PictureArea>(*w, "Picture2"), Qt::LeftButton, {}, {50, 50});

  showPreview({382, 438});  // exactly the viewport: no shape, no move
  QTest::mousePress(control<toolkit::PictureArea>(*w, "Picture2"), Qt::LeftButton, {}, {50, 50});
  EXPECT_EQ(mousePointer(), pointer::Default);
  QTest::mouseMove(control<toolkit::PictureArea>(*w, "Picture2"), {10, 10});
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture2")->pos(), QPoint(0, 0));
  QTest::mouseRelease(control<toolkit::PictureArea>(*w, "Picture2"), Qt::LeftButton, {}, {10, 10});
}

TEST_F(EditorMarking, HoveringAPreviewThatCanBeCutShowsTheMovePointer) {
  folder.writePicture("big.bmp", test_support::solidPicture({600, 500}, Qt::red), "BMP");
  w->CmdImgUpd_Click();
  ASSERT_FALSE(control<editor::FilePanel>(*w, "FraFile")->isHidden());
  ASSERT_TRUE(control<editor::FilePanel>(*w, "FraFile")->File1()->selectName("big.bmp"));
  control<editor::FilePanel>(*w, "FraFile")->File1_Click();
  ASSERT_FALSE(control<toolkit::PictureArea>(*w, "Picture2")->isHidden());
  ASSERT_TRUE(control<editor::FilePanel>(*w, "FraFile")->isCutEnabled());
  hover(control<toolkit::PictureArea>(*w, "Picture2"), {10, 10});
  EXPECT_EQ(mousePointer(), pointer::Custom);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->hotSpot(), QPoint(0, 0));
  // Over the background, the frames and the arrows the default pointer comes back.
  for (QWidget* where :
       {static_cast<QWidget*>(w.get()), static_cast<QWidget*>(control<QGroupBox>(*w, "FraCoord")),
        static_cast<QWidget*>(control<editor::FilePanel>(*w, "FraFile")),
        static_cast<QWidget*>(control<QLabel>(*w, "Image1")), static_cast<QWidget*>(control<QLabel>(*w, "Image2"))}) {
    setMousePointer(pointer::SizeAll);
    hover(where, {3, 3});
    EXPECT_EQ(mousePointer(), pointer::Default) << where->objectName().toStdString();
  }
}

TEST_F(EditorMarking, APreviewThatFitsKeepsTheUsualPointer) {
  folder.writePicture("small.bmp", test_support::solidPicture({100, 80}, Qt::red), "BMP");
  w->CmdImgUpd_Click();
  ASSERT_TRUE(control<editor::FilePanel>(*w, "FraFile")->File1()->selectName("small.bmp"));
  control<editor::FilePanel>(*w, "FraFile")->File1_Click();
  ASSERT_FALSE(control<editor::FilePanel>(*w, "FraFile")->isCutEnabled());
  hover(control<toolkit::PictureArea>(*w, "Picture2"), {10, 10});
  EXPECT_EQ(mousePointer(), pointer::Default);
}
