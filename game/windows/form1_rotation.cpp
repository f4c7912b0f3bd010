// SPDX-License-Identifier: GPL-2.0-or-later
// Picking and showing pairs, the next pair with its bonus, and the clock.
#include <QLabel>
#include <QTimer>
#include <new>

#include "game/form1.h"
#include "game/pair_chooser.h"
#include "storage/app_folders.h"
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
  source.picture = [&](const std::string& fileName) -> QImage {
    // A picture too large to hold costs its pair, like one that cannot be read.
    try {
      return toolkit::loadPicture(QString::fromStdString(storage::picturePath(appDir, fileName))).image;
    } catch (const std::bad_alloc&) {
      return QImage();
    }
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

Round::Clock Form1::deductTime(int steps) {
  const Round::Clock left = round_.deductTime(steps);
  if (left == Round::Clock::TimeUp) {
    Timer1->stop();
    GameOver();
  }
  return left;
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
