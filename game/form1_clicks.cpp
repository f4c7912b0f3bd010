// A click on the copy: dispatched on the game's state, judged during a game.
#include <QTimer>

#include "game/form1.h"
#include "game/game_state.h"
#include "picture_db/game_queries.h"
#include "toolkit/dialogs.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"

namespace game {

void Form1::Image2_MouseUp(int /*button*/, int /*shift*/, double x, double y) {
  // Every button plays, and where the click fell matters only during a game.
  if (ending_ || noPairToPlay_) return;
  guarded([&] {
    if (GameState == state::GameOver) {
      hallOfFameStep();
    } else if (GameState == state::Restart) {
      restartGame();
    } else if (GameState == state::Game) {
      judgeClick(x, y);
    }
  });
}

void Form1::judgeClick(double x, double y) {
  if (!CurrentPair) return;
  const auto rows = picture_db::unfoundDifferences(*PictureDb, CurrentPair->id);
  for (const auto& row : rows) {
    if (!clickHits(row, x, y)) {
      if (deductTime(2)) return;
      continue;
    }
    picture_db::markFound(*PictureDb, row.rowid);
    const std::optional<int> slot = markers_.lowestFree();
    if (!slot) continue;
    markers_.use(*slot);
    PicMatches[*slot]->setPicture(IconRight->picture());
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
