// SPDX-License-Identifier: GPL-2.0-or-later
// Picking and showing pairs, the next pair with its bonus, and the clock.
#include <QLabel>
#include <QTimer>

#include "game/form1.h"
#include "game/pair_chooser.h"
#include "picture_db/app_folders.h"
#include "picture_db/game_queries.h"
#include "toolkit/dialogs.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"
#include "toolkit/picture_loader.h"

namespace game {

namespace {
QColor barColour(BarColour c) {
  switch (c) {
    case BarColour::Green: return QColor(0, 255, 0);
    case BarColour::Red: return QColor(255, 0, 0);
    case BarColour::Blue: break;
  }
  return QColor(0, 0, 255);
}
}  // namespace

bool Form1::pickAndShowPair() {
  const std::string appDir = appDir_.toStdString();
  PairSource source;
  source.record = [&](picture_db::PairId id) { return picture_db::pictureRecord(*PictureDb, id); };
  source.picture = [&](const std::string& fileName) {
    return toolkit::loadPicture(QString::fromStdString(picture_db::picturePath(appDir, fileName))).image;
  };
  CandidateSource candidates;
  candidates.rowRange = [&] { return picture_db::pairRowRange(*PictureDb); };
  candidates.candidateAtRow = [&](std::int64_t row) { return picture_db::candidateAtRow(*PictureDb, row); };
  candidates.all = [&] { return picture_db::candidatePairIds(*PictureDb); };
  auto pair = drawShowablePair(candidates, random_, source);
  if (!pair) return false;
  CurrentPair = pair->record;
  Image1->setPicture(pair->original);
  Image2->setPicture(pair->copy);
  return true;
}

void Form1::showNoPicturesLeft() {
  dialogs_.messageBox(QStringLiteral("Mi Dispiace ma ho finito le immagini!..."),
                      toolkit::box::OkOnly | toolkit::box::Information);
  round_.setState(Round::State::GameOver);
}

void Form1::New_Image() {
  guarded([&] {
    round_.finishPair();
    for (auto* circle : Diff) circle->hide();
    if (!pickAndShowPair()) {
      showNoPicturesLeft();
      return;
    }
    Timer1->start();
  });
}

bool Form1::deductTime(int steps) {
  if (!round_.deductTime(steps)) {
    Timer1->stop();
    GameOver();
    return true;
  }
  return false;
}

void Form1::showTimeBar() {
  const TimeBar& bar = round_.timeBar();
  lblTime->resize(bar.pixelWidth(), lblTime->height());
  QPalette p = lblTime->palette();
  p.setColor(QPalette::Window, barColour(bar.colour()));
  lblTime->setPalette(p);
}

void Form1::Timer1_Timer() {
  // A tick while a statement waits is lost, as a frozen window would lose it: the clock
  // must not judge anything in the middle of a click.
  if (ending_ || insideDatabaseWait_) return;
  guarded([&] { deductTime(1); });
}

}  // namespace game
