// SPDX-License-Identifier: GPL-2.0-or-later
// The end of a game: the missed differences revealed, the hall-of-fame step, the restart.
#include "game/session.h"

#include "game/click_rules.h"
#include "picture_db/database.h"
#include "picture_db/hall_of_fame.h"
#include "toolkit/failure_reasons.h"

namespace game {

void Session::gameOver() {
  std::vector<picture_db::DifferenceRect> missed;
  if (CurrentPair) missed = store_.unfoundDifferences(CurrentPair->id);
  const std::vector<int> revealedSlots = round_.endGame(static_cast<int>(missed.size()));
  for (std::size_t k = 0; k < revealedSlots.size(); ++k) emit circleShown(revealedSlots[k], markerBox(missed[k]));
  emit flickerRunning(true);
}

void Session::flickerTick() {
  for (int i = 0; i < kMarkerCount; ++i) {
    if (!round_.revealed(i)) continue;
    const int red = random_.colourComponent();
    const int green = random_.colourComponent();
    const int blue = random_.colourComponent();
    emit circleColoured(i, QColor(red, green, blue));
  }
}

void Session::hallOfFameStep() {
  const auto ranked = store_.hallOfFame();
  const std::int64_t points = round_.score();
  if (picture_db::qualifiesForHallOfFame(ranked, points)) {
    QString name;
    emit nameWanted(&name);
    // Closing the game while it asked stores nothing: no name was given.
    if (ending_) return;
    try {
      store_.enterHallOfFame(name.toStdString(), points);
      emit topTenWanted(store_.hallOfFame());
    } catch (const picture_db::DbError& e) {
      // The entry went in whole or not at all; the game goes on either way.
      emit failed(tr("Impossibile registrare il punteggio") + QStringLiteral(":\n") + toolkit::failureReason(e));
    }
    if (ending_) return;
  }
  emit gameOverPictureWanted();
  emit flickerRunning(false);
  emit flagBlinking(true);
  round_.setState(Round::State::Restart);
}

void Session::restart() {
  store_.resetFoundMarks();
  emit flagBlinking(false);
  round_.setScore(0);
  round_.setState(Round::State::Game);
  nextPair();
}

}  // namespace game
