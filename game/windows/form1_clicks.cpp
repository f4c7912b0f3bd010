// SPDX-License-Identifier: GPL-2.0-or-later
// The handlers of the window: clicks on the copy and the ticks of the three clocks go to
// the game.
#include "game/form1.h"
#include "toolkit/picture_area.h"

namespace game {

void Form1::Image2_MouseUp(int /*button*/, int /*shift*/, double x, double y) {
  // Every button plays.
  if (ending_) return;
  guarded([&] { session_.click(x, y); });
}

void Form1::Timer1_Timer() {
  // A tick while a statement waits is lost, as a frozen window would lose it: the clock
  // must not judge anything in the middle of a click.
  if (ending_ || insideDatabaseWait_) return;
  guarded([&] { session_.tick(); });
}

void Form1::New_Image() {
  guarded([&] { session_.nextPair(); });
}

void Form1::GameOver() {
  guarded([&] { session_.gameOver(); });
}

void Form1::TmrColors_Timer() { session_.flickerTick(); }

void Form1::TmrFlag_Timer() { PicFlag->setVisible(PicFlag->isHidden()); }

}  // namespace game
