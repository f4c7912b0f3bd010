// SPDX-License-Identifier: GPL-2.0-or-later
// What the window shows of the game: the pair, the circles, the markers, the time bar,
// the score, the clocks, and the boxes the game asks with.
#include <QLabel>
#include <QTimer>

#include "game/form1.h"
#include "game/score_text.h"
#include "toolkit/colour.h"
#include "toolkit/dialogs.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"

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

void run(QTimer* timer, bool running) {
  if (running) {
    timer->start();
  } else {
    timer->stop();
  }
}
}  // namespace

void Form1::connectSession() {
  const Round* shown = &session_.round();
  connect(shown, &Round::scoreChanged, lblPunti, [this](qint64 score) { lblPunti->setText(scoreText(score)); });
  connect(shown, &Round::timeBarChanged, this, &Form1::showTimeBar);
  connect(shown, &Round::markerFoundChanged, this, [this](int slot, bool found) {
    PicMatches[slot]->setPicture(found ? IconRight->picture() : IconWrong->picture());
  });

  connect(&session_, &Session::pairShown, this, [this](const QImage& original, const QImage& copy) {
    Image1->setPicture(original);
    Image2->setPicture(copy);
  });
  connect(&session_, &Session::circleShown, this, [this](int slot, const QRectF& box) {
    Diff[slot]->setBox(box);
    Diff[slot]->show();
  });
  connect(&session_, &Session::circlesHidden, this, [this] {
    for (auto* circle : Diff) circle->hide();
  });
  connect(&session_, &Session::circleColoured, this,
          [this](int slot, const QColor& colour) { Diff[slot]->setBorderColor(colour); });
  connect(&session_, &Session::clockRunning, this, [this](bool running) { run(Timer1, running); });
  connect(&session_, &Session::flickerRunning, this, [this](bool running) {
    run(TmrColors, running);
    if (running) return;
    for (auto* circle : Diff) circle->setBorderColor(toolkit::kOrange);
  });
  connect(&session_, &Session::flagBlinking, this, [this](bool blinking) {
    if (!blinking) PicFlag->hide();
    run(TmrFlag, blinking);
  });
  connect(&session_, &Session::noPairAtStart, this, &Form1::showNoPairAtStart);
  connect(&session_, &Session::gameOverPictureWanted, this, &Form1::showGameOverPicture);
  connect(&session_, &Session::topTenWanted, this, &Form1::showTopTen);

  connect(&session_, &Session::pairWon, this,
          [this] { dialogs_.messageBox(QStringLiteral("Hai Vinto!"), toolkit::box::OkOnly); });
  connect(&session_, &Session::picturesRanOut, this, [this] {
    dialogs_.messageBox(QStringLiteral("Mi Dispiace ma ho finito le immagini!..."),
                        toolkit::box::OkOnly | toolkit::box::Information);
  });
  connect(&session_, &Session::nameWanted, this, [this](QString* name) {
    *name = dialogs_.inputBox(QStringLiteral("Hai Realizzato un punteggio da TOP TEN!!!\nDigita il tuo nome..."),
                              QStringLiteral("Top Ten Score!"), QString());
  });
  connect(&session_, &Session::failed, this,
          [this](const QString& message) { dialogs_.messageBox(message, toolkit::box::Critical); });
}

void Form1::showTimeBar() {
  const TimeBar& bar = round().timeBar();
  lblTime->resize(bar.pixelWidth(), lblTime->height());
  QPalette p = lblTime->palette();
  p.setColor(QPalette::Window, barColour(bar.colour()));
  lblTime->setPalette(p);
}

}  // namespace game
