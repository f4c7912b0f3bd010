// SPDX-License-Identifier: GPL-2.0-or-later
#include "game/round.h"

namespace game {

Round::Round(int fullBarTwips, QObject* parent) : QObject(parent), bar_(fullBarTwips) {}

QString Round::stateText(State state) {
  switch (state) {
    case State::Game: return QStringLiteral("Game");
    case State::GameOver: return QStringLiteral("GameOver");
    case State::Restart: return QStringLiteral("Restart");
    case State::None: break;
  }
  return QString();
}

void Round::setState(State state) {
  if (state_ == state) return;
  state_ = state;
  emit stateChanged(state_);
}

void Round::setScore(std::int64_t score) {
  score_ = score;
  emit scoreChanged(score_);
}

void Round::resetTimeBar(int fullBarTwips) {
  bar_ = TimeBar(fullBarTwips);
  emit timeBarChanged();
}

Round::Clock Round::deductTime(int steps) {
  if (!bar_.deduct(steps)) return Clock::TimeUp;
  emit timeBarChanged();
  return Clock::TimeLeft;
}

std::optional<int> Round::recordFind() {
  const std::optional<int> slot = markers_.lowestFree();
  if (!slot) return std::nullopt;
  markers_.use(*slot);
  emit markerFoundChanged(*slot, true);
  return slot;
}

void Round::resetMarkers() {
  markers_.reset();
  for (int i = 0; i < kMarkerCount; ++i) emit markerFoundChanged(i, false);
}

void Round::finishPair() {
  setScore(score_ + bar_.bonus());
  bar_.refill();
  emit timeBarChanged();
  resetMarkers();
}

std::vector<int> Round::endGame(int missedCount) {
  bar_.empty();
  emit timeBarChanged();
  std::vector<int> revealedSlots;
  for (int i = 0; i < kMarkerCount; ++i) {
    // A pair with fewer than five rectangles leaves the surplus circles unrevealed.
    revealed_[i] = !markers_.isUsed(i) && static_cast<int>(revealedSlots.size()) < missedCount;
    if (revealed_[i]) revealedSlots.push_back(i);
  }
  setState(State::GameOver);
  return revealedSlots;
}

}  // namespace game
