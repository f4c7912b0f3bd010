// SPDX-License-Identifier: GPL-2.0-or-later
// What the viewport shows, taken as a picture, and the scissors that trim a file to it.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "editor/capture.h"
#include "editor/file_panel.h"
#include "editor/file_panel_fixture.h"
#include "editor/file_size_limit.h"
#include "toolkit/file_list.h"
#include "toolkit/picture_area.h"
#include "toolkit/picture_loader.h"
#include "support/file_bytes.h"

using file_panel_fixture::FakeHost;
using file_panel_fixture::patterned;

using test_support::fileBytes;

namespace {

// Counts pixels of `shot` that differ from `expected`.
int differences(const QImage& shot, const QImage& expected) {
  if (shot.size() != expected.size()) return -1;
  int n = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x)
      if ((shot.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF)) ++n;
  return n;
}

TEST(Capture, TheViewportShowsThePreviewAtItsOffset) {
  FakeHost host;
  const QImage picture = patterned(600, 700);
  host.picture2->setPicture(picture);
  host.picture2->move(382 - 600, 438 - 700);  // dragged to its bottom-right corner
  host.picture2->show();
  const QImage shot = editor::GrabPictureBox(*host.picture1);
  EXPECT_EQ(shot.size(), QSize(382, 438));
  EXPECT_EQ(differences(shot, picture.copy(600 - 382, 700 - 438, 382, 438)), 0);
}

TEST(Capture, WhereThePreviewDoesNotReachTheBackgroundShows) {
  FakeHost host;
  const QImage picture = patterned(500, 100);
  host.picture2->setPicture(picture);
  host.picture2->move(-50, 0);
  host.picture2->show();
  const QImage shot = editor::GrabPictureBox(*host.picture1);
  ASSERT_EQ(shot.size(), QSize(382, 438));
  EXPECT_EQ(differences(shot.copy(0, 0, 382, 100), picture.copy(50, 0, 382, 100)), 0);
  QImage below(382, 338, QImage::Format_RGB32);
  below.fill(host.background);
  EXPECT_EQ(differences(shot.copy(0, 100, 382, 338), below), 0);
}

TEST(Capture, AnAreaOfAWindowInsideItsBorderOrBeyondIt) {
  toolkit::PictureArea area;
  area.setSunkenBorder(true);
  area.resize(60, 50);
  area.setPicture(patterned(100, 100));
  const QImage inner = editor::GrabWindowArea(area, true, 5, 6, 10, 8);
  EXPECT_EQ(differences(inner, patterned(100, 100).copy(5, 6, 10, 8)), 0);

  const QImage whole = editor::GrabWindowArea(area, false, 0, 0, 60, 50);
  EXPECT_EQ(whole.size(), QSize(60, 50));
  EXPECT_NE(whole.pixel(0, 0) & 0xFFFFFF, patterned(100, 100).pixel(0, 0) & 0xFFFFFF);  // the border

  const QImage beyond = editor::GrabWindowArea(area, false, 50, 40, 20, 20);
  EXPECT_EQ(beyond.size(), QSize(20, 20));
  EXPECT_EQ(beyond.pixelColor(19, 19), area.palette().color(area.backgroundRole()));
}

TEST(Capture, APaletteKeepsThePictureToItsColours) {
  QImage bitmap(4, 4, QImage::Format_RGB32);
  bitmap.fill(QColor(250, 5, 5));
  const QImage kept = editor::BitmapToPicture(bitmap);
  EXPECT_EQ(kept, bitmap);
  const QImage reduced = editor::BitmapToPicture(bitmap, {qRgb(255, 0, 0), qRgb(0, 0, 255)});
  EXPECT_EQ(reduced.format(), QImage::Format_Indexed8);
  EXPECT_EQ(reduced.pixelColor(1, 1), QColor(255, 0, 0));
}

class Cut : public ::testing::Test {
 protected:
  void SetUp() override {
    host.writePicture("big.jpg", 600, 700, "BMP");  // bitmap data under a .jpg name
    host.addPair(1, "big.jpg", "(none)");
    host.window.show();
    host.panel->open();
    ASSERT_TRUE(host.panel->isCutEnabled());
  }
  FakeHost host;
};

TEST_F(Cut, CancelInTheQuestionLeavesTheFile) {
  const QByteArray before = fileBytes(host.imagePath("big.jpg"));
  host.boxes.answers = {toolkit::box::Cancel};
  host.panel->CmdCut_Click();
  ASSERT_EQ(host.boxes.messages().size(), 1u);
  EXPECT_EQ(host.boxes.messages()[0].text,
            "Ridimensionare il file \n" + host.imagePath("big.jpg") + "\nall'area visibile?");
  EXPECT_EQ(host.boxes.messages()[0].flags, toolkit::box::OkCancel | toolkit::box::Question);
  EXPECT_EQ(fileBytes(host.imagePath("big.jpg")), before);
}

TEST_F(Cut, TheFileBecomesTheVisibleCornerAsABitmapUnderItsName) {
  // The window moves the preview while it is dragged; here it is placed directly.
  host.picture2->move(382 - 600, 438 - 700);
  host.boxes.answers = {toolkit::box::Ok};
  host.panel->CmdCut_Click();
  EXPECT_EQ(host.boxes.messages().size(), 1u);  // the question only

  EXPECT_TRUE(fileBytes(host.imagePath("big.jpg")).startsWith("BM"));
  const toolkit::LoadedPicture cut = toolkit::loadPicture(host.imagePath("big.jpg"));
  ASSERT_TRUE(cut.ok());
  EXPECT_EQ(differences(cut.image, patterned(600, 700).copy(218, 262, 382, 438)), 0);
  // The click steps ran again: the preview fills the viewport from its corner.
  EXPECT_EQ(host.picture2->geometry(), QRect(0, 0, 382, 438));
  EXPECT_FALSE(host.panel->isCutEnabled());
  EXPECT_EQ(host.panel->TxtCopyAs()->text(), "big_C.jpg");
  EXPECT_EQ(host.panel->File1()->names(), QStringList{"big.jpg"});
}

TEST_F(Cut, AFailedSaveNamesTheFileAndKeepsIt) {
  const QByteArray before = fileBytes(host.imagePath("big.jpg"));
  host.picture2->move(-10, -10);
  host.boxes.answers = {toolkit::box::Ok};
  {
    FileSizeLimit diskFull(4096);
    host.panel->CmdCut_Click();
  }
  ASSERT_EQ(host.boxes.messages().size(), 2u);
  const auto report = host.boxes.messages()[1];
  EXPECT_EQ(report.flags, toolkit::box::Critical);
  EXPECT_TRUE(report.text.contains(host.imagePath("big.jpg")));
  EXPECT_TRUE(report.text.contains("il file è troppo grande")) << report.text.toStdString();
  EXPECT_EQ(fileBytes(host.imagePath("big.jpg")), before);
  EXPECT_EQ(host.picture2->pos(), QPoint(-10, -10));  // the panel as it was
  EXPECT_TRUE(host.panel->isCutEnabled());
  EXPECT_EQ(QDir(host.images()).entryList(QDir::Files | QDir::Hidden), QStringList{"big.jpg"});

  // Any writer's failure reaches the user the same way.
  host.panel->setPictureWriter(
      [](const QImage&, const QString&) { return editor::FileOpResult::failure("accesso negato"); });
  host.boxes.answers = {toolkit::box::Ok};
  host.panel->CmdCut_Click();
  ASSERT_EQ(host.boxes.messages().size(), 4u);
  EXPECT_TRUE(host.boxes.messages()[3].text.contains("accesso negato"));
  EXPECT_EQ(fileBytes(host.imagePath("big.jpg")), before);
}

TEST_F(Cut, NoSelectionNoCut) {
  host.panel->File1()->selectIndex(-1);
  host.panel->File1_Click();
  EXPECT_FALSE(host.panel->isCutEnabled());
  host.panel->CmdCut_Click();
  EXPECT_TRUE(host.boxes.calls.empty());
}

}  // namespace
