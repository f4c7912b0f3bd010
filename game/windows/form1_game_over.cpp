// SPDX-License-Identifier: GPL-2.0-or-later
// The end of a game: the missed differences revealed, the hall-of-fame step, the restart.
#include <QTimer>

#include "game/form1.h"
#include "game/frm_top_ten.h"
#include "storage/app_folders.h"
#include "picture_db/game_queries.h"
#include "picture_db/hall_of_fame.h"
#include "toolkit/colour.h"
#include "toolkit/dialogs.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"

namespace game {

void Form1::GameOver() {
  std::vector<picture_db::DifferenceRect> missed;
  if (CurrentPair) missed = picture_db::unfoundDifferences(*PictureDb, CurrentPair->id);
  const std::vector<int> revealedSlots = round_.endGame(static_cast<int>(missed.size()));
  for (std::size_t k = 0; k < revealedSlots.size(); ++k) {
    Diff[revealedSlots[k]]->setBox(markerBox(missed[k]));
    Diff[revealedSlots[k]]->show();
  }
  TmrColors->start();
}

void Form1::TmrColors_Timer() {
  for (int i = 0; i < kMarkerCount; ++i) {
    if (!round_.revealed(i)) continue;
    const int red = random_.colourComponent();
    const int green = random_.colourComponent();
    const int blue = random_.colourComponent();
    Diff[i]->setBorderColor(QColor(red, green, blue));
  }
}

void Form1::TmrFlag_Timer() { PicFlag->setVisible(PicFlag->isHidden()); }

void Form1::hallOfFameStep() {
  const auto ranked = picture_db::hallOfFame(*PictureDb);
  const std::int64_t points = round_.score();
  if (picture_db::qualifiesForHallOfFame(ranked, points)) {
    const QString name =
        dialogs_.inputBox(QStringLiteral("Hai Realizzato un punteggio da TOP TEN!!!\nDigita il tuo nome..."),
                          QStringLiteral("Top Ten Score!"), QString());
    // Closing the game while it asked stores nothing: no name was given.
    if (ending_) return;
    try {
      picture_db::enterHallOfFame(*PictureDb, name.toStdString(), points);
      showTopTen();
    } catch (const picture_db::DbError& e) {
      // The entry went in whole or not at all; the game goes on either way.
      reportFailure(tr("Impossibile registrare il punteggio"), e);
    }
    if (ending_) return;
  }
  const QString gameOverPicture =
      QString::fromStdString(storage::joinPath(deliveredDir_.toStdString(), storage::kGameOverPicture));
  // Without a readable picture the left area is simply cleared.
  Image1->loadFile(gameOverPicture);
  TmrColors->stop();
  for (auto* circle : Diff) circle->setBorderColor(toolkit::kOrange);
  TmrFlag->start();
  round_.setState(Round::State::Restart);
}

void Form1::showTopTen() {
  frmTopTen window(this);
  window.showEntries(picture_db::hallOfFame(*PictureDb));
  topTen_ = &window;
  window.exec();
  topTen_ = nullptr;
}

void Form1::restartGame() {
  picture_db::resetFoundMarks(*PictureDb);
  PicFlag->hide();
  TmrFlag->stop();
  round_.setScore(0);
  round_.setState(Round::State::Game);
  New_Image();
}

}  // namespace game
