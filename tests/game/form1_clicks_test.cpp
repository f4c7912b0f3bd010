// SPDX-License-Identifier: GPL-2.0-or-later
// Judging clicks on the copy: strict edges, time charged for each rectangle missed on the
// way, markers filling from the left, and the fifth find finishing the pair.
#include <QLabel>

#include "game/game_fixture.h"
#include "toolkit/overlay_shape.h"

using namespace game_test;
using test_support::fiveRectangles;

namespace {
// Rows in the database order; the first is where the first click lands.
const std::vector<Edges> kRects = fiveRectangles();
}  // namespace

TEST_F(GameTest, HitOnTheThirdRowCostsFourSteps) {
  app.addPair(1, kRects);
  start();
  clickInside(kRects[2]);
  EXPECT_DOUBLE_EQ(stepsUsed(), 4);
  EXPECT_EQ(unfound(1), 4);
  EXPECT_TRUE(showsFoundIcon(0));
  EXPECT_FALSE(form->Diff[0]->isHidden());
  EXPECT_EQ(form->Diff[0]->box(), QRectF(120, 20, 30, 40));
  // The circle takes the smaller side as diameter, centred in the rectangle.
  EXPECT_EQ(form->Diff[0]->circleBox(), QRectF(120, 25, 30, 30));
  EXPECT_EQ(form->Diff[0]->borderColor(), QColor(255, 128, 0));
  EXPECT_EQ(form->Diff[0]->borderWidth(), 2);
}

TEST_F(GameTest, FifthFindSaysHaiVintoThenShowsTheNextPairWithTheBonus) {
  app.addPair(1, kRects, QSize(200, 150), Qt::red);
  app.addPair(2, kRects, QSize(200, 150), Qt::blue);
  start(11);
  const auto first = *form->currentPairId();
  const auto second = first == 1 ? 2 : 1;
  clickNowhere();  // 10 steps gone
  for (int i = 0; i < 4; ++i) clickInside(kRects[i]);
  form->Timer1_Timer();  // one more step
  const double widthAtFifthFind = form->timeBar().width();
  EXPECT_DOUBLE_EQ(widthAtFifthFind, 5415 - 11 * 90.25);

  bool checked = false;
  dialogs.whileOpen = [&](const toolkit::ScriptedDialogs::Call& call) {
    if (call.text != "Hai Vinto!") return;
    checked = true;
    EXPECT_EQ(call.flags, toolkit::box::OkOnly);
    EXPECT_EQ(call.title, "Vobrel");
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->currentPairId(), first);  // the next pair only after the box
    EXPECT_TRUE(showsFoundIcon(4));
    EXPECT_FALSE(form->Diff[4]->isHidden());
    EXPECT_EQ(score(), "0");
    EXPECT_EQ(unfound(first), 0);  // written at the moment of the hit
  };
  clickInside(kRects[4]);
  EXPECT_TRUE(checked);
  EXPECT_EQ(form->currentPairId(), second);
  EXPECT_EQ(score(), QString::number(static_cast<int>(widthAtFifthFind / 60)));  // 4422.25 / 60 = 73
  EXPECT_EQ(score(), "73");
  EXPECT_DOUBLE_EQ(form->timeBar().width(), 5415);
  EXPECT_EQ(form->lblTime->width(), 361);
  EXPECT_EQ(form->lblTime->palette().color(QPalette::Window), QColor(0, 0, 255));
  EXPECT_TRUE(form->Timer1->isActive());
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(showsNotFoundIcon(i));
    EXPECT_TRUE(form->Diff[i]->isHidden());
  }
  EXPECT_EQ(form->Image1->picture().pixelColor(0, 0), QColor(second == 1 ? Qt::red : Qt::blue));
  EXPECT_EQ(form->gameState(), "Game");
  EXPECT_EQ(unfound(first), 0);  // a finished pair stays found until the next start
}

TEST_F(GameTest, RealMouseClicksOfEveryButtonPlayOnTheCopy) {
  app.addPair(1, kRects);
  startShown();
  const QPoint origin = form->Image2->pictureOrigin();
  auto at = [&](const Edges& e) { return origin + centreOf(e).toPoint(); };
  QTest::mouseClick(form->Image2, Qt::RightButton, {}, at(kRects[0]));
  EXPECT_EQ(unfound(1), 4);
  QTest::mouseClick(form->Image2, Qt::MiddleButton, Qt::ShiftModifier, at(kRects[1]));
  EXPECT_EQ(unfound(1), 3);
  QTest::mouseClick(form->Image2, Qt::LeftButton, {}, at(kRects[2]));
  EXPECT_EQ(unfound(1), 2);
  EXPECT_DOUBLE_EQ(stepsUsed(), 0);
  // Picture pixel 0,0 is inside the border: clicking on the edge pixel of a rectangle misses.
  QTest::mouseClick(form->Image2, Qt::LeftButton, {}, origin + QPoint(kRects[3].x1, kRects[3].y1 + 10));
  EXPECT_EQ(unfound(1), 2);
  EXPECT_DOUBLE_EQ(stepsUsed(), 4);
  // Pressing elsewhere and releasing over a rectangle counts where the button came up.
  QTest::mousePress(form->Image2, Qt::LeftButton, {}, origin + QPoint(2, 2));
  QTest::mouseRelease(form->Image2, Qt::LeftButton, {}, at(kRects[3]));
  EXPECT_EQ(unfound(1), 1);
  // Clicks elsewhere in the window do not play.
  QTest::mouseClick(form->Image1, Qt::LeftButton, {}, at(kRects[4]));
  EXPECT_EQ(unfound(1), 1);
  EXPECT_DOUBLE_EQ(stepsUsed(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(showsFoundIcon(i));
}

TEST_F(GameTest, TimerTicksRunTheBarDownAndColourIt) {
  app.addPair(1, kRects);
  startShown();
  for (int tick = 1; tick <= 61; ++tick) {
    form->Timer1_Timer();
    const QColor c = form->lblTime->palette().color(QPalette::Window);
    if (tick == 30) {
      EXPECT_EQ(c, QColor(0, 0, 255));
      EXPECT_EQ(form->lblTime->width(), 181);  // 2707.5 twips
    }
    if (tick == 31 || tick == 45) {
      EXPECT_EQ(c, QColor(0, 255, 0)) << "tick " << tick;
    }
    if (tick == 46) {
      EXPECT_EQ(c, QColor(255, 0, 0));
    }
    if (tick < 61) {
      EXPECT_EQ(form->gameState(), "Game") << "tick " << tick;
    }
  }
  EXPECT_EQ(form->gameState(), "GameOver");
  EXPECT_EQ(form->lblTime->width(), 0);
  EXPECT_FALSE(form->Timer1->isActive());
}
