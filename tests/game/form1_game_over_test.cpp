// SPDX-License-Identifier: GPL-2.0-or-later
// The end of a game: the missed differences revealed and flickering, the hall-of-fame
// step, "GameOver.bmp" and the blinking flag, the restart, and leaving the game.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <set>

#include "game/game_fixture.h"
#include "picture_db/hall_of_fame.h"
#include "toolkit/overlay_shape.h"

using namespace game_test;
using test_support::fiveRectangles;

namespace {
const std::vector<Edges> kRects = fiveRectangles();

std::vector<std::pair<std::string, int>> tenEntries() {  // 100, 90, ..., 10
  std::vector<std::pair<std::string, int>> e;
  for (int i = 0; i < 10; ++i) e.push_back({"Giocatore " + std::to_string(i), 100 - 10 * i});
  return e;
}
}  // namespace

class GameOverTest : public GameTest {
 protected:
  void SetUp() override {
    app.addPair(1, kRects);
    app.writePicture("../GameOver.bmp", test_support::solidPicture(QSize(120, 80), Qt::black), "BMP");
  }
  // Plays a pair to its time-out after finding the given rows.
  void timeOutAfterFinding(std::initializer_list<int> rows) {
    for (int r : rows) clickInside(kRects[r]);
    tickUntilOver();
    ASSERT_EQ(form->gameState(), "GameOver");
  }
  std::vector<picture_db::HallOfFameEntry> hallOfFame() const {
    auto db = app.open();
    return picture_db::hallOfFame(db);
  }
  void setScore(int points) { form->round().setScore(points); }
};

TEST_F(GameOverTest, RevealsTheMissedDifferencesInTheFreeSlots) {
  start();
  timeOutAfterFinding({3, 1});
  EXPECT_EQ(form->timeBar().width(), 0.0);
  EXPECT_FALSE(form->Timer1->isActive());
  EXPECT_TRUE(form->TmrColors->isActive());
  EXPECT_FALSE(form->revealed(0));
  EXPECT_FALSE(form->revealed(1));
  const int missedInOrder[] = {0, 2, 4};
  for (int slot = 2; slot < 5; ++slot) {
    EXPECT_TRUE(form->revealed(slot));
    EXPECT_FALSE(form->Diff[slot]->isHidden());
    const Edges& e = kRects[missedInOrder[slot - 2]];
    EXPECT_EQ(form->Diff[slot]->box(), QRectF(e.x1, e.y1, e.x2 - e.x1, e.y2 - e.y1)) << slot;
  }
  // Markers and the score are left as they were.
  EXPECT_TRUE(showsFoundIcon(1));
  EXPECT_TRUE(showsNotFoundIcon(2));
  EXPECT_EQ(score(), "0");
}

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

TEST_F(GameOverTest, APairWithFewerThanFiveRectanglesRevealsOnlyWhatItHas) {
  app.addPair(2, {kRects[0], kRects[1]});
  for (std::uint32_t seed = 0; (!form || form->currentPairId() != 2) && seed < 50; ++seed) start(seed);
  ASSERT_EQ(form->currentPairId(), 2);
  clickInside(kRects[1]);
  tickUntilOver();
  ASSERT_EQ(form->gameState(), "GameOver");
  EXPECT_FALSE(form->revealed(0));
  EXPECT_TRUE(form->revealed(1));
  EXPECT_EQ(form->Diff[1]->box(), QRectF(10, 10, 30, 20));
  for (int slot = 2; slot < 5; ++slot) {
    EXPECT_TRUE(form->Diff[slot]->isHidden()) << slot;
    EXPECT_FALSE(form->revealed(slot)) << slot;
  }
  form->TmrColors_Timer();
  EXPECT_EQ(form->Diff[0]->borderColor(), QColor(255, 128, 0));
}

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
  timeOutAfterFinding({});
  setScore(25);
  dialogs.inputs = {"Anna"};
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
  timeOutAfterFinding({});
  setScore(50);
  dialogs.inputs = {"carla"};
  QStringList names;
  TopTenWatcher watcher([&](game::frmTopTen& w) {
    for (int i = 0; i < 10; ++i) names << w.lblName[i]->text();
  });
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
  timeOutAfterFinding({});
  setScore(60);
  dialogs.inputs = {"Nina"};
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
  timeOutAfterFinding({});
  setScore(15);
  dialogs.inputs = {"Luca"};
  QStringList scores;
  TopTenWatcher watcher([&](game::frmTopTen& w) {
    for (int i = 0; i < 10; ++i) scores << w.lblPunti[i]->text();
  });
  click(1, 1);
  EXPECT_EQ(scores.last(), "15");
  const auto rows = hallOfFame();
  ASSERT_EQ(rows.size(), 11u);
  EXPECT_EQ(rows.back().score, 10);
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

TEST_F(GameOverTest, RestartAfterThePicturesRanOutStartsWithNinety) {
  app.addHallOfFame(tenEntries());
  start();
  for (const auto& r : kRects) clickInside(r);
  ASSERT_EQ(form->gameState(), "GameOver");
  ASSERT_EQ(score(), "90");
  EXPECT_FALSE(form->TmrColors->isActive());  // nothing revealed
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(form->revealed(i));
  dialogs.inputs = {"Sara"};
  TopTenWatcher watcher(nullptr);
  click(1, 1);  // 90 beats 10
  EXPECT_EQ(watcher.shown, 1);
  EXPECT_EQ(hallOfFame()[2].name, "Sara");  // after "Giocatore 1" with the same 90
  ASSERT_EQ(form->gameState(), "Restart");
  click(1, 1);
  EXPECT_EQ(form->gameState(), "Game");
  EXPECT_EQ(score(), "90");  // the refilled bar's bonus
  EXPECT_EQ(unfound(1), 5);
  EXPECT_TRUE(form->Timer1->isActive());
}

TEST_F(GameOverTest, WithoutAnyPairClicksNeitherCycleNorCrash) {
  test_support::TempAppFolder empty;
  empty.addHallOfFame(tenEntries());
  form = std::make_unique<game::Form1>(empty.path(), 3, dialogs);
  form->endProgram = [] {};
  ASSERT_EQ(form->gameState(), "GameOver");
  click(1, 1);
  click(1, 1);
  EXPECT_EQ(form->gameState(), "GameOver");
  EXPECT_EQ(dialogs.messages().size(), 1u);
  EXPECT_FALSE(form->Timer1->isActive());
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
  timeOutAfterFinding({});
  setScore(70);
  dialogs.inputs = {"Half"};
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
  timeOutAfterFinding({});
  setScore(70);
  dialogs.inputs = {"Whole"};
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

TEST_F(GameOverTest, AHallOfFameEntryThatCannotBeStoredIsReportedAndTheGameGoesOn) {
  app.addHallOfFame(tenEntries());
  {
    auto db = app.open();
    db.sqlite().exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON HALL_OF_FAME BEGIN SELECT RAISE(ABORT, 'disco pieno'); END");
  }
  start();
  timeOutAfterFinding({});
  setScore(50);
  dialogs.inputs = {"Nessuno"};
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
