// SPDX-License-Identifier: GPL-2.0-or-later
// Starting a game without a window: the marks reset, the board fresh, the pick among the
// pairs that can be shown, and a start with none.
#include <map>

#include "game/session_fixture.h"

using namespace session_test;

TEST_F(SessionTest, StartResetsTheMarksAndShowsAPairOnAFreshBoard) {
  store.addPair(1, kRects, Qt::darkGreen);
  store.markFound(1);
  store.markFound(2);
  start();
  EXPECT_EQ(store.unfound(1), 5);  // a stale found mark never reaches a new game
  EXPECT_EQ(state(), "Game");
  EXPECT_EQ(session->currentPairId(), 1);
  EXPECT_EQ(original.pixelColor(0, 0), QColor(Qt::darkGreen));
  EXPECT_EQ(copy.pixelColor(0, 0).rgb(), QColor(Qt::darkGreen).lighter(130).rgb());
  EXPECT_EQ(score(), 0);
  EXPECT_DOUBLE_EQ(round().timeBar().width(), 5415);
  EXPECT_EQ(round().timeBar().colour(), game::BarColour::Blue);
  for (int i = 0; i < 5; ++i) {
    EXPECT_FALSE(round().markerFound(i));
    EXPECT_FALSE(round().revealed(i));
  }
  EXPECT_TRUE(circles.empty());
  EXPECT_TRUE(clock);
  EXPECT_FALSE(flicker);
  EXPECT_FALSE(flag);
  EXPECT_TRUE(told.empty());
}

TEST_F(SessionTest, WithoutAPairToShowTheBoardSaysSoAndClicksNeitherCycleNorScore) {
  store.addPairWithoutPictures(1, kRects);  // offered, but cannot be shown
  store.addPair(2, {});                     // never offered: no rectangle
  start();
  EXPECT_EQ(told, std::vector<std::string>({"noPair", "ranOut"}));
  EXPECT_EQ(state(), "GameOver");
  EXPECT_FALSE(clock);
  EXPECT_EQ(round().timeBar().width(), 0.0) << "no time to count down";
  EXPECT_FALSE(session->currentPairId());
  EXPECT_TRUE(session->noPairToPlay());
  for (int i = 0; i < 4; ++i) click(10, 10);
  EXPECT_EQ(state(), "GameOver") << "no cycle through game overs";
  EXPECT_EQ(score(), 0) << "no 90 points for nothing";
  EXPECT_EQ(told.size(), 2u) << "the message once";
  EXPECT_FALSE(flag);
}

TEST_F(SessionTest, APairThatCannotBeShownIsLeftOutOfThePick) {
  store.addPairWithoutPictures(1, kRects);
  store.addPairWithoutPictures(2, kRects);
  store.addPair(3, kRects);
  for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
    start(seed);
    EXPECT_EQ(session->currentPairId(), 3) << "seed " << seed;
    EXPECT_EQ(state(), "Game");
    EXPECT_TRUE(told.empty());
  }
}

TEST_F(SessionTest, AFoundPairIsNotPickedAgainUntilTheRestart) {
  store.addPair(1, kRects);
  store.addPair(2, kRects);
  for (std::uint32_t seed = 0; seed < 6; ++seed) {
    start(seed);
    const auto first = *session->currentPairId();
    for (const auto& r : kRects) clickInside(r);
    EXPECT_NE(session->currentPairId(), first) << "seed " << seed;
    for (const auto& r : kRects) clickInside(r);
    EXPECT_EQ(state(), "GameOver") << "both pairs found";
  }
}

TEST_F(SessionTest, FixedSeedGivesTheSamePairAndPicksSpreadOverCandidates) {
  for (int id = 1; id <= 3; ++id) store.addPair(id, kRects);
  std::map<int, int> seen;
  for (std::uint32_t seed = 0; seed < 30; ++seed) {
    start(seed);
    const auto first = session->currentPairId();
    start(seed);
    EXPECT_EQ(session->currentPairId(), first) << "seed " << seed;
    ++seen[*first];
  }
  EXPECT_EQ(seen.size(), 3u);
}
