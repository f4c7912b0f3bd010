// SPDX-License-Identifier: GPL-2.0-or-later
// The end of a game: the missed differences revealed and flickering, "GameOver.bmp" and
// the blinking flag, the restart, and leaving the game.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <set>

#include "game/game_over_fixture.h"
#include "toolkit/overlay_shape.h"

using namespace game_test;
using namespace game_over_test;
using test_support::fiveRectangles;

TEST_F(GameOverTest, FoundCirclesStayOrangeWhileRevealedOnesFlicker) {
  start();
  timeOutAfterFinding({0, 1});
  std::set<QRgb> colours;
  for (int i = 0; i < 20; ++i) {
    form->TmrColors_Timer();
    colours.insert(form->Diff[3]->borderColor().rgb());
    EXPECT_EQ(form->Diff[0]->borderColor(), QColor(255, 128, 0));
    EXPECT_EQ(form->Diff[1]->borderColor(), QColor(255, 128, 0));
  }
  EXPECT_GT(colours.size(), 15u);
  // Real ticks arrive by themselves at a short period.
  EXPECT_LE(form->TmrColors->interval(), 30);
  const QColor before = form->Diff[2]->borderColor();
  QTest::qWait(150);
  EXPECT_NE(form->Diff[2]->borderColor(), before);
}

TEST_F(GameOverTest, MissingGameOverPictureClearsTheLeftArea) {
  QFile::remove(app.path() + "/GameOver.bmp");
  app.addHallOfFame(tenEntries());
  start();
  timeOutAfterFinding({});
  click(1, 1);
  EXPECT_TRUE(form->Image1->picture().isNull());
  EXPECT_EQ(form->gameState(), "Restart");
  EXPECT_TRUE(form->TmrFlag->isActive());
}

TEST_F(GameOverTest, GameOverPictureComesFromTheApplicationFolder) {
  app.addHallOfFame(tenEntries());
  test_support::TempAppFolder elsewhere;
  elsewhere.writePicture("../GameOver.bmp", test_support::solidPicture(QSize(30, 30), Qt::white), "BMP");
  start();
  timeOutAfterFinding({});
  const QString before = QDir::currentPath();
  QDir::setCurrent(elsewhere.path());
  click(1, 1);
  QDir::setCurrent(before);
  EXPECT_EQ(form->Image1->picture().size(), QSize(120, 80));
}

TEST_F(GameOverTest, FlagBlinksAfterTheStepAndIsHiddenAtRestartWhateverItsPhase) {
  app.addHallOfFame(tenEntries());
  for (int phase = 0; phase < 2; ++phase) {
    start();
    timeOutAfterFinding({2});
    EXPECT_TRUE(form->PicFlag->isHidden());
    click(1, 1);
    ASSERT_EQ(form->gameState(), "Restart");
    EXPECT_TRUE(form->PicFlag->isHidden());
    form->TmrFlag_Timer();
    EXPECT_FALSE(form->PicFlag->isHidden());
    if (phase == 1) {
      form->TmrFlag_Timer();
      EXPECT_TRUE(form->PicFlag->isHidden());
      form->TmrFlag_Timer();
    }
    ASSERT_FALSE(form->PicFlag->isHidden());
    click(1, 1);  // restart
    EXPECT_TRUE(form->PicFlag->isHidden());
    EXPECT_FALSE(form->TmrFlag->isActive());
    form.reset();
  }
}

TEST_F(GameOverTest, RestartAfterATimeOutStartsAtZeroWithEveryMarkReset) {
  app.addHallOfFame(tenEntries());
  start();
  timeOutAfterFinding({0, 4});
  ASSERT_EQ(unfound(1), 3);
  setScore(5);
  click(1, 1);  // hall-of-fame step: 5 does not enter
  ASSERT_EQ(form->gameState(), "Restart");
  click(1, 1);  // restart
  EXPECT_EQ(form->gameState(), "Game");
  EXPECT_EQ(score(), "0");  // the bar was empty
  EXPECT_EQ(unfound(1), 5);
  EXPECT_EQ(form->currentPairId(), 1);  // the same pair may come again
  EXPECT_DOUBLE_EQ(form->timeBar().width(), 5415);
  EXPECT_TRUE(form->Timer1->isActive());
  EXPECT_FALSE(form->TmrColors->isActive());
  EXPECT_FALSE(form->TmrFlag->isActive());
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(form->Diff[i]->isHidden());
    EXPECT_TRUE(showsNotFoundIcon(i));
  }
  EXPECT_EQ(form->Image1->picture().size(), QSize(200, 150));  // the pair replaces GameOver.bmp
  clickInside(kRects[0]);
  EXPECT_EQ(unfound(1), 4);
}

TEST_F(GameOverTest, ExitEndsTheProgramAtOnceWithoutWriting) {
  app.addHallOfFame(tenEntries());
  startShown();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  clickInside(kRects[0]);
  EXPECT_EQ(form->cmdExit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_E));
  QTest::keyClick(form.get(), Qt::Key_E, Qt::AltModifier);
  for (int i = 0; i < 50 && !programEnded; ++i) QTest::qWait(10);  // the button shows its press first
  EXPECT_EQ(programEnded, 1);
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->Timer1->isActive());
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(unfound(1), 4);  // marks stay until the next start
}

TEST_F(GameOverTest, ClosingWhileTheNameIsAskedStoresNothing) {
  app.addHallOfFame(tenEntries());
  startShown();
  timeOutScoring(70, "Half");
  dialogs.whileOpen = [&](const toolkit::ScriptedDialogs::Call& call) {
    if (call.kind == toolkit::ScriptedDialogs::Call::Input) form->close();
  };
  click(1, 1);
  EXPECT_EQ(programEnded, 1);
  const auto rows = hallOfFame();
  ASSERT_EQ(rows.size(), 10u);
  for (const auto& r : rows) EXPECT_NE(r.name, "Half");
  EXPECT_FALSE(form->TmrColors->isActive());
  EXPECT_FALSE(form->TmrFlag->isActive());
  EXPECT_NE(form->gameState(), "Restart");
}

TEST_F(GameOverTest, ClosingWhileTheTopTenIsShownEndsCleanly) {
  app.addHallOfFame(tenEntries());
  startShown();
  timeOutScoring(70, "Whole");
  TopTenWatcher watcher([&](game::frmTopTen&) { form->close(); });
  watcher.pressOk = false;
  click(1, 1);
  EXPECT_EQ(watcher.shown, 1);
  EXPECT_EQ(programEnded, 1);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  const auto rows = hallOfFame();
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[4].name, "Whole");
  EXPECT_FALSE(form->TmrFlag->isActive());
  EXPECT_FALSE(form->TmrColors->isActive());
}

TEST_F(GameOverTest, AHallOfFameEntryThatCannotBeStoredIsReportedAndTheGameGoesOn) {
  app.addHallOfFame(tenEntries());
  {
    auto db = app.open();
    db.sqlite().exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON HALL_OF_FAME BEGIN SELECT RAISE(ABORT, 'disco pieno'); END");
  }
  start();
  timeOutScoring(50, "Nessuno");
  click(1, 1);
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].flags & 0x70, toolkit::box::Critical);
  EXPECT_TRUE(dialogs.messages()[0].text.contains("disco pieno")) << dialogs.messages()[0].text.toStdString();
  EXPECT_EQ(hallOfFame().size(), 10u);
  EXPECT_EQ(form->gameState(), "Restart");
  EXPECT_TRUE(form->TmrFlag->isActive());
}

TEST_F(GameOverTest, ADatabaseFailureDuringPlayIsReportedNotFatal) {
  start();
  {
    auto db = app.open();
    db.sqlite().exec("ALTER TABLE COORDINATE RENAME TO COORDINATE_GONE");
  }
  clickInside(kRects[0]);
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.contains("COORDINATE")) << dialogs.messages()[0].text.toStdString();
  EXPECT_EQ(form->gameState(), "Game");
  {
    auto db = app.open();
    db.sqlite().exec("ALTER TABLE COORDINATE_GONE RENAME TO COORDINATE");
  }
  clickInside(kRects[0]);
  EXPECT_EQ(unfound(1), 4);
}

TEST_F(GameOverTest, InstalledGameReadsItsGameOverPictureBesideTheProgram) {
  app.addHallOfFame(tenEntries());
  QTemporaryDir programDir;
  ASSERT_TRUE(test_support::solidPicture(QSize(40, 20), Qt::white).save(programDir.filePath("GameOver.bmp"), "BMP"));
  form = std::make_unique<game::Form1>(app.path(), programDir.path(), 7, dialogs);
  form->endProgram = [this] { ++programEnded; };
  timeOutAfterFinding({});
  click(1, 1);
  EXPECT_EQ(form->Image1->picture().size(), QSize(40, 20));
}
