// SPDX-License-Identifier: GPL-2.0-or-later
// Starting the editor: its folders, the picture list, the first pair on screen, the
// controls at their places, and a clear refusal when images.mdb or Images is missing.
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "editor/file_panel.h"
#include "editor/editor_window_fixture.h"
#include "toolkit/file_list.h"

using namespace editor_window_fixture;
using editor::FrmOrtavi;

namespace {
bool isDir(const QString& p) { return QFileInfo(p).isDir(); }
}  // namespace

using EditorStartup = EditorWindowTest;

TEST_F(EditorStartup, CreatesImportAndExportAndLeavesThemAfterwards) {
  ASSERT_FALSE(isDir(folder.path() + "/Import"));
  open();
  EXPECT_TRUE(isDir(folder.path() + "/Import"));
  EXPECT_TRUE(isDir(folder.path() + "/Export"));
  QFile marker(folder.path() + "/Import/waiting.ozt");
  ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
  marker.close();
  w.reset();
  open();
  EXPECT_TRUE(QFileInfo::exists(folder.path() + "/Import/waiting.ozt"));
  EXPECT_EQ(control<toolkit::FileList>(*w, "File3")->names(), QStringList{"waiting.ozt"});
}

TEST_F(EditorStartup, ListsThePairsInTableOrderAndShowsTheFirst) {
  folder.addPair(7, {{10, 20, 30, 60}, {1, 2, 3, 4}}, QSize(120, 90));
  folder.addPair(3, {}, QSize(50, 40));
  open();
  ASSERT_EQ(control<toolkit::ReportList>(*w, "LstImages")->count(), 2);
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->key(0), "I7");
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->text(0), "7_C.bmp");
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->subItem(0, 1), "7.bmp");
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->key(1), "I3");
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->selectedRow(), 0);
  // The copy at its natural size, the rectangles, the proposed package name.
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture1")->picture().size(), QSize(120, 90));
  ASSERT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 2);
  EXPECT_EQ(rowOf(*control<toolkit::ReportList>(*w, "LstCoord"), 0), (QStringList{"10", "20", "30", "60"}));
  EXPECT_EQ(control<QLineEdit>(*w, "TxtExport")->text(), "7");
  EXPECT_TRUE(control<QPushButton>(*w, "CmdAdd")->isEnabled());
  // Legend values and the marked rectangle start empty.
  EXPECT_EQ(legend(), (QStringList{"", "", "", ""}));
  EXPECT_TRUE(control<toolkit::OverlayShape>(*w, "shBorder")->isHidden());
}

TEST_F(EditorStartup, AnEmptyPictureTableLeavesEverythingEmptyAndAddEnabled) {
  open();
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->count(), 0);
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 0);
  EXPECT_FALSE(control<toolkit::PictureArea>(*w, "Picture1")->hasPicture());
  EXPECT_TRUE(control<QPushButton>(*w, "CmdAdd")->isEnabled());
  EXPECT_TRUE(boxes.messages().empty());
}

TEST_F(EditorStartup, ClickingARowShowsThatPairAndClickingItAgainReloads) {
  folder.addPair(1, {{10, 20, 30, 60}}, QSize(60, 60));
  folder.addPair(2, test_support::fiveRectangles(), QSize(200, 150));
  folder.addPairWithoutFiles(3, "(none)", "(none)", {{1, 1, 2, 2}, {3, 3, 4, 4}, {5, 5, 6, 6}, {7, 7, 8, 8}});
  open();
  clickRow(*control<toolkit::ReportList>(*w, "LstImages"), 1);
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->selectedRow(), 1);
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture1")->picture().size(), QSize(200, 150));
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 5);
  EXPECT_FALSE(control<QPushButton>(*w, "CmdAdd")->isEnabled());  // five rectangles: no more

  // A pair without files: blank picture, its rectangles still listed, "(none)" gives "(n".
  clickRow(*control<toolkit::ReportList>(*w, "LstImages"), 2);
  EXPECT_FALSE(control<toolkit::PictureArea>(*w, "Picture1")->hasPicture());
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 4);
  EXPECT_TRUE(control<QPushButton>(*w, "CmdAdd")->isEnabled());
  EXPECT_EQ(control<QLineEdit>(*w, "TxtExport")->text(), "(n");

  // The row on screen again: the shape goes, the list is read anew from the database.
  clickRow(*control<toolkit::ReportList>(*w, "LstImages"), 0);
  clickRow(*control<toolkit::ReportList>(*w, "LstCoord"), 0);
  ASSERT_FALSE(control<toolkit::OverlayShape>(*w, "shBorder")->isHidden());
  folder.addPairWithoutFiles(99, "x", "y", {});
  {
    picture_db::Database db = folder.open();
    picture_db::addDifference(db, 1, 5, 6, 7, 8);
  }
  clickRow(*control<toolkit::ReportList>(*w, "LstImages"), 0);
  EXPECT_TRUE(control<toolkit::OverlayShape>(*w, "shBorder")->isHidden());
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 2);
}

TEST_F(EditorStartup, MovingThroughThePictureListWithTheKeysShowsEachPair) {
  folder.addPair(1, {{1, 2, 3, 4}}, QSize(40, 30));
  folder.addPair(2, {}, QSize(70, 50));
  open();
  control<toolkit::ReportList>(*w, "LstImages")->setFocus();
  QTest::keyClick(control<toolkit::ReportList>(*w, "LstImages"), Qt::Key_Down);
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->selectedRow(), 1);
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture1")->picture().size(), QSize(70, 50));
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 0);
}

TEST_F(EditorStartup, AnUnreadableCopyClearsThePicture) {
  folder.addPair(1, {}, QSize(60, 60));
  folder.writeFile("broken.jpg", QByteArray("not a picture at all"));
  folder.addPairWithoutFiles(2, "a.jpg", "broken.jpg", {{1, 2, 3, 4}});
  open();
  ASSERT_TRUE(control<toolkit::PictureArea>(*w, "Picture1")->hasPicture());
  clickRow(*control<toolkit::ReportList>(*w, "LstImages"), 1);
  EXPECT_FALSE(control<toolkit::PictureArea>(*w, "Picture1")->hasPicture());
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 1);
  EXPECT_TRUE(boxes.messages().empty());
}

TEST_F(EditorStartup, AMissingDatabaseIsRefusedAndNeverCreated) {
  test_support::TempAppFolder bare(false);
  QDir().mkpath(bare.imagesPath());
  try {
    FrmOrtavi window(bare.path(), boxes);
    FAIL() << "the editor started without images.mdb";
  } catch (const toolkit::StartupError& e) {
    EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QString::fromStdString(bare.databasePath()))) << e.what();
  }
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(bare.databasePath())));
  EXPECT_FALSE(isDir(bare.path() + "/Import"));  // nothing made in a folder it cannot use
}

TEST_F(EditorStartup, AMissingImagesFolderIsRefusedByName) {
  test_support::TempAppFolder noImages;
  try {
    FrmOrtavi window(noImages.path(), boxes);
    FAIL() << "the editor started without Images";
  } catch (const toolkit::StartupError& e) {
    EXPECT_TRUE(QString::fromUtf8(e.what()).contains(noImages.imagesPath())) << e.what();
  }
}

TEST_F(EditorStartup, AFileThatIsNoDatabaseIsRefusedWithTheReason) {
  test_support::TempAppFolder other(false);
  QDir().mkpath(other.imagesPath());
  QFile f(QString::fromStdString(other.databasePath()));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray(4096, 'x'));
  f.close();
  try {
    FrmOrtavi window(other.path(), boxes);
    FAIL() << "the editor started on a file that is not a database";
  } catch (const toolkit::StartupError& e) {
    const QString text = QString::fromUtf8(e.what());
    EXPECT_TRUE(text.contains(QString::fromStdString(other.databasePath())));
    EXPECT_TRUE(text.contains("il file non è un database")) << e.what();
  }
}

TEST_F(EditorStartup, AFolderThatCannotBeMadeIsNamedWithItsReason) {
  test_support::TempAppFolder other;
  QDir().mkpath(other.imagesPath());
  QFile blocker(other.path() + "/Export");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  try {
    FrmOrtavi window(other.path(), boxes);
    FAIL() << "the editor started without its Export folder";
  } catch (const toolkit::StartupError& e) {
    EXPECT_EQ(QString::fromUtf8(e.what()), "Impossibile creare le cartelle Import ed Export:\n" + other.path() +
                                               "/Export: esiste già un file con questo nome");
  }
}

TEST_F(EditorStartup, ClosingTheWindowReleasesTheDatabase) {
  folder.addPair(1, {}, QSize(20, 20));
  open();
  ASSERT_TRUE(w->isDatabaseOpen());
  w->close();
  EXPECT_FALSE(w->isDatabaseOpen());
  // A late click finds no database: a message, no crash, nothing stored.
  w->CmdAdd_Click();
  ASSERT_EQ(boxes.messages().size(), 1u);
  EXPECT_EQ(boxes.messages()[0].flags & 0x70, int(toolkit::box::Critical));
  EXPECT_TRUE(stored(1).empty());
}

TEST_F(EditorStartup, ControlsStandAtTheirPlaces) {
  open();
  EXPECT_EQ(w->windowTitle(), "Setup Immagini");
  EXPECT_EQ(w->size(), QSize(664, 464));
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture1")->geometry(), QRect(0, 0, 382, 438));
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture1")->innerSize(), QSize(382, 438));  // no border
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture2")->parentWidget(),
            control<toolkit::PictureArea>(*w, "Picture1"));
  EXPECT_TRUE(control<toolkit::PictureArea>(*w, "Picture2")->isHidden());
  EXPECT_EQ(control<QLabel>(*w, "Image2")->geometry(), QRect(382, 0, 17, 438));
  EXPECT_EQ(control<QLabel>(*w, "Image1")->geometry(), QRect(0, 438, 382, 17));
  EXPECT_FALSE(control<QLabel>(*w, "Image1")->pixmap().isNull());
  EXPECT_FALSE(control<QLabel>(*w, "Image2")->pixmap().isNull());
  EXPECT_EQ(control<QGroupBox>(*w, "FraCoord")->geometry(), QRect(408, 0, 249, 457));
  EXPECT_EQ(control<QGroupBox>(*w, "FraCoord")->title(), "Coordinate");
  EXPECT_FALSE(control<QGroupBox>(*w, "FraCoord")->isHidden());
  EXPECT_EQ(control<editor::FilePanel>(*w, "FraFile")->geometry(), QRect(408, 0, 249, 457));
  EXPECT_EQ(control<editor::FilePanel>(*w, "FraFile")->title(), "File");
  EXPECT_TRUE(control<editor::FilePanel>(*w, "FraFile")->isHidden());

  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->geometry(), QRect(8, 16, 177, 89));
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->headerText(0), "Immagini");
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->headerText(1), "Originale");
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->columnWidthPx(1), 0);
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->geometry(), QRect(8, 112, 177, 97));
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->headerText(i), QString("X1 Y1 X2 Y2").split(' ')[i]);

  struct B {
    QPushButton* b;
    QRect place;
    QString text;
  };
  for (const B& b : {B{control<QPushButton>(*w, "CmdImgAdd"), {192, 16, 49, 25}, "&Add"},
                     B{control<QPushButton>(*w, "CmdImgUpd"), {192, 48, 49, 25}, "&Update"},
                     B{control<QPushButton>(*w, "CmdImgDel"), {192, 80, 49, 25}, "&Delete"},
                     B{control<QPushButton>(*w, "CmdAdd"), {192, 120, 49, 25}, "&Add"},
                     B{control<QPushButton>(*w, "CmdUpd"), {192, 152, 49, 25}, "&Update"},
                     B{control<QPushButton>(*w, "CmdDel"), {192, 184, 49, 25}, "&Delete"},
                     B{control<QPushButton>(*w, "CmdImport"), {216, 248, 25, 25}, ""},
                     B{control<QPushButton>(*w, "CmdExport"), {216, 288, 25, 25}, ""}}) {
    EXPECT_EQ(b.b->geometry(), b.place) << b.b->objectName().toStdString();
    EXPECT_EQ(b.b->text(), b.text);
    EXPECT_EQ(b.b->parentWidget(), control<QGroupBox>(*w, "FraCoord"));
  }
  EXPECT_EQ(control<QPushButton>(*w, "CmdImport")->toolTip(), "Importa");
  EXPECT_EQ(control<QPushButton>(*w, "CmdExport")->toolTip(), "Esporta");
  EXPECT_FALSE(control<QPushButton>(*w, "CmdImport")->icon().isNull());
  EXPECT_FALSE(control<QPushButton>(*w, "CmdExport")->icon().isNull());
  EXPECT_EQ(control<QLabel>(*w, "LblFile4")->text(), "Importa");
  EXPECT_EQ(control<QLabel>(*w, "LblFile4")->pos(), QPoint(8, 216));
  EXPECT_EQ(control<QLabel>(*w, "LblFile3")->text(), "Esporta con nome...");
  EXPECT_EQ(control<QLabel>(*w, "LblFile3")->pos(), QPoint(8, 280));
  for (QLabel* l : {control<QLabel>(*w, "LblFile3"), control<QLabel>(*w, "LblFile4")})
    EXPECT_GE(l->width(), l->sizeHint().width());  // never cut off
  EXPECT_EQ(control<toolkit::FileList>(*w, "File3")->geometry(), QRect(8, 232, 201, 45));
  EXPECT_EQ(control<toolkit::FileList>(*w, "File3")->pattern(), "*.ozt");
  EXPECT_EQ(control<toolkit::FileList>(*w, "File3")->folder(), folder.path() + "/Import");
  EXPECT_EQ(control<QLineEdit>(*w, "TxtExport")->geometry(), QRect(8, 296, 201, 19));

  // The legend.
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Shape1Area")->geometry(), QRect(104, 368, 33, 41));
  EXPECT_EQ(control<toolkit::OverlayShape>(*w, "Shape1")->style(), toolkit::OverlayShape::Style::Dashed);
  EXPECT_EQ(control<toolkit::OverlayShape>(*w, "shBorder")->style(), toolkit::OverlayShape::Style::Dashed);
  const QString axis[4] = {"X1", "Y1", "Y2", "X2"};
  const QPoint axisAt[4] = {{32, 368}, {104, 328}, {136, 432}, {152, 408}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(control<QLabel>(*w, QStringLiteral("LblAxis%1").arg(i))->text(), axis[i]);
    EXPECT_EQ(control<QLabel>(*w, QStringLiteral("LblAxis%1").arg(i))->geometry(), QRect(axisAt[i], QSize(17, 17)));
    EXPECT_EQ(control<QLabel>(*w, QStringLiteral("LblAxis%1").arg(i))->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Highlight));
  }
  EXPECT_EQ(control<QLabel>(*w, "LblASV")->geometry(), QRect(120, 328, 41, 17));
  EXPECT_EQ(control<QLabel>(*w, "LblASH")->geometry(), QRect(48, 368, 41, 17));
  EXPECT_EQ(control<QLabel>(*w, "LblBDH")->geometry(), QRect(168, 408, 41, 17));
  EXPECT_EQ(control<QLabel>(*w, "LblBDV")->geometry(), QRect(152, 432, 41, 17));
  const QColor red(255, 0, 0), blue(0, 0, 255);
  EXPECT_EQ(control<QFrame>(*w, "Line1")->geometry(), QRect(88, 368, 16, 1));
  EXPECT_EQ(control<QFrame>(*w, "Line1")->palette().color(QPalette::Window), red);
  EXPECT_EQ(control<QFrame>(*w, "Line2")->geometry(), QRect(104, 344, 1, 24));
  EXPECT_EQ(control<QFrame>(*w, "Line2")->palette().color(QPalette::Window), blue);
  EXPECT_EQ(control<QFrame>(*w, "Line3")->geometry(), QRect(136, 408, 1, 24));
  EXPECT_EQ(control<QFrame>(*w, "Line4")->geometry(), QRect(136, 408, 16, 1));
  EXPECT_EQ(control<QFrame>(*w, "Line4")->palette().color(QPalette::Window), red);

  // The move pointer: hidden, 32 x 32, black and white with see-through parts, tip at 0,0.
  EXPECT_TRUE(control<QLabel>(*w, "CurMove")->isHidden());
  EXPECT_EQ(control<QLabel>(*w, "CurMove")->geometry(), QRect(16, 408, 32, 32));
  const QImage cursor = control<QLabel>(*w, "CurMove")->pixmap().toImage();
  ASSERT_EQ(cursor.size(), QSize(32, 32));
  EXPECT_EQ(cursor.pixelColor(0, 0), QColor(Qt::black));
  EXPECT_EQ(cursor.pixelColor(31, 0).alpha(), 0);
}

TEST_F(EditorStartup, TheWindowLayoutDoesNotMoveWhenResized) {
  open();
  w->resize(900, 700);
  QApplication::processEvents();
  EXPECT_EQ(control<QGroupBox>(*w, "FraCoord")->geometry(), QRect(408, 0, 249, 457));
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture1")->geometry(), QRect(0, 0, 382, 438));
}
