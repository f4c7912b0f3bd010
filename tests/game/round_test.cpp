// SPDX-License-Identifier: GPL-2.0-or-later
// The game's round without a window: score, course, time bar, markers and what game
// over reveals, each change announced to whoever shows it.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "game/round.h"

using game::Round;

namespace {
constexpr int kFullBar = 5415;  // the game's 361-pixel bar, in twips
}

TEST(Round, FindsFillTheMarkersFromTheLeftAndSayWhichOneEachTook) {
  Round round(kFullBar);
  QSignalSpy found(&round, &Round::markerFoundChanged);
  for (int expected = 0; expected < game::kMarkerCount; ++expected) {
    EXPECT_EQ(round.recordFind(), expected);
  }
  EXPECT_EQ(round.recordFind(), std::nullopt);  // a sixth find has no marker
  ASSERT_EQ(found.count(), game::kMarkerCount);
  EXPECT_EQ(found.at(2).at(0).toInt(), 2);
  EXPECT_TRUE(found.at(2).at(1).toBool());
  round.resetMarkers();
  for (int slot = 0; slot < game::kMarkerCount; ++slot) EXPECT_FALSE(round.markerFound(slot));
}

TEST(Round, FinishingAPairScoresTheTimeLeftAndStartsAFreshBar) {
  Round round(kFullBar);
  QSignalSpy score(&round, &Round::scoreChanged);
  round.setScore(100);
  ASSERT_EQ(round.deductTime(6), Round::Clock::TimeLeft);
  const int bonus = round.timeBar().bonus();
  round.recordFind();
  round.finishPair();
  EXPECT_EQ(round.score(), 100 + bonus);
  EXPECT_EQ(score.last().at(0).value<qint64>(), 100 + bonus);
  EXPECT_DOUBLE_EQ(round.timeBar().width(), kFullBar);
  EXPECT_FALSE(round.markerFound(0));
}

TEST(Round, TimeThatWouldRunBelowNothingIsRefusedAndLeavesTheBar) {
  Round round(kFullBar);
  QSignalSpy bar(&round, &Round::timeBarChanged);
  ASSERT_EQ(round.deductTime(59), Round::Clock::TimeLeft);
  const double left = round.timeBar().width();
  EXPECT_EQ(round.deductTime(2), Round::Clock::TimeUp);
  EXPECT_DOUBLE_EQ(round.timeBar().width(), left);
  EXPECT_EQ(bar.count(), 1);
  EXPECT_EQ(round.deductTime(1), Round::Clock::TimeLeft);  // exactly nothing left is still time
}

TEST(Round, GameOverRevealsTheMissedInTheFreeMarkersOnly) {
  Round round(kFullBar);
  round.setState(Round::State::Game);
  round.recordFind();  // slot 0
  round.recordFind();  // slot 1
  QSignalSpy state(&round, &Round::stateChanged);
  const std::vector<int> revealedSlots = round.endGame(2);  // a pair of four rectangles, two missed
  EXPECT_EQ(revealedSlots, (std::vector<int>{2, 3}));
  EXPECT_FALSE(round.revealed(0));
  EXPECT_TRUE(round.revealed(2));
  EXPECT_TRUE(round.revealed(3));
  EXPECT_FALSE(round.revealed(4));
  EXPECT_EQ(round.timeBar().width(), 0.0);
  EXPECT_EQ(round.GameState(), Round::State::GameOver);
  EXPECT_EQ(state.count(), 1);
}

TEST(Round, StatesReadAsTheGamesOwnWords) {
  EXPECT_EQ(Round::stateText(Round::State::Game), "Game");
  EXPECT_EQ(Round::stateText(Round::State::GameOver), "GameOver");
  EXPECT_EQ(Round::stateText(Round::State::Restart), "Restart");
  EXPECT_TRUE(Round::stateText(Round::State::None).isEmpty());
}
