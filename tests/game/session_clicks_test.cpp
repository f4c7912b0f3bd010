// SPDX-License-Identifier: GPL-2.0-or-later
// Judging clicks without a window: strict edges, time charged for each rectangle missed on
// the way, markers and circles filling from the left, the fifth find, and the clock.
#include "game/session_fixture.h"
#include "picture_db/database.h"

using namespace session_test;

TEST_F(SessionTest, StepsChargedForEveryUnfoundRectangleMissedBeforeTheHit) {
  store.addPair(1, kRects);
  start();
  clickNowhere();  // 5 unfound, no hit
  EXPECT_DOUBLE_EQ(stepsUsed(), 10);
  EXPECT_EQ(store.unfound(1), 5);

  clickInside(kRects[0]);  // hit on the 1st row: free
  EXPECT_DOUBLE_EQ(stepsUsed(), 10);
  EXPECT_EQ(store.unfound(1), 4);

  clickInside(kRects[3]);  // rows 2, 3 missed, 4th hit: 2 x 2 steps
  EXPECT_DOUBLE_EQ(stepsUsed(), 14);
  EXPECT_EQ(store.unfound(1), 3);

  clickInside(kRects[0]);  // a difference found earlier, 3 unfound: 6 steps
  EXPECT_DOUBLE_EQ(stepsUsed(), 20);
  EXPECT_EQ(store.unfound(1), 3);
  EXPECT_EQ(score(), 0);  // no points per hit
  EXPECT_EQ(state(), "Game");
}

TEST_F(SessionTest, AClickExactlyOnAnEdgeMisses) {
  const Edges r{50, 50, 100, 90};
  store.addPair(1, {r});
  start();
  for (QPointF p : {QPointF(50, 70), QPointF(100, 70), QPointF(75, 50), QPointF(75, 90)}) click(p.x(), p.y());
  EXPECT_DOUBLE_EQ(stepsUsed(), 8);
  EXPECT_EQ(store.unfound(1), 1);
  click(50.5, 89.5);
  EXPECT_EQ(store.unfound(1), 0);
  EXPECT_DOUBLE_EQ(stepsUsed(), 8);
}

TEST_F(SessionTest, MarkersAndCirclesFillLeftToRightWhateverTheRowOrder) {
  store.addPair(1, kRects);
  start();
  const int order[] = {4, 1, 3};
  for (int n = 0; n < 3; ++n) {
    clickInside(kRects[order[n]]);
    for (int slot = 0; slot < 5; ++slot) {
      EXPECT_EQ(round().markerFound(slot), slot <= n) << "after " << n + 1 << " finds, slot " << slot;
      EXPECT_EQ(circles.count(slot) == 1, slot <= n);
    }
    EXPECT_EQ(circles[n], boxOf(kRects[order[n]]));
  }
}

TEST_F(SessionTest, FifthFindStopsTheClockTellsThenShowsTheNextPairWithTheBonus) {
  store.addPair(1, kRects, Qt::red);
  store.addPair(2, kRects, Qt::blue);
  start(11);
  const auto first = *session->currentPairId();
  const auto second = first == 1 ? 2 : 1;
  clickNowhere();  // 10 steps gone
  for (int i = 0; i < 4; ++i) clickInside(kRects[i]);
  session->tick();  // one more step
  EXPECT_DOUBLE_EQ(round().timeBar().width(), 5415 - 11 * 90.25);

  bool checked = false;
  whileOpen = [&](const std::string& box) {
    if (box != "won") return;
    checked = true;
    EXPECT_FALSE(clock);
    EXPECT_EQ(session->currentPairId(), first);  // the next pair only after the box
    EXPECT_TRUE(round().markerFound(4));
    EXPECT_EQ(circles.count(4), 1u);
    EXPECT_EQ(score(), 0);
    EXPECT_EQ(store.unfound(first), 0);  // written at the moment of the hit
  };
  clickInside(kRects[4]);
  EXPECT_TRUE(checked);
  EXPECT_EQ(session->currentPairId(), second);
  EXPECT_EQ(score(), 73);  // 4422.25 / 60
  EXPECT_DOUBLE_EQ(round().timeBar().width(), 5415);
  EXPECT_EQ(round().timeBar().colour(), game::BarColour::Blue);
  EXPECT_TRUE(clock);
  EXPECT_TRUE(circles.empty());
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(round().markerFound(i));
  EXPECT_EQ(original.pixelColor(0, 0), QColor(second == 1 ? Qt::red : Qt::blue));
  EXPECT_EQ(state(), "Game");
  EXPECT_EQ(store.unfound(first), 0);  // a finished pair stays found until the next start
}

TEST_F(SessionTest, LastPairFinishedAddsItsBonusThenRunsOutOfPictures) {
  store.addPair(1, kRects);
  start();
  for (const auto& r : kRects) clickInside(r);
  EXPECT_EQ(told, std::vector<std::string>({"won", "ranOut"}));
  EXPECT_EQ(score(), 90);
  EXPECT_EQ(state(), "GameOver");
  EXPECT_FALSE(clock);
  EXPECT_DOUBLE_EQ(round().timeBar().width(), 5415);  // refilled before the message
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(round().markerFound(i));
  EXPECT_EQ(session->currentPairId(), 1);  // the last pair stays on screen
}

TEST_F(SessionTest, ClosingWhileTheWinIsToldGoesNoFurther) {
  store.addPair(1, kRects);
  store.addPair(2, kRects);
  start();
  const auto first = session->currentPairId();
  whileOpen = [&](const std::string& box) {
    if (box == "won") session->end();
  };
  for (const auto& r : kRects) clickInside(r);
  EXPECT_EQ(session->currentPairId(), first);
  EXPECT_EQ(score(), 0);
  EXPECT_FALSE(clock);
  const double width = round().timeBar().width();
  session->tick();
  click(1, 1);
  EXPECT_EQ(round().timeBar().width(), width) << "nothing counts once the window closes";
}

TEST_F(SessionTest, RunningOutOfTimeInTheMiddleOfAClickEndsTheClick) {
  store.addPair(1, kRects);
  start();
  for (int i = 0; i < 57; ++i) session->tick();  // 3 steps left
  ASSERT_DOUBLE_EQ(stepsLeft(), 3);
  clickInside(kRects[4]);  // row 1 missed (2 steps), row 2 would need 2 more
  EXPECT_EQ(state(), "GameOver");
  EXPECT_EQ(store.unfound(1), 5);  // the 5th row was never reached
  EXPECT_FALSE(clock);
  EXPECT_EQ(round().timeBar().width(), 0.0);
  EXPECT_TRUE(flicker);
}

TEST_F(SessionTest, AMissLeavingExactlyNothingDoesNotEndTheGame) {
  store.addPair(1, {kRects[0]});
  start();
  for (int i = 0; i < 58; ++i) session->tick();
  clickNowhere();  // exactly the 2 steps left
  EXPECT_EQ(round().timeBar().width(), 0.0);
  EXPECT_EQ(state(), "Game");
  session->tick();
  EXPECT_EQ(state(), "GameOver");
}

TEST_F(SessionTest, APairWithFewerThanFiveRectanglesCannotBeFinished) {
  store.addPair(1, {kRects[0], kRects[1]});
  start();
  clickInside(kRects[0]);
  clickInside(kRects[1]);
  EXPECT_EQ(store.unfound(1), 0);
  const double before = round().timeBar().width();
  clickNowhere();
  clickInside(kRects[0]);
  EXPECT_EQ(round().timeBar().width(), before);  // nothing left to miss, nothing charged
  EXPECT_EQ(state(), "Game");
  EXPECT_TRUE(told.empty());
}

TEST_F(SessionTest, ClockTicksRunTheBarDownAndEndTheGameOnTheSixtyFirst) {
  store.addPair(1, kRects);
  start();
  for (int tick = 1; tick <= 61; ++tick) {
    session->tick();
    const game::BarColour c = round().timeBar().colour();
    if (tick == 30) {
      EXPECT_EQ(c, game::BarColour::Blue);  // exactly half left
    }
    if (tick == 31 || tick == 45) {
      EXPECT_EQ(c, game::BarColour::Green) << "tick " << tick;
    }
    if (tick == 46) {
      EXPECT_EQ(c, game::BarColour::Red);
    }
    if (tick < 61) {
      EXPECT_EQ(state(), "Game") << "tick " << tick;
      EXPECT_TRUE(clock) << "tick " << tick;
    }
  }
  EXPECT_EQ(state(), "GameOver");
  EXPECT_EQ(round().timeBar().width(), 0.0);
  EXPECT_FALSE(clock);
}

TEST_F(SessionTest, AFailedWriteLeavesTheRectangleUnfoundAndReachesTheCaller) {
  store.addPair(1, kRects);
  start();
  store.failWrites = "disco pieno";
  EXPECT_THROW(clickInside(kRects[0]), picture_db::DbError);
  EXPECT_EQ(store.unfound(1), 5);
  EXPECT_FALSE(round().markerFound(0));
  EXPECT_TRUE(circles.empty());
  store.failWrites.reset();
  clickInside(kRects[0]);
  EXPECT_EQ(store.unfound(1), 4);
  EXPECT_TRUE(round().markerFound(0));
}
