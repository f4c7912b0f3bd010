// SPDX-License-Identifier: GPL-2.0-or-later
// The end of a game without a window: the missed differences revealed, the hall-of-fame
// step and who enters it, the restart.
#include <set>

#include "game/session_fixture.h"

using namespace session_test;

TEST_F(SessionTest, RevealsTheMissedDifferencesInTheFreeSlots) {
  store.addPair(1, kRects);
  start();
  timeOutAfterFinding({3, 1});
  EXPECT_EQ(round().timeBar().width(), 0.0);
  EXPECT_FALSE(clock);
  EXPECT_TRUE(flicker);
  EXPECT_FALSE(round().revealed(0));
  EXPECT_FALSE(round().revealed(1));
  const int missedInOrder[] = {0, 2, 4};
  for (int slot = 2; slot < 5; ++slot) {
    EXPECT_TRUE(round().revealed(slot));
    EXPECT_EQ(circles[slot], boxOf(kRects[missedInOrder[slot - 2]])) << slot;
  }
  // Markers and the score are left as they were.
  EXPECT_TRUE(round().markerFound(1));
  EXPECT_FALSE(round().markerFound(2));
  EXPECT_EQ(score(), 0);
}

TEST_F(SessionTest, OnlyTheRevealedCirclesFlicker) {
  store.addPair(1, kRects);
  start();
  timeOutAfterFinding({0, 1});
  std::set<QRgb> seen;
  for (int i = 0; i < 20; ++i) {
    session->flickerTick();
    seen.insert(colours[3].rgb());
    for (const auto& [slot, colour] : colours) {
      EXPECT_GE(slot, 2) << "a found circle keeps its colour";
      EXPECT_LE(colour.red(), 254);
      EXPECT_LE(colour.green(), 254);
      EXPECT_LE(colour.blue(), 254);
    }
  }
  EXPECT_GT(seen.size(), 15u);
}

TEST_F(SessionTest, APairWithFewerThanFiveRectanglesRevealsOnlyWhatItHas) {
  store.addPair(2, {kRects[0], kRects[1]});
  start();
  clickInside(kRects[1]);
  tickUntilOver();
  ASSERT_EQ(state(), "GameOver");
  EXPECT_FALSE(round().revealed(0));
  EXPECT_TRUE(round().revealed(1));
  EXPECT_EQ(circles[1], QRectF(10, 10, 30, 20));
  for (int slot = 2; slot < 5; ++slot) {
    EXPECT_EQ(circles.count(slot), 0u) << slot;
    EXPECT_FALSE(round().revealed(slot)) << slot;
  }
  session->flickerTick();
  EXPECT_EQ(colours.count(0), 0u);
}

TEST_F(SessionTest, EqualScoreDoesNotEnterAndTheStepGoesOn) {
  timedOutWith(10);
  click(1, 1);
  EXPECT_EQ(told, std::vector<std::string>({"gameOverPicture"}));  // neither the prompt nor the window
  EXPECT_EQ(store.hallOfFame().size(), 10u);
  EXPECT_EQ(store.hallOfFame().back().score, 10);
  EXPECT_EQ(state(), "Restart");
  EXPECT_FALSE(flicker);
  EXPECT_TRUE(flag);
  EXPECT_EQ(circles.size(), 5u) << "the circles stay";
}

TEST_F(SessionTest, BetterScoreAsksTheNameReplacesTheLastAndShowsTheTopTen) {
  timedOutWith(25);
  nameToGive = "Anna";
  bool flickeringBehind = false;
  whileOpen = [&](const std::string& box) {
    if (box == "topTen") flickeringBehind = flicker;
  };
  click(300, 300);
  EXPECT_EQ(told, std::vector<std::string>({"name", "topTen", "gameOverPicture"}));
  EXPECT_TRUE(flickeringBehind) << "revealed circles go on flickering behind the window";
  ASSERT_EQ(topTen.size(), 10u);
  EXPECT_EQ(topTen[8].name, "Anna");
  EXPECT_EQ(topTen[8].score, 25);
  EXPECT_EQ(topTen.back().score, 20);
  EXPECT_EQ(store.hallOfFame().size(), 10u);
  EXPECT_EQ(state(), "Restart");
}

TEST_F(SessionTest, ClosingWhileTheNameIsAskedStoresNothing) {
  timedOutWith(70);
  nameToGive = "Half";
  whileOpen = [&](const std::string& box) {
    if (box == "name") session->end();
  };
  click(1, 1);
  for (const auto& e : store.hallOfFame()) EXPECT_NE(e.name, "Half");
  EXPECT_EQ(told, std::vector<std::string>({"name"}));
  EXPECT_FALSE(flag);
  EXPECT_NE(state(), "Restart");
}

TEST_F(SessionTest, AnEntryThatCannotBeStoredIsToldAndTheGameGoesOn) {
  timedOutWith(50);
  nameToGive = "Nessuno";
  store.failWrites = "disco pieno";
  click(1, 1);
  EXPECT_EQ(told, std::vector<std::string>({"name", "failed", "gameOverPicture"}));
  EXPECT_TRUE(failure.startsWith("Impossibile registrare il punteggio:\n")) << failure.toStdString();
  EXPECT_TRUE(failure.contains("disco pieno")) << failure.toStdString();
  EXPECT_EQ(store.hallOfFame().size(), 10u);
  EXPECT_EQ(state(), "Restart");
  EXPECT_TRUE(flag);
}

TEST_F(SessionTest, RestartAfterATimeOutStartsAtZeroWithEveryMarkReset) {
  store.addPair(1, kRects);
  store.addHallOfFame(tenEntries());
  start();
  timeOutAfterFinding({0, 4});
  ASSERT_EQ(store.unfound(1), 3);
  round().setScore(5);
  click(1, 1);  // hall-of-fame step: 5 does not enter
  ASSERT_EQ(state(), "Restart");
  const int resetsBefore = store.markResets;
  click(1, 1);  // restart
  EXPECT_EQ(store.markResets, resetsBefore + 1);
  EXPECT_EQ(state(), "Game");
  EXPECT_EQ(score(), 0);  // the bar was empty
  EXPECT_EQ(store.unfound(1), 5);
  EXPECT_EQ(session->currentPairId(), 1);  // the same pair may come again
  EXPECT_DOUBLE_EQ(round().timeBar().width(), 5415);
  EXPECT_TRUE(clock);
  EXPECT_FALSE(flicker);
  EXPECT_FALSE(flag);
  EXPECT_TRUE(circles.empty());
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(round().markerFound(i));
  clickInside(kRects[0]);
  EXPECT_EQ(store.unfound(1), 4);
}

TEST_F(SessionTest, RestartAfterThePicturesRanOutStartsWithNinety) {
  store.addPair(1, kRects);
  store.addHallOfFame(tenEntries());
  start();
  for (const auto& r : kRects) clickInside(r);
  ASSERT_EQ(state(), "GameOver");
  ASSERT_EQ(score(), 90);
  EXPECT_FALSE(flicker);  // nothing revealed
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(round().revealed(i));
  nameToGive = "Sara";
  click(1, 1);  // 90 beats 10
  ASSERT_EQ(topTen.size(), 10u);
  EXPECT_EQ(topTen[2].name, "Sara");  // after "Giocatore 1" with the same 90
  ASSERT_EQ(state(), "Restart");
  click(1, 1);
  EXPECT_EQ(state(), "Game");
  EXPECT_EQ(score(), 90);  // the refilled bar's bonus
  EXPECT_EQ(store.unfound(1), 5);
  EXPECT_TRUE(clock);
}

TEST_F(SessionTest, AFullTableGivesWayOnlyToAStrictlyBetterScoreAndAShortOneTakesAny) {
  store.addPair(1, kRects);
  store.addHallOfFame({{"Uno", 500}, {"Due", 300}});
  start();
  timeOutAfterFinding({});
  nameToGive = "Zero";
  click(1, 1);  // 0 points enter a table that is not full
  ASSERT_EQ(store.hallOfFame().size(), 3u);
  EXPECT_EQ(store.hallOfFame()[2].name, "Zero");
}
