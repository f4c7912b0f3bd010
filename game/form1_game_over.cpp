// The end of a game: the missed differences revealed, the hall-of-fame step, the restart.
#include <QTimer>

#include "game/form1.h"
#include "game/frm_top_ten.h"
#include "game/game_state.h"
#include "picture_db/app_folders.h"
#include "picture_db/game_queries.h"
#include "picture_db/hall_of_fame.h"
#include "toolkit/colour.h"
#include "toolkit/dialogs.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"

namespace game {

namespace {
// Orange, as the circles are drawn at design time.
constexpr int kOrangeValue = toolkit::colourValue(255, 128, 0);
}  // namespace

void Form1::GameOver() {
  bar_.empty();
  showTimeBar();
  std::vector<picture_db::DifferenceRect> missed;
  if (CurrentPair) missed = picture_db::unfoundDifferences(*PictureDb, CurrentPair->id);
  auto next = missed.begin();
  for (int i = 0; i < kMarkerCount; ++i) {
    if (!Diff[i]->isHidden()) {
      RevealedFlags[i] = false;
    } else if (next != missed.end()) {
      Diff[i]->setBox(markerBox(*next++));
      Diff[i]->show();
      RevealedFlags[i] = true;
    } else {
      // A pair with fewer than five rectangles leaves the surplus circles hidden.
      RevealedFlags[i] = false;
    }
  }
  TmrColors->start();
  GameState = state::GameOver;
}

void Form1::TmrColors_Timer() {
  for (int i = 0; i < kMarkerCount; ++i) {
    if (!RevealedFlags[i]) continue;
    const int red = random_.colourComponent();
    const int green = random_.colourComponent();
    const int blue = random_.colourComponent();
    Diff[i]->setBorderColor(QColor(red, green, blue));
  }
}

void Form1::TmrFlag_Timer() { PicFlag->setVisible(PicFlag->isHidden()); }

void Form1::hallOfFameStep() {
  const auto ranked = picture_db::hallOfFame(*PictureDb);
  const std::int64_t points = score();
  if (picture_db::qualifiesForHallOfFame(ranked, points)) {
    const QString name = dialogs_.inputBox(
        QStringLiteral("Hai Realizzato un punteggio da TOP TEN!!!\nDigita il tuo nome..."),
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
      QString::fromStdString(picture_db::joinPath(programDir_.toStdString(), picture_db::kGameOverPicture));
  // Without a readable picture the left area is simply cleared.
  Image1->loadFile(gameOverPicture);
  TmrColors->stop();
  for (auto* circle : Diff) circle->setBorderColor(toolkit::colourFromValue(kOrangeValue));
  TmrFlag->start();
  GameState = state::Restart;
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
  setScore(0);
  GameState = state::Game;
  New_Image();
}

}  // namespace game
