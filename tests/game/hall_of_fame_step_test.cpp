// SPDX-License-Identifier: GPL-2.0-or-later
// The hall-of-fame step at the end of a game: who enters, which entry goes, and the
// window that shows the ten best.
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

TEST_F(GameOverTest, EqualScoreDoesNotEnterAndTheStepGoesOn) {
  app.addHallOfFame(tenEntries());
  start();
  timeOutAfterFinding({});
  setScore(10);
  click(1, 1);
  EXPECT_TRUE(dialogs.calls.empty());  // neither the prompt nor the window
  EXPECT_EQ(hallOfFame().size(), 10u);
  EXPECT_EQ(hallOfFame().back().score, 10);
  EXPECT_EQ(form->gameState(), "Restart");
  EXPECT_FALSE(form->TmrColors->isActive());
  EXPECT_TRUE(form->TmrFlag->isActive());
  for (auto* circle : form->Diff) {
    EXPECT_EQ(circle->borderColor(), QColor(255, 128, 0));
    EXPECT_FALSE(circle->isHidden());
  }
  EXPECT_EQ(form->Image1->picture().size(), QSize(120, 80));  // GameOver.bmp
  EXPECT_EQ(form->Image1->picture().pixelColor(5, 5), QColor(Qt::black));
  EXPECT_FALSE(form->Image2->picture().isNull());  // the copy stays with its circles
}

TEST_F(GameOverTest, BetterScoreAsksTheNameReplacesTheLastAndShowsTheTopTen) {
  app.addHallOfFame(tenEntries());
  start();
  timeOutScoring(25, "Anna");
  QStringList names, scores;
  bool flickering = false;
  TopTenWatcher watcher([&](game::frmTopTen& w) {
    EXPECT_EQ(w.windowTitle(), "Top Ten Scores!!!");
    EXPECT_TRUE(w.isModal());
    for (int i = 0; i < 10; ++i) {
      names << w.lblName[i]->text();
      scores << w.lblPunti[i]->text();
    }
    flickering = form->TmrColors->isActive();
  });
  click(300, 300);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, toolkit::ScriptedDialogs::Call::Input);
  EXPECT_EQ(dialogs.calls[0].text, "Hai Realizzato un punteggio da TOP TEN!!!\nDigita il tuo nome...");
  EXPECT_EQ(dialogs.calls[0].title, "Top Ten Score!");
  EXPECT_EQ(watcher.shown, 1);
  EXPECT_TRUE(flickering);  // revealed circles go on flickering behind the window
  EXPECT_EQ(scores, QStringList({"100", "90", "80", "70", "60", "50", "40", "30", "25", "20"}));
  EXPECT_EQ(names[8], "Anna");
  const auto rows = hallOfFame();
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[8].name, "Anna");
  EXPECT_EQ(rows.back().score, 20);
  EXPECT_EQ(form->gameState(), "Restart");
  EXPECT_EQ(form->Image1->picture().size(), QSize(120, 80));
}

TEST_F(GameOverTest, TiesAreListedByNameWithoutRegardToCaseAndTheLastNameGoes) {
  app.addHallOfFame({{"zeta", 50},
                     {"Beta", 50},
                     {"alfa", 40},
                     {"Delta", 30},
                     {"omega", 20},
                     {"Gamma", 20},
                     {"eta", 10},
                     {"Theta", 10},
                     {"iota", 5},
                     {"Kappa", 5}});
  start();
  timeOutScoring(50, "carla");
  QStringList names;
  TopTenWatcher watcher([&](game::frmTopTen& w) { names = columnTexts(w.lblName); });
  click(1, 1);
  // "Kappa" was the alphabetically last of the lowest scores.
  EXPECT_EQ(names, QStringList({"Beta", "carla", "zeta", "alfa", "Delta", "Gamma", "omega", "eta", "Theta", "iota"}));
}

TEST_F(GameOverTest, CancelStoresAnEmptyNameAndApostrophesAreStoredAsTyped) {
  app.addHallOfFame(tenEntries());
  start();
  timeOutAfterFinding({});
  setScore(95);
  dialogs.inputs = {};  // Cancel: empty text
  QStringList names;
  TopTenWatcher watcher([&](game::frmTopTen& w) { names << w.lblName[1]->text() << w.lblPunti[1]->text(); });
  click(1, 1);
  EXPECT_EQ(names, QStringList({"", "95"}));
  auto rows = hallOfFame();
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[1].name, std::string());

  click(1, 1);  // restart
  tickUntilOver();
  setScore(85);
  dialogs.inputs = {"D'Annunzio <b>'); DROP TABLE HALL_OF_FAME;--"};
  TopTenWatcher again(nullptr);
  click(1, 1);
  rows = hallOfFame();
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[3].name, "D'Annunzio <b>'); DROP TABLE HALL_OF_FAME;--");
  EXPECT_EQ(rows[3].score, 85);
}

TEST_F(GameOverTest, NullCellsAreShownEmpty) {
  auto nine = tenEntries();
  nine.pop_back();
  app.addHallOfFame(nine);
  {
    auto db = app.open();
    db.sqlite().exec("UPDATE HALL_OF_FAME SET NOME=NULL WHERE PUNTEGGIO=100");
    db.sqlite().exec("UPDATE HALL_OF_FAME SET PUNTEGGIO=NULL WHERE PUNTEGGIO=90");
  }
  start();
  timeOutScoring(60, "Nina");
  QStringList cells;
  TopTenWatcher watcher([&](game::frmTopTen& w) {
    for (int i = 0; i < 10; ++i) cells << w.lblName[i]->text() + "|" + w.lblPunti[i]->text();
  });
  click(1, 1);
  // A missing score ranks below every real one.
  EXPECT_EQ(cells[0], "|100");
  EXPECT_EQ(cells[4], "Nina|60");  // after "Giocatore 4" with the same score
  EXPECT_EQ(cells[9], "Giocatore 1|");
  EXPECT_EQ(hallOfFame().size(), 10u);
}

TEST_F(GameOverTest, AHallOfFameWithFewerThanTenRowsTakesTheScoreWithoutDeleting) {
  app.addHallOfFame({{"Uno", 500}, {"Due", 300}});
  start();
  timeOutAfterFinding({});
  dialogs.inputs = {"Zero"};
  QStringList cells;
  TopTenWatcher watcher([&](game::frmTopTen& w) {
    for (int i = 0; i < 10; ++i) cells << w.lblName[i]->text() + "|" + w.lblPunti[i]->text();
  });
  click(1, 1);  // a score of 0 enters a table that is not full
  const auto rows = hallOfFame();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2].name, "Zero");
  EXPECT_EQ(cells.mid(0, 4), QStringList({"Uno|500", "Due|300", "Zero|0", "|"}));
}

TEST_F(GameOverTest, AnEmptyHallOfFameTakesTheFirstEntry) {
  start();
  timeOutAfterFinding({});
  dialogs.inputs = {"Prima"};
  TopTenWatcher watcher(nullptr);
  click(1, 1);
  ASSERT_EQ(hallOfFame().size(), 1u);
  EXPECT_EQ(watcher.shown, 1);
}

TEST_F(GameOverTest, MoreThanTenRowsShowsTheFirstTenAndReplacesTheLast) {
  app.addHallOfFame(tenEntries());
  {
    auto db = app.open();
    db.sqlite().exec("INSERT INTO HALL_OF_FAME (NOME,PUNTEGGIO) VALUES('Undici', 1)");
  }
  start();
  timeOutScoring(15, "Luca");
  QStringList scores;
  TopTenWatcher watcher([&](game::frmTopTen& w) { scores = columnTexts(w.lblPunti); });
  click(1, 1);
  EXPECT_EQ(scores.last(), "15");
  const auto rows = hallOfFame();
  ASSERT_EQ(rows.size(), 11u);
  EXPECT_EQ(rows.back().score, 10);
}

TEST(TopTenWindow, DesignPlacesAndFreshCells) {
  game::frmTopTen w;
  EXPECT_EQ(w.size(), QSize(459, 312));
  EXPECT_EQ(w.windowTitle(), "Top Ten Scores!!!");
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(w.lblName[i]->geometry(), QRect(8, 16 + 24 * i, 137, 25));
    EXPECT_EQ(w.lblPunti[i]->geometry(), QRect(152, 16 + 24 * i, 81, 25));
    EXPECT_TRUE(w.lblPunti[i]->alignment() & Qt::AlignRight);
    EXPECT_TRUE(w.lblName[i]->text().isEmpty());
    EXPECT_TRUE(w.lblName[i]->font().bold());
    EXPECT_DOUBLE_EQ(w.lblName[i]->font().pointSizeF(), 12);
  }
  EXPECT_EQ(w.Image1->geometry(), QRect(248, 16, 195, 224));
  EXPECT_EQ(w.Image1->picture().size(), QSize(195, 224));
  EXPECT_EQ(w.cmdOK->geometry(), QRect(200, 272, 65, 25));
  EXPECT_EQ(w.cmdOK->text(), "&Ok");
  picture_db::HallOfFameEntry a;
  a.name = "<i>Eva</i>";
  a.score = 12;
  w.showEntries({a});
  EXPECT_EQ(w.lblName[0]->text(), "<i>Eva</i>");
  EXPECT_EQ(w.lblName[0]->textFormat(), Qt::PlainText);
  EXPECT_EQ(w.lblPunti[0]->text(), "12");
  EXPECT_TRUE(w.lblPunti[1]->text().isEmpty());
}
