// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A game played on a store of pairs: the pick of a pair, the judging of clicks, the clock,
// the game over with its hall-of-fame step, and the restart. The window forwards clicks
// and ticks here and shows what the signals and the round tell it.
#include <QColor>
#include <QImage>
#include <QObject>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/game_random.h"
#include "game/pair_store.h"
#include "game/round.h"

namespace game {

class Session : public QObject {
  Q_OBJECT
 public:
  // A picture of a pair by its file name; a null image when it cannot be shown.
  using PictureReader = std::function<QImage(const std::string& fileName)>;

  Session(PairStore& store, PictureReader pictures, QObject* parent = nullptr);

  Round& round() { return round_; }
  const Round& round() const { return round_; }
  std::optional<picture_db::PairId> currentPairId() const;
  // True when no pair could be shown at start: clicks change nothing.
  bool noPairToPlay() const { return noPairToPlay_; }

  // A fresh board: the generator seeded, the markers free, a full bar, no points.
  void prepare(std::uint32_t seed, int fullBarTwips);
  // Every difference unfound again, as at every start.
  void clearFoundMarks();
  // Shows the first pair and starts the clock, or tells that there is none.
  void firstPair();

  // A click on the copy at a picture position: judged, or the step its state calls for.
  void click(double x, double y);
  // One second of the clock.
  void tick();
  // The next pair, scoring the one finished.
  void nextPair();
  // The time is up: the missed differences are revealed.
  void gameOver();
  // New colours for the revealed circles.
  void flickerTick();
  // The window is closing: nothing more is judged, asked or stored.
  void end() { ending_ = true; }
  bool ending() const { return ending_; }

 signals:
  void pairShown(const QImage& original, const QImage& copy);
  // The circle of a slot drawn around a difference, and all circles put away.
  void circleShown(int slot, const QRectF& box);
  void circlesHidden();
  void circleColoured(int slot, const QColor& colour);
  void clockRunning(bool running);
  // The revealed circles flicker; when they stop, every circle is orange again.
  void flickerRunning(bool running);
  // The white flag blinks; when it stops, it is hidden.
  void flagBlinking(bool blinking);
  // The fifth difference of the pair was found; the next pair follows this.
  void pairWon();
  void picturesRanOut();
  // No pair could be shown at start: the board shows the game over.
  void noPairAtStart();
  // A score for the hall of fame: the player's name, empty when none is given.
  void nameWanted(QString* name);
  // The hall of fame after a new entry, best first.
  void topTenWanted(const std::vector<picture_db::HallOfFameEntry>& ranked);
  // The left picture gives way to the game-over picture.
  void gameOverPictureWanted();
  // Something went wrong that the game survives; the text says what and why.
  void failed(const QString& message);

 private:
  bool pickAndShowPair();
  void showNoPicturesLeft();
  Round::Clock deductTime(int steps);
  void judgeClick(double x, double y);
  void hallOfFameStep();
  void restart();

  PairStore& store_;
  PictureReader pictures_;
  GameRandom random_;
  Round round_;
  std::optional<picture_db::PictureRecord> CurrentPair;  // the pair on screen
  bool noPairToPlay_ = false;                            // set at start only; a later start may find a pair
  bool ending_ = false;
};

}  // namespace game
