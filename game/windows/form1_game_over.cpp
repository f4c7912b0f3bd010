// SPDX-License-Identifier: GPL-2.0-or-later
// The end of a game on the window: the game-over picture and the hall of fame.
#include "game/form1.h"
#include "game/frm_top_ten.h"
#include "storage/app_folders.h"
#include "toolkit/picture_area.h"

namespace game {

void Form1::showGameOverPicture() {
  // Without a readable picture the left area is simply cleared.
  Image1->loadFile(QString::fromStdString(storage::joinPath(deliveredDir_.toStdString(), storage::kGameOverPicture)));
}

void Form1::showTopTen(const std::vector<picture_db::HallOfFameEntry>& ranked) {
  frmTopTen window(this);
  window.showEntries(ranked);
  topTen_ = &window;
  window.exec();
  topTen_ = nullptr;
}

}  // namespace game
