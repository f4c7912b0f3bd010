// SPDX-License-Identifier: GPL-2.0-or-later
// A click on the copy: dispatched on the game's state, judged during a game.
#include <QTimer>

#include "game/form1.h"
#include "picture_db/game_queries.h"
#include "toolkit/dialogs.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"

namespace game {

void Form1::Image2_MouseUp(int /*button*/, int /*shift*/, double x, double y) {
  // Every button plays, and where the click fell matters only during a game.
  if (ending_ || noPairToPlay_) return;
  guarded([&] {
    switch (round_.GameState()) {
      case Round::State::GameOver: hallOfFameStep(); break;
      case Round::State::Restart: restartGame(); break;
      case Round::State::Game: judgeClick(x, y); break;
      case Round::State::None: break;
    }
  });
}

void Form1::judgeClick(double x, double y) {
  if (!CurrentPair) return;
  const auto rows = picture_db::unfoundDifferences(*PictureDb, CurrentPair->id);
  for (const auto& row : rows) {
    if (!clickHits(row, x, y)) {
      if (deductTime(2) == Round::Clock::TimeUp) return;
      continue;
    }
    picture_db::markFound(*PictureDb, row.rowid);
    const std::optional<int> slot = round_.recordFind();
    if (!slot) continue;
    Diff[*slot]->setBox(markerBox(row));
    Diff[*slot]->show();
    if (*slot == kMarkerCount - 1) {
      Timer1->stop();
      dialogs_.messageBox(QStringLiteral("Hai Vinto!"), toolkit::box::OkOnly);
      if (ending_) return;
      New_Image();
    }
    return;
  }
}

}  // namespace game
