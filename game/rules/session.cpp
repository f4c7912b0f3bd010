// SPDX-License-Identifier: GPL-2.0-or-later
// Starting, picking pairs, judging clicks and the clock.
#include "game/session.h"

#include "game/click_rules.h"
#include "game/pair_chooser.h"

namespace game {

Session::Session(PairStore& store, PictureReader pictures, QObject* parent)
    : QObject(parent), store_(store), pictures_(std::move(pictures)) {}

std::optional<picture_db::PairId> Session::currentPairId() const {
  if (!CurrentPair) return std::nullopt;
  return CurrentPair->id;
}

void Session::prepare(std::uint32_t seed, int fullBarTwips) {
  random_.seed(seed);
  round_.resetMarkers();
  emit circlesHidden();
  round_.resetTimeBar(fullBarTwips);
  round_.setScore(0);
}

void Session::clearFoundMarks() { store_.resetFoundMarks(); }

void Session::firstPair() {
  // Without a pair the clock has nothing to count down.
  if (!pickAndShowPair()) {
    noPairToPlay_ = true;
    // No time to count, the game over on the left, then the message.
    round_.endGame(0);
    emit noPairAtStart();
    showNoPicturesLeft();
    return;
  }
  emit clockRunning(true);
  round_.setState(Round::State::Game);
}

bool Session::pickAndShowPair() {
  PairSource source;
  source.record = [this](picture_db::PairId id) { return store_.pictureRecord(id); };
  source.picture = pictures_;
  CandidateSource candidates;
  candidates.rowRange = [this] { return store_.pairRowRange(); };
  candidates.candidateAtRow = [this](std::int64_t row) { return store_.candidateAtRow(row); };
  candidates.all = [this] { return store_.candidatePairIds(); };
  auto pair = drawShowablePair(candidates, random_, source);
  if (!pair) return false;
  CurrentPair = pair->record;
  emit pairShown(pair->original, pair->copy);
  return true;
}

void Session::showNoPicturesLeft() {
  emit picturesRanOut();
  round_.setState(Round::State::GameOver);
}

void Session::nextPair() {
  round_.finishPair();
  emit circlesHidden();
  if (!pickAndShowPair()) {
    showNoPicturesLeft();
    return;
  }
  emit clockRunning(true);
}

Round::Clock Session::deductTime(int steps) {
  const Round::Clock left = round_.deductTime(steps);
  if (left == Round::Clock::TimeUp) {
    emit clockRunning(false);
    gameOver();
  }
  return left;
}

void Session::tick() {
  if (ending_) return;
  deductTime(1);
}

void Session::click(double x, double y) {
  // Where the click fell matters only during a game.
  if (ending_ || noPairToPlay_) return;
  switch (round_.GameState()) {
    case Round::State::GameOver: hallOfFameStep(); break;
    case Round::State::Restart: restart(); break;
    case Round::State::Game: judgeClick(x, y); break;
    case Round::State::None: break;
  }
}

void Session::judgeClick(double x, double y) {
  if (!CurrentPair) return;
  const auto rows = store_.unfoundDifferences(CurrentPair->id);
  for (const auto& row : rows) {
    if (!clickHits(row, x, y)) {
      if (deductTime(2) == Round::Clock::TimeUp) return;
      continue;
    }
    store_.markFound(row.rowid);
    const std::optional<int> slot = round_.recordFind();
    if (!slot) continue;
    emit circleShown(*slot, markerBox(row));
    if (*slot == kMarkerCount - 1) {
      // No tick may fall while the player reads the news.
      emit clockRunning(false);
      emit pairWon();
      if (ending_) return;
      nextPair();
    }
    return;
  }
}

}  // namespace game
