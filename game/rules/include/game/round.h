// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The game as it stands: the score, the course of the game, the time bar, the five
// found-markers and the circles revealed at game over. The window shows it and
// forwards the player's clicks and the clock's ticks; the rules run without a window.
#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/click_rules.h"
#include "game/time_bar.h"

namespace game {

class Round : public QObject {
  Q_OBJECT
 public:
  // The course of a game. None until the first pair is shown.
  enum class State { None, Game, GameOver, Restart };
  // What is left after a deduction.
  enum class Clock { TimeLeft, TimeUp };

  // fullBarTwips: the width of a full time bar.
  explicit Round(int fullBarTwips = 0, QObject* parent = nullptr);

  State GameState() const { return state_; }
  // "Game", "GameOver", "Restart", or empty before the first pair.
  static QString stateText(State state);
  void setState(State state);

  std::int64_t score() const { return score_; }
  void setScore(std::int64_t score);

  const TimeBar& timeBar() const { return bar_; }
  // A new game's bar of the given full width, full and blue.
  void resetTimeBar(int fullBarTwips);
  // Takes k steps of time. TimeUp when that used the time up: the bar is left as it was.
  Clock deductTime(int steps);

  bool markerFound(int slot) const { return markers_.isUsed(slot); }
  // The marker the find takes (the lowest free one); nothing when all five are taken.
  std::optional<int> recordFind();
  void resetMarkers();

  // Finishing a pair: the time left scores, the bar is full again, the markers free.
  void finishPair();

  // The time is up: the bar empties and the missed differences, missedCount of them,
  // take the free markers' circles in order. Returns those slots, in that order.
  std::vector<int> endGame(int missedCount);
  bool revealed(int slot) const { return revealed_.at(slot); }

 signals:
  void stateChanged(game::Round::State state);
  void scoreChanged(qint64 score);
  void timeBarChanged();
  void markerFoundChanged(int slot, bool found);

 private:
  State state_ = State::None;
  std::int64_t score_ = 0;
  TimeBar bar_;
  FoundMarkers markers_;
  std::array<bool, kMarkerCount> revealed_{};
};

}  // namespace game
