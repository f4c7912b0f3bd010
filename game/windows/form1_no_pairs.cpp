// SPDX-License-Identifier: GPL-2.0-or-later
// A game that cannot start because no pair can be shown.
#include <QLabel>

#include "game/form1.h"
#include "storage/app_folders.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"

namespace game {

void Form1::showNoPairAtStart() {
  noPairToPlay_ = true;
  // The board tells why before the message does: no time to count, the game over on the left.
  round_.endGame(0);
  Image1->loadFile(QString::fromStdString(storage::joinPath(deliveredDir_.toStdString(), storage::kGameOverPicture)));
  Image2->clearPicture();
  // The message belongs over the game's window, not before it.
  if (!isVisible()) show();
  showNoPicturesLeft();
}

}  // namespace game
