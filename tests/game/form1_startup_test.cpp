// SPDX-License-Identifier: GPL-2.0-or-later
// Starting the game window on an application folder: folders, found marks, the window
// design, the first pair, and what happens when there is nothing (or nothing usable) to show.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <filesystem>

#include "artwork/artwork.h"
#include "game/game_fixture.h"
#include "picture_db/editor_queries.h"
#include "toolkit/overlay_shape.h"

using namespace game_test;
using test_support::fiveRectangles;

namespace {
const QString kNoPictures = QStringLiteral("Mi Dispiace ma ho finito le immagini!...");
}

TEST_F(GameTest, StartUpCreatesFoldersResetsMarksAndShowsAPair) {
  app.addPair(1, fiveRectangles(), QSize(200, 150), Qt::darkGreen);
  {
    auto db = app.open();
    for (const auto& r : picture_db::unfoundDifferences(db, 1)) picture_db::markFound(db, r.rowid);
  }
  ASSERT_EQ(unfound(1), 0);
  ASSERT_FALSE(QDir(app.path() + "/Import").exists());
  start();
  for (const char* folder : {"Images", "Import", "Export"})
    EXPECT_TRUE(QDir(app.path() + "/" + folder).exists()) << folder;
  EXPECT_EQ(unfound(1), 5);  // a stale found mark never reaches a new game
  EXPECT_EQ(form->gameState(), "Game");
  EXPECT_EQ(form->currentPairId(), 1);
  EXPECT_TRUE(dialogs.calls.empty());

  EXPECT_EQ(form->Image1->picture().size(), QSize(200, 150));
  EXPECT_EQ(form->Image1->picture().pixelColor(0, 0), QColor(Qt::darkGreen));
  EXPECT_EQ(form->Image2->picture().pixelColor(0, 0).rgb(), QColor(Qt::darkGreen).lighter(130).rgb());
  EXPECT_EQ(score(), "0");
  EXPECT_DOUBLE_EQ(form->timeBar().width(), 5415);
  EXPECT_EQ(form->timeBar().fullWidth(), 5415);
  EXPECT_EQ(form->lblTime->palette().color(QPalette::Window), QColor(0, 0, 255));
  EXPECT_TRUE(form->lblTime->text().isEmpty());
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(showsNotFoundIcon(i)) << i;
    EXPECT_TRUE(form->Diff[i]->isHidden()) << i;
    EXPECT_FALSE(form->revealed(i));
  }
  EXPECT_TRUE(form->Timer1->isActive());
  EXPECT_EQ(form->Timer1->interval(), 1000);
  EXPECT_FALSE(form->TmrColors->isActive());
  EXPECT_FALSE(form->TmrFlag->isActive());
  EXPECT_EQ(form->TmrFlag->interval(), 300);
  EXPECT_TRUE(form->PicFlag->isHidden());
}

TEST_F(GameTest, EveryControlSitsAtItsPlaceOfTheDesign) {
  app.addPair(1, fiveRectangles());
  startShown();
  EXPECT_EQ(form->windowTitle(), "Vobrel");
  EXPECT_EQ(form->size(), QSize(792, 573));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());  // fixed border
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);

  EXPECT_EQ(form->LblLabel[0]->geometry(), QRect(8, 8, 385, 25));
  EXPECT_EQ(form->LblLabel[0]->text(), "Originale");
  EXPECT_EQ(form->LblLabel[1]->geometry(), QRect(400, 8, 385, 25));
  EXPECT_EQ(form->LblLabel[1]->text(), "Copia");
  EXPECT_EQ(form->LblLabel[2]->geometry(), QRect(448, 536, 81, 25));
  EXPECT_EQ(form->LblLabel[2]->text(), "Punti");
  EXPECT_TRUE(form->LblLabel[2]->alignment() & Qt::AlignRight);
  EXPECT_TRUE(form->LblLabel[0]->alignment() & Qt::AlignHCenter);
  for (QLabel* l : {form->LblLabel[0], form->LblLabel[1], form->LblLabel[2]}) {
    EXPECT_TRUE(l->font().bold());
    EXPECT_DOUBLE_EQ(l->font().pointSizeF(), 14.25);
  }
  EXPECT_EQ(form->Image1->geometry(), QRect(8, 32, 385, 441));
  EXPECT_EQ(form->Image2->geometry(), QRect(400, 32, 385, 441));
  EXPECT_GT(form->Image2->pictureOrigin().x(), 0);  // sunken border
  for (int i = 0; i < 5; ++i) EXPECT_EQ(form->PicMatches[i]->geometry(), QRect(8 + 40 * i, 496, 33, 33));
  EXPECT_EQ(form->IconWrong->picture().size(), QSize(32, 32));
  EXPECT_EQ(form->IconRight->picture().size(), QSize(32, 32));
  EXPECT_NE(form->IconWrong->picture(), form->IconRight->picture());
  EXPECT_TRUE(form->IconWrong->isHidden());
  EXPECT_TRUE(form->IconRight->isHidden());
  EXPECT_EQ(form->lblTime->geometry(), QRect(8, 536, 361, 25));
  EXPECT_EQ(form->lblPunti->geometry(), QRect(552, 528, 121, 33));
  EXPECT_DOUBLE_EQ(form->lblPunti->font().pointSizeF(), 15.75);
  EXPECT_TRUE(form->lblPunti->font().bold());
  EXPECT_EQ(form->cmdExit->geometry(), QRect(704, 528, 73, 33));
  EXPECT_EQ(form->cmdExit->text(), "&Esci");
  EXPECT_DOUBLE_EQ(form->cmdExit->font().pointSizeF(), 14.25);
  EXPECT_EQ(form->PicFlag->geometry(), QRect(233, 29, 94, 118));

  // The pictures are drawn at natural size from the top-left corner inside the border.
  const QImage shot = form->grab().toImage();
  const QPoint o2 = form->Image2->geometry().topLeft() + form->Image2->pictureOrigin();
  EXPECT_EQ(shot.pixelColor(o2), form->Image2->picture().pixelColor(0, 0));
  EXPECT_EQ(shot.pixelColor(o2 + QPoint(199, 149)), form->Image2->picture().pixelColor(0, 0));
  EXPECT_NE(shot.pixelColor(o2 + QPoint(201, 151)), form->Image2->picture().pixelColor(0, 0));
  // The time bar is a blue block the full width.
  EXPECT_EQ(shot.pixelColor(10, 548), QColor(0, 0, 255));
  EXPECT_EQ(shot.pixelColor(367, 548), QColor(0, 0, 255));
  EXPECT_NE(shot.pixelColor(371, 548), QColor(0, 0, 255));
}

TEST_F(GameTest, MissingDatabaseIsReportedAndNeverCreated) {
  test_support::TempAppFolder bare(false);
  const QString text = startupFailure(bare.path());
  EXPECT_TRUE(text.startsWith("Impossibile aprire il database " + QString::fromStdString(bare.databasePath()) + ":\n"))
      << text.toStdString();
  EXPECT_TRUE(text.contains("il file non esiste")) << text.toStdString();
  EXPECT_FALSE(std::filesystem::exists(bare.databasePath()));
  EXPECT_TRUE(dialogs.calls.empty()) << "the program shows it, once";
}

TEST_F(GameTest, AFolderThatCannotBeMadeIsNamedWithItsReason) {
  QFile blocker(app.path() + "/Import");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_EQ(startupFailure(app.path()), "Impossibile preparare le cartelle del gioco:\n" + app.path() +
                                            "/Import: esiste già un file con questo nome");
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(GameTest, UnreadableDatabaseNamesTheReason) {
  test_support::TempAppFolder bare(false);
  QFile f(QString::fromStdString(bare.databasePath()));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray(4096, 'x'));
  f.close();
  const QString text = startupFailure(bare.path());
  EXPECT_TRUE(text.contains("il file non è un database")) << text.toStdString();
}

TEST_F(GameTest, DatabaseIsTakenFromTheApplicationFolderNotTheWorkingDirectory) {
  app.addPair(3, fiveRectangles());
  test_support::TempAppFolder elsewhere;  // a working directory with another database
  elsewhere.addPair(8, fiveRectangles());
  const QString before = QDir::currentPath();
  QDir::setCurrent(elsewhere.path());
  start();
  QDir::setCurrent(before);
  EXPECT_EQ(form->currentPairId(), 3);
}

TEST_F(GameTest, NoPairAtAllGivesTheEndOfPicturesMessage) {
  app.addPairWithoutFiles(1, "(none)", "(none)", {});  // a pair without rectangles is never offered
  start();
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, kNoPictures);
  EXPECT_EQ(dialogs.messages()[0].flags, toolkit::box::Information);
  EXPECT_EQ(dialogs.messages()[0].title, "Vobrel");
  EXPECT_EQ(form->gameState(), "GameOver");
  EXPECT_FALSE(form->Timer1->isActive());
  EXPECT_FALSE(form->currentPairId());
}

TEST_F(GameTest, APairThatCannotBeShownIsLeftOutOfThePick) {
  app.addPairWithoutFiles(1, "(none)", "(none)", fiveRectangles());
  app.writeFile("broken.jpg", QByteArray("\xFF\xD8\xFF\xE0 truncated", 14));
  app.addPairWithoutFiles(2, "broken.jpg", "broken.jpg", fiveRectangles());
  app.addPairWithoutFiles(3, "gone.bmp", "gone_C.bmp", fiveRectangles());
  app.addPair(4, fiveRectangles());
  for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
    dialogs.clear();
    start(seed);
    EXPECT_EQ(form->currentPairId(), 4) << "seed " << seed;
    EXPECT_EQ(form->gameState(), "Game");
    EXPECT_TRUE(dialogs.messages().empty());
  }
}

TEST_F(GameTest, WhenNoCandidateCanBeShownTheEndOfPicturesPathIsTaken) {
  app.addPairWithoutFiles(1, "(none)", "(none)", fiveRectangles());
  app.writeFile("text.bmp", "just words");
  app.addPairWithoutFiles(2, "text.bmp", "text.bmp", fiveRectangles());
  start();
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, kNoPictures);
  EXPECT_EQ(form->gameState(), "GameOver");
  EXPECT_FALSE(form->Timer1->isActive());
}
