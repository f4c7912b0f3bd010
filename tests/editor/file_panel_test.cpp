// SPDX-License-Identifier: GPL-2.0-or-later
// The file panel on a temporary application folder: choosing a pair's files, the preview
// and the scissors, the file operations and their failures, assigning and closing.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editor/file_panel.h"
#include "editor/shell_open.h"
#include "editor/file_panel_fixture.h"
#include "toolkit/file_list.h"
#include "toolkit/picture_loader.h"
#include "support/file_bytes.h"

using file_panel_fixture::FakeHost;
using file_panel_fixture::patterned;
using toolkit::box::Critical;
using toolkit::box::Exclamation;

using test_support::fileBytes;

namespace {

int clickEntry(toolkit::FileList* list, const QString& name) {
  const int index = list->names().indexOf(name);
  if (index < 0) return -1;
  QListWidgetItem* item = list->item(index);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  return index;
}

class FilePanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.writePicture("pair1.jpg", 500, 600);
    host.writePicture("pair1_C.jpg", 500, 600);
    host.writePicture("small.bmp", 100, 80, "BMP");
    host.addPair(1, "pair1.jpg", "pair1_C.jpg");
    host.window.show();
  }
  FakeHost host;
  editor::FilePanel& panel = *host.panel;
};

TEST_F(FilePanelTest, ControlsStandAtTheirPlacesWithTheirTexts) {
  EXPECT_EQ(panel.title(), "File");
  EXPECT_EQ(panel.geometry(), QRect(408, 0, 249, 457));
  EXPECT_EQ(panel.LblFile(0)->text(), "Originale");
  EXPECT_EQ(panel.LblFile(1)->text(), "Copia");
  EXPECT_EQ(panel.LblFile(2)->text(), "Copia/Rinomina con nome...");
  EXPECT_EQ(panel.File1()->geometry(), QRect(8, 32, 233, 110));
  EXPECT_EQ(panel.File2()->geometry(), QRect(8, 272, 233, 110));
  EXPECT_EQ(panel.TxtCopyAs()->geometry(), QRect(8, 208, 161, 19));
  EXPECT_EQ(panel.CmdCut()->toolTip(), "Adatta dimensioni");
  EXPECT_EQ(panel.CmdFileFromPath()->toolTip(), "Copia da...");
  EXPECT_EQ(panel.CmdDelete()->toolTip(), "Elimina");
  EXPECT_EQ(panel.CmdCopyAs()->toolTip(), "Copia con nome...");
  EXPECT_EQ(panel.CmdRename()->toolTip(), "Rinomina");
  EXPECT_EQ(panel.CmdRename()->iconSize(), QSize(16, 12));
  EXPECT_FALSE(panel.CmdRename()->icon().isNull());
  EXPECT_EQ(panel.CmdCut()->geometry(), QRect(152, 160, 25, 25));
  EXPECT_EQ(panel.CmdEdit()->text(), "&Modifica");
  EXPECT_EQ(panel.CmdOk()->text(), "&Ok");
  EXPECT_EQ(panel.CmdCancel()->text(), "A&nnulla");
  EXPECT_EQ(panel.CmdCancel()->geometry(), QRect(184, 424, 57, 25));
  EXPECT_FALSE(panel.CmdCut()->isEnabled());
  EXPECT_TRUE(panel.isHidden());
}

TEST_F(FilePanelTest, OpeningSelectsThePairsFilesAndPreviewsTheOriginal) {
  host.picture1->setPicture(patterned(50, 50));
  panel.open();
  EXPECT_EQ(panel.File1()->names(), QStringList({"pair1.jpg", "pair1_C.jpg", "small.bmp"}));
  EXPECT_EQ(panel.File1()->selectedName(), "pair1.jpg");
  EXPECT_EQ(panel.File2()->selectedName(), "pair1_C.jpg");
  EXPECT_EQ(panel.TxtCopyAs()->text(), "pair1_C.jpg");
  EXPECT_TRUE(host.picture2->isVisible());
  EXPECT_EQ(host.picture2->geometry(), QRect(0, 0, 500, 600));
  EXPECT_FALSE(host.picture1->hasPicture());
  EXPECT_EQ(host.rubberBandHides, 1);
  EXPECT_TRUE(panel.isVisible());
  EXPECT_FALSE(host.coordinatesShown);
  EXPECT_TRUE(panel.isCutEnabled());
}

TEST_F(FilePanelTest, ANameDifferingInCaseSelectsNothingAndEveryOpeningStartsEmpty) {
  panel.open();
  panel.CmdCancel_Click();
  host.selected = picture_db::PictureRecord{1, "PAIR1.jpg", "Pair1_C.jpg"};
  panel.open();
  EXPECT_EQ(panel.File1()->selectedIndex(), -1);  // the earlier choice is gone
  EXPECT_EQ(panel.File2()->selectedIndex(), -1);
  EXPECT_TRUE(host.picture2->isHidden());
  EXPECT_FALSE(panel.isCutEnabled());

  // "&Ok" then changes nothing of the pair.
  panel.CmdOk_Click();
  EXPECT_EQ(host.stored(1).original, "pair1.jpg");
  EXPECT_EQ(host.stored(1).copy, "pair1_C.jpg");
}

TEST_F(FilePanelTest, ClickingAnOriginalProposesTheCopyNameAndThePreviewStartsAtTheCorner) {
  panel.open();
  host.picture2->move(-40, -30);
  ASSERT_EQ(clickEntry(panel.File1(), "small.bmp"), 2);
  EXPECT_EQ(panel.TxtCopyAs()->text(), "small_C.bmp");
  EXPECT_EQ(host.picture2->geometry(), QRect(0, 0, 100, 80));
  EXPECT_FALSE(panel.isCutEnabled());
}

TEST_F(FilePanelTest, ScissorsEnabledExactlyWhenThePreviewIsLargerByOnePixel) {
  host.writePicture("exact.bmp", 382, 438, "BMP");
  host.writePicture("wider.bmp", 383, 438, "BMP");
  host.writePicture("taller.bmp", 382, 439, "BMP");
  panel.open();
  for (const auto& [name, enabled] : {std::pair{"exact.bmp", false}, {"wider.bmp", true}, {"taller.bmp", true}}) {
    panel.File1()->selectName(name);
    panel.File1_Click();
    EXPECT_EQ(panel.isCutEnabled(), enabled) << name;
  }
}

TEST_F(FilePanelTest, AnUnreadablePictureIsReportedAndLeavesNoPreviewToCut) {
  QFile bad(host.imagePath("broken.gif"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a picture at all");
  bad.close();
  panel.open();
  ASSERT_TRUE(panel.isCutEnabled());
  clickEntry(panel.File1(), "broken.gif");
  ASSERT_EQ(host.boxes.messages().size(), 1u);
  EXPECT_TRUE(host.boxes.messages()[0].text.contains(host.imagePath("broken.gif")));
  EXPECT_EQ(host.boxes.messages()[0].flags, Critical);
  EXPECT_TRUE(host.picture2->isHidden());
  EXPECT_FALSE(panel.isCutEnabled());
  EXPECT_EQ(panel.TxtCopyAs()->text(), "broken_C.gif");
}

TEST_F(FilePanelTest, CopyAndRenameUseTheTypedName) {
  panel.open();
  panel.TxtCopyAs()->setText("pair2.jpg");
  panel.CmdCopyAs_Click();
  EXPECT_EQ(fileBytes(host.imagePath("pair2.jpg")), fileBytes(host.imagePath("pair1.jpg")));
  EXPECT_TRUE(panel.File2()->names().contains("pair2.jpg"));

  panel.TxtCopyAs()->setText("renamed.JPG");
  const QByteArray before = fileBytes(host.imagePath("pair1.jpg"));
  panel.CmdRename_Click();
  EXPECT_FALSE(QFile::exists(host.imagePath("pair1.jpg")));
  EXPECT_EQ(fileBytes(host.imagePath("renamed.JPG")), before);
  EXPECT_TRUE(panel.File1()->names().contains("renamed.JPG"));
  // The renamed file is chosen and shown; pair 1 used it, so the rename was asked first.
  EXPECT_EQ(panel.File1()->selectedName(), "renamed.JPG");
  EXPECT_TRUE(host.picture2->hasPicture());
  ASSERT_EQ(host.boxes.messages().size(), 1u);
  EXPECT_EQ(host.boxes.messages()[0].text, "Il file pair1.jpg è usato dalla coppia 1 (pair1_C.jpg). Rinominarlo?");
}

TEST_F(FilePanelTest, CopyAndRenameDoNothingWithoutASelectionOrAName) {
  panel.open();
  panel.TxtCopyAs()->clear();
  panel.CmdCopyAs_Click();
  panel.CmdRename_Click();
  panel.File1()->selectIndex(-1);
  panel.TxtCopyAs()->setText("x.jpg");
  panel.CmdCopyAs_Click();
  panel.CmdRename_Click();
  EXPECT_EQ(QDir(host.images()).entryList(QDir::Files).size(), 3);
  EXPECT_TRUE(host.boxes.calls.empty());
}

TEST_F(FilePanelTest, UnusableNamesAreRefusedWithAMessage) {
  panel.open();
  for (const QString& name : QStringList{"../escape.jpg", "sub\\x.jpg", "   ", "..", "picture.png"}) {
    host.boxes.clear();
    panel.TxtCopyAs()->setText(name);
    panel.CmdCopyAs_Click();
    panel.CmdRename_Click();
    ASSERT_EQ(host.boxes.messages().size(), 2u) << name.toStdString();
    EXPECT_EQ(host.boxes.messages()[0].flags, Critical);
    EXPECT_TRUE(host.boxes.messages()[0].text.contains(name));
  }
  EXPECT_FALSE(QFile::exists(host.appFolder() + "/escape.jpg"));
  EXPECT_EQ(QDir(host.images()).entryList(QDir::Files).size(), 3);
  EXPECT_TRUE(QFile::exists(host.imagePath("pair1.jpg")));
}

TEST_F(FilePanelTest, CopyOntoItselfIsRefusedAndTheFileKept) {
  panel.open();
  const QByteArray before = fileBytes(host.imagePath("pair1.jpg"));
  panel.TxtCopyAs()->setText("pair1.jpg");
  panel.CmdCopyAs_Click();
  ASSERT_EQ(host.boxes.messages().size(), 1u);
  EXPECT_TRUE(host.boxes.messages()[0].text.contains("stesso file"));
  EXPECT_EQ(fileBytes(host.imagePath("pair1.jpg")), before);
  EXPECT_EQ(panel.File1()->selectedName(), "pair1.jpg");
}

TEST_F(FilePanelTest, RenameOntoAnExistingPictureAsksFirst) {
  panel.open();
  const QByteArray original = fileBytes(host.imagePath("pair1.jpg"));
  const QByteArray copy = fileBytes(host.imagePath("pair1_C.jpg"));
  panel.TxtCopyAs()->setText("pair1_C.jpg");
  host.boxes.answers = {toolkit::box::No};
  panel.CmdRename_Click();
  ASSERT_EQ(host.boxes.messages().size(), 1u);
  EXPECT_EQ(host.boxes.messages()[0].flags, toolkit::box::YesNo | Exclamation);
  EXPECT_TRUE(host.boxes.messages()[0].text.contains("esiste già"));
  EXPECT_EQ(fileBytes(host.imagePath("pair1_C.jpg")), copy);
  EXPECT_EQ(fileBytes(host.imagePath("pair1.jpg")), original);

  host.boxes.answers = {toolkit::box::Yes};
  panel.CmdRename_Click();
  EXPECT_FALSE(QFile::exists(host.imagePath("pair1.jpg")));
  EXPECT_EQ(fileBytes(host.imagePath("pair1_C.jpg")), original);
}

TEST_F(FilePanelTest, DeleteAsksAndNoKeepsEverything) {
  panel.open();
  host.boxes.answers = {toolkit::box::No};
  panel.CmdDelete_Click();
  ASSERT_EQ(host.boxes.messages().size(), 1u);
  // Pair 1 uses the file: the question names it, No being the default.
  EXPECT_EQ(host.boxes.messages()[0].text, "Il file pair1.jpg è usato dalla coppia 1 (pair1_C.jpg). Eliminarlo?");
  EXPECT_EQ(host.boxes.messages()[0].flags, toolkit::box::YesNo | Exclamation | toolkit::box::DefaultButton2);
  EXPECT_TRUE(QFile::exists(host.imagePath("pair1.jpg")));
  EXPECT_EQ(panel.File1()->count(), 3);
  EXPECT_EQ(panel.File1()->selectedName(), "pair1.jpg");

  host.boxes.answers = {toolkit::box::Yes};
  panel.CmdDelete_Click();
  EXPECT_FALSE(QFile::exists(host.imagePath("pair1.jpg")));
  EXPECT_EQ(panel.File2()->names(), QStringList({"pair1_C.jpg", "small.bmp"}));
  EXPECT_FALSE(host.picture2->hasPicture());  // nothing chosen, nothing shown
  EXPECT_FALSE(panel.isCutEnabled());
  EXPECT_EQ(host.stored(1).original, "pair1.jpg");  // only the file goes
}

TEST_F(FilePanelTest, BringingInAFileReplacesOneOfTheSameName) {
  QTemporaryDir elsewhere;
  const QString source = elsewhere.path() + "/small.bmp";
  patterned(30, 20).save(source, "BMP");
  panel.open();
  host.boxes.chosenFiles = {source};
  panel.CmdFileFromPath_Click();
  ASSERT_EQ(host.boxes.calls.size(), 1u);
  EXPECT_EQ(host.boxes.calls[0].kind, toolkit::ScriptedDialogs::Call::OpenFile);
  EXPECT_EQ(host.boxes.calls[0].text, "File Immagine|*.wmf;*.emf;*.bmp;*.jpg;*.gif");
  EXPECT_EQ(fileBytes(host.imagePath("small.bmp")), fileBytes(source));

  // Cancelling the dialog changes nothing.
  host.boxes.chosenFiles = {QString()};
  panel.CmdFileFromPath_Click();
  EXPECT_EQ(host.boxes.messages().size(), 0u);

  // The file brought in is chosen and shown.
  EXPECT_EQ(panel.File1()->selectedName(), "small.bmp");
  EXPECT_EQ(host.picture2->size(), QSize(30, 20));

  // Another file under a name a pair uses: asked first, then shown, never the old preview.
  patterned(600, 700).save(elsewhere.path() + "/pair1.jpg", "JPG");
  host.boxes.chosenFiles = {elsewhere.path() + "/pair1.jpg"};
  host.boxes.answers = {toolkit::box::No};
  panel.CmdFileFromPath_Click();
  ASSERT_EQ(host.boxes.messages().size(), 1u);
  EXPECT_EQ(host.boxes.messages()[0].text, "Il file pair1.jpg è usato dalla coppia 1 (pair1_C.jpg). Sostituirlo?");
  EXPECT_NE(fileBytes(host.imagePath("pair1.jpg")), fileBytes(elsewhere.path() + "/pair1.jpg"));
  host.boxes.chosenFiles = {elsewhere.path() + "/pair1.jpg"};
  host.boxes.answers = {toolkit::box::Yes};
  panel.CmdFileFromPath_Click();
  EXPECT_EQ(fileBytes(host.imagePath("pair1.jpg")), fileBytes(elsewhere.path() + "/pair1.jpg"));
  EXPECT_EQ(panel.File1()->selectedName(), "pair1.jpg");
  EXPECT_EQ(host.picture2->size(), QSize(600, 700));
}

TEST_F(FilePanelTest, OkWithOnlyTheCopyChosenChangesTheCopyOnly) {
  panel.open();
  panel.File1()->selectIndex(-1);
  panel.File2()->selectName("small.bmp");
  panel.CmdOk_Click();
  EXPECT_EQ(host.stored(1).copy, "small.bmp");
  EXPECT_EQ(host.stored(1).original, "pair1.jpg");
  EXPECT_EQ(host.selected->copy, "small.bmp");
  EXPECT_EQ(host.selected->original, "pair1.jpg");
  EXPECT_TRUE(host.coordinatesShown);
  EXPECT_TRUE(panel.isHidden());
  EXPECT_TRUE(host.picture2->isHidden());
  EXPECT_FALSE(host.picture2->hasPicture());
  EXPECT_EQ(host.refreshes, 2);
}

TEST_F(FilePanelTest, OkReportsADatabaseFailureAndStaysOpen) {
  panel.open();
  host.pictureDb().sqlite().exec("DROP TABLE FOTO");
  panel.CmdOk_Click();
  ASSERT_EQ(host.boxes.messages().size(), 1u);
  EXPECT_EQ(host.boxes.messages()[0].flags, Critical);
  EXPECT_TRUE(host.boxes.messages()[0].text.contains("FOTO", Qt::CaseInsensitive));
  EXPECT_TRUE(panel.isVisible());
  EXPECT_EQ(host.selected->original, "pair1.jpg");
}

TEST_F(FilePanelTest, CancelAndEscapeCloseWithoutStoring) {
  panel.open();
  panel.File1()->selectName("small.bmp");
  clickEntry(panel.File1(), "small.bmp");
  QTest::mouseClick(panel.CmdCancel(), Qt::LeftButton);
  EXPECT_TRUE(panel.isHidden());
  EXPECT_TRUE(host.coordinatesShown);
  EXPECT_FALSE(host.picture2->hasPicture());
  EXPECT_EQ(host.refreshes, 1);
  EXPECT_EQ(host.stored(1).original, "pair1.jpg");

  // Esc counts only while the panel shows.
  host.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&host.window));
  QTest::keyClick(&host.window, Qt::Key_Escape);
  EXPECT_EQ(host.refreshes, 1);
  panel.open();
  QTest::keyClick(panel.File1(), Qt::Key_Escape);
  EXPECT_TRUE(panel.isHidden());
  EXPECT_TRUE(host.coordinatesShown);
  EXPECT_EQ(host.refreshes, 2);
  // Also while a name is being typed.
  panel.open();
  panel.TxtCopyAs()->setFocus();
  QTest::keyClick(panel.TxtCopyAs(), Qt::Key_Escape);
  EXPECT_TRUE(panel.isHidden());
  EXPECT_EQ(host.refreshes, 3);
}

}  // namespace
