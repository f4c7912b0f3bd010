// SPDX-License-Identifier: GPL-2.0-or-later
// A game started with no pair it can show, and the look of the game over.
#include <QApplication>
#include <QLabel>

#include "game/game_fixture.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"

using namespace game_test;
using test_support::fiveRectangles;

TEST_F(GameTest, WithNoPairTheBoardSaysWhyOverTheShownWindowAndClicksChangeNothing) {
  QImage gameOver(120, 80, QImage::Format_RGB32);
  gameOver.fill(Qt::darkRed);
  ASSERT_TRUE(gameOver.save(app.path() + "/GameOver.bmp", "BMP"));
  app.addPairWithoutFiles(1, "gone.bmp", "gone_C.bmp", fiveRectangles());  // unreadable: no pair to show
  bool shownWhenAsked = false;
  dialogs.whileOpen = [&](const toolkit::ScriptedDialogs::Call&) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      shownWhenAsked = shownWhenAsked || (dynamic_cast<game::Form1*>(w) && w->isVisible());
    }
  };
  start();
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, "Mi Dispiace ma ho finito le immagini!...");
  EXPECT_TRUE(shownWhenAsked) << "the message stands over the game's window, not before it";
  EXPECT_EQ(form->lblTime->width(), 0) << "no time to count down";
  ASSERT_TRUE(form->Image1->hasPicture());
  EXPECT_EQ(form->Image1->picture().size(), QSize(120, 80)) << "the game-over picture on the left";
  EXPECT_EQ(form->gameState(), "GameOver");
  const QString score = form->lblPunti->text();
  for (int i = 0; i < 4; ++i) click(10, 10);
  EXPECT_EQ(form->gameState(), "GameOver") << "no cycle through game overs";
  EXPECT_EQ(form->lblPunti->text(), score) << "no 90 points for nothing";
  EXPECT_EQ(dialogs.messages().size(), 1u) << "the message once";
  EXPECT_TRUE(form->PicFlag->isHidden());
}

TEST_F(GameTest, TheWhiteFlagIsDrawnWithATransparentBackground) {
  app.addPair(1, fiveRectangles());
  start();
  const QImage flag = form->PicFlag->picture().convertToFormat(QImage::Format_ARGB32);
  ASSERT_FALSE(flag.isNull());
  EXPECT_EQ(qAlpha(flag.pixel(0, 0)), 0) << "a corner outside the drawing lets the picture show";
  EXPECT_EQ(qAlpha(flag.pixel(flag.width() - 1, 0)), 0);
}
