// SPDX-License-Identifier: GPL-2.0-or-later
// The file panel inside the editor window: a new pair gets its files, and a large original
// is dragged and trimmed to what the viewport shows.
#include <QFile>
#include <QTemporaryDir>

#include "editor/editor_window_fixture.h"
#include "editor/file_panel_fixture.h"
#include "toolkit/picture_loader.h"

namespace {

using editor_window_fixture::control;
using editor_window_fixture::EditorWindowTest;
namespace box = toolkit::box;

void clickEntry(toolkit::FileList* list, const QString& name) {
  const int index = list->names().indexOf(name);
  ASSERT_GE(index, 0) << name.toStdString();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(index)).center());
}

void leftDrag(QWidget* widget, QPoint from, QPoint to) {
  QTest::mousePress(widget, Qt::LeftButton, {}, from);
  QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(widget->mapToGlobal(to)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

class FilePanelInWindow : public EditorWindowTest {};

TEST_F(FilePanelInWindow, ANewPairGetsTheFilesBroughtInAndChosen) {
  folder.addPair(1, {}, QSize(50, 50));
  QTemporaryDir camera;
  const QImage original = file_panel_fixture::patterned(120, 90);
  QImage copy = original;
  copy.setPixelColor(10, 10, Qt::red);
  original.save(camera.path() + "/casa.bmp", "BMP");
  copy.save(camera.path() + "/casa_C.bmp", "BMP");
  open();

  click(control<QPushButton>(*w, "CmdImgAdd"));
  ASSERT_FALSE(control<editor::FilePanel>(*w, "FraFile")->isHidden());
  EXPECT_TRUE(control<QGroupBox>(*w, "FraCoord")->isHidden());
  EXPECT_EQ(control<editor::FilePanel>(*w, "FraFile")->File1()->selectedIndex(), -1);
  EXPECT_EQ(control<editor::FilePanel>(*w, "FraFile")->File2()->selectedIndex(), -1);
  EXPECT_TRUE(control<toolkit::PictureArea>(*w, "Picture2")->isHidden());

  boxes.chosenFiles = {camera.path() + "/casa.bmp", camera.path() + "/casa_C.bmp"};
  click(control<editor::FilePanel>(*w, "FraFile")->CmdFileFromPath());
  click(control<editor::FilePanel>(*w, "FraFile")->CmdFileFromPath());
  EXPECT_EQ(control<editor::FilePanel>(*w, "FraFile")->File1()->names(),
            QStringList({"1.bmp", "1_C.bmp", "casa.bmp", "casa_C.bmp"}));

  clickEntry(control<editor::FilePanel>(*w, "FraFile")->File1(), "casa.bmp");
  EXPECT_EQ(control<editor::FilePanel>(*w, "FraFile")->TxtCopyAs()->text(), "casa_C.bmp");
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture2")->size(), QSize(120, 90));
  clickEntry(control<editor::FilePanel>(*w, "FraFile")->File2(), "casa_C.bmp");
  click(control<editor::FilePanel>(*w, "FraFile")->CmdOk());

  const auto pairs = storedPairs();
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[1].id, 2);
  EXPECT_EQ(pairs[1].original, "casa.bmp");
  EXPECT_EQ(pairs[1].copy, "casa_C.bmp");
  const int row = control<toolkit::ReportList>(*w, "LstImages")->selectedRow();
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->text(row), "casa_C.bmp");
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->subItem(row, 1), "casa.bmp");
  EXPECT_TRUE(control<editor::FilePanel>(*w, "FraFile")->isHidden());
  EXPECT_FALSE(control<QGroupBox>(*w, "FraCoord")->isHidden());
  EXPECT_TRUE(control<toolkit::PictureArea>(*w, "Picture2")->isHidden());
  ASSERT_TRUE(control<toolkit::PictureArea>(*w, "Picture1")->hasPicture());
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture1")->picture().pixelColor(10, 10),
            QColor(Qt::red));  // the copy is on screen
  EXPECT_EQ(control<QLineEdit>(*w, "TxtExport")->text(), "casa");
  EXPECT_TRUE(boxes.messages().empty());
}

TEST_F(FilePanelInWindow, ALargeOriginalDraggedToItsCornerIsTrimmedToIt) {
  const QImage big = file_panel_fixture::patterned(600, 500);
  folder.writePicture("big.jpg", big, "BMP");
  folder.addPairWithoutFiles(1, "big.jpg", "(none)", {});
  open();
  click(control<QPushButton>(*w, "CmdImgUpd"));
  ASSERT_TRUE(control<editor::FilePanel>(*w, "FraFile")->isCutEnabled());

  leftDrag(control<toolkit::PictureArea>(*w, "Picture2"), {400, 400}, {400 - 218, 400 - 62});
  ASSERT_EQ(control<toolkit::PictureArea>(*w, "Picture2")->pos(), QPoint(-218, -62));
  boxes.answers = {box::Ok};
  click(control<editor::FilePanel>(*w, "FraFile")->CmdCut());

  const toolkit::LoadedPicture cut = toolkit::loadPicture(folder.imagesPath() + "/big.jpg");
  ASSERT_TRUE(cut.ok());
  EXPECT_EQ(cut.image.size(), QSize(382, 438));
  EXPECT_EQ(cut.image.convertToFormat(QImage::Format_RGB32), big.copy(218, 62, 382, 438));
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture2")->geometry(), QRect(0, 0, 382, 438));
  EXPECT_FALSE(control<editor::FilePanel>(*w, "FraFile")->CmdCut()->isEnabled());
  ASSERT_EQ(boxes.messages().size(), 1u);  // the question, nothing went wrong
}

}  // namespace
