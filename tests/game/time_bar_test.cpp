// SPDX-License-Identifier: GPL-2.0-or-later
// The time bar in twips: a step a tick, two a missed rectangle, the colour thresholds and
// the bonus for finishing a pair.
#include <gtest/gtest.h>

#include "game/time_bar.h"

using game::BarColour;
using game::TimeBar;

namespace {
constexpr int kFull = 5415;  // 361 pixels of the window layout
}

TEST(TimeBar, AStepIsASixtiethOfTheFullBar) {
  TimeBar bar(kFull);
  EXPECT_DOUBLE_EQ(bar.step(), 90.25);
  EXPECT_DOUBLE_EQ(bar.width(), kFull);
  EXPECT_EQ(bar.pixelWidth(), 361);
  EXPECT_EQ(bar.colour(), BarColour::Blue);
}

TEST(TimeBar, TickSequenceBlueGreenRedThenOverOnTick61) {
  TimeBar bar(kFull);
  for (int tick = 1; tick <= 60; ++tick) {
    ASSERT_TRUE(bar.deduct(1)) << "tick " << tick;
    EXPECT_DOUBLE_EQ(bar.width(), (60 - tick) * 90.25) << "tick " << tick;
    if (tick <= 30) {
      EXPECT_EQ(bar.colour(), BarColour::Blue) << "tick " << tick;  // exactly half left is still blue
    } else if (tick <= 45) {
      EXPECT_EQ(bar.colour(), BarColour::Green) << "tick " << tick;  // exactly a quarter is still green
    } else {
      EXPECT_EQ(bar.colour(), BarColour::Red) << "tick " << tick;
    }
  }
  EXPECT_EQ(bar.width(), 0.0);
  EXPECT_EQ(bar.pixelWidth(), 0);
  EXPECT_FALSE(bar.deduct(1));  // tick 61
  EXPECT_EQ(bar.width(), 0.0);  // refused deductions change nothing
}

TEST(TimeBar, AMissThatLeavesExactlyNothingIsAllowed) {
  TimeBar bar(kFull);
  bar.setWidth(2 * bar.step());
  EXPECT_TRUE(bar.deduct(2));
  EXPECT_EQ(bar.width(), 0.0);
  EXPECT_FALSE(bar.deduct(1));

  bar.setWidth(1.5 * bar.step());  // less than two steps: a miss ends it at once
  EXPECT_FALSE(bar.deduct(2));
  EXPECT_DOUBLE_EQ(bar.width(), 1.5 * 90.25);
}

TEST(TimeBar, BonusIsTheWholePartOfTheWidthOverSixty) {
  TimeBar bar(kFull);
  EXPECT_EQ(bar.bonus(), 90);
  bar.setWidth(2000);
  EXPECT_EQ(bar.bonus(), 33);
  bar.setWidth(kFull / 2.0);
  EXPECT_EQ(bar.bonus(), 45);
  bar.setWidth(59.9);
  EXPECT_EQ(bar.bonus(), 0);
  bar.empty();
  EXPECT_EQ(bar.bonus(), 0);
}
