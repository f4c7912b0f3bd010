// SPDX-License-Identifier: GPL-2.0-or-later
// A game that cannot start because no pair can be shown.
#include "game/form1.h"
#include "toolkit/picture_area.h"

namespace game {

void Form1::showNoPairAtStart() {
  // The board tells why before the message does: no time to count, the game over on the left.
  showGameOverPicture();
  Image2->clearPicture();
  // The message belongs over the game's window, not before it.
  if (!isVisible()) show();
}

}  // namespace game
