// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A game played on a store held in memory, without a window: what the session tells is
// recorded as a window would show it.
#include <gtest/gtest.h>

#include <QString>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/session.h"
#include "support/fake_pair_store.h"

namespace session_test {

using test_support::Edges;
inline const std::vector<Edges> kRects = test_support::fiveRectangles();
// The full bar of the game's window, in twips.
inline constexpr int kFullBar = 5415;

inline std::vector<std::pair<std::string, int>> tenEntries() {  // 100, 90, ..., 10
  std::vector<std::pair<std::string, int>> e;
  for (int i = 0; i < 10; ++i) e.push_back({"Giocatore " + std::to_string(i), 100 - 10 * i});
  return e;
}

class SessionTest : public ::testing::Test {
 protected:
  test_support::FakePairStore store;
  std::unique_ptr<game::Session> session;

  // What was told, in order: "won", "ranOut", "noPair", "name", "topTen", "gameOverPicture",
  // "failed".
  std::vector<std::string> told;
  bool clock = false, flicker = false, flag = false;
  std::map<int, QRectF> circles;  // the circles on show, by slot
  std::map<int, QColor> colours;  // the last colour of each circle
  QImage original, copy;
  QString nameToGive;
  std::vector<picture_db::HallOfFameEntry> topTen;
  QString failure;
  // Runs while the named box is "open".
  std::function<void(const std::string&)> whileOpen;

  void start(std::uint32_t seed = 7) {
    told.clear();
    circles.clear();
    session = std::make_unique<game::Session>(store, store.pictures());
    listen();
    session->prepare(seed, kFullBar);
    session->clearFoundMarks();
    session->firstPair();
  }

  void click(double x, double y) { session->click(x, y); }
  void clickInside(const Edges& e) { click((e.x1 + e.x2) / 2.0, (e.y1 + e.y2) / 2.0); }
  // Somewhere no rectangle of fiveRectangles() covers.
  void clickNowhere() { click(195, 5); }

  game::Round& round() { return session->round(); }
  QString state() { return game::Round::stateText(round().GameState()); }
  std::int64_t score() { return round().score(); }
  double stepsLeft() { return round().timeBar().width() / round().timeBar().step(); }
  double stepsUsed() { return 60.0 - stepsLeft(); }
  int tickUntilOver(int limit = 200) {
    int ticks = 0;
    while (state() == "Game" && ticks < limit) {
      session->tick();
      ++ticks;
    }
    return ticks;
  }
  void timeOutAfterFinding(std::initializer_list<int> rows) {
    for (int r : rows) clickInside(kRects[r]);
    tickUntilOver();
    ASSERT_EQ(state(), "GameOver");
  }
  // The one pair played to its time-out before a full hall of fame, with the given score.
  void timedOutWith(int points) {
    store.addPair(1, kRects);
    store.addHallOfFame(tenEntries());
    start();
    timeOutAfterFinding({});
    round().setScore(points);
  }
  static QRectF boxOf(const Edges& e) { return QRectF(e.x1, e.y1, e.x2 - e.x1, e.y2 - e.y1); }

 private:
  void note(const std::string& what) {
    told.push_back(what);
    if (whileOpen) whileOpen(what);
  }
  void listen() {
    using game::Session;
    Session* s = session.get();
    QObject::connect(s, &Session::pairShown, [this](const QImage& o, const QImage& c) {
      original = o;
      copy = c;
    });
    QObject::connect(s, &Session::circleShown, [this](int slot, const QRectF& box) { circles[slot] = box; });
    QObject::connect(s, &Session::circlesHidden, [this] { circles.clear(); });
    QObject::connect(s, &Session::circleColoured, [this](int slot, const QColor& c) { colours[slot] = c; });
    QObject::connect(s, &Session::clockRunning, [this](bool on) { clock = on; });
    QObject::connect(s, &Session::flickerRunning, [this](bool on) { flicker = on; });
    QObject::connect(s, &Session::flagBlinking, [this](bool on) { flag = on; });
    QObject::connect(s, &Session::pairWon, [this] { note("won"); });
    QObject::connect(s, &Session::picturesRanOut, [this] { note("ranOut"); });
    QObject::connect(s, &Session::noPairAtStart, [this] { note("noPair"); });
    QObject::connect(s, &Session::gameOverPictureWanted, [this] { note("gameOverPicture"); });
    QObject::connect(s, &Session::nameWanted, [this](QString* name) {
      *name = nameToGive;
      note("name");
    });
    QObject::connect(s, &Session::topTenWanted, [this](const std::vector<picture_db::HallOfFameEntry>& ranked) {
      topTen = ranked;
      note("topTen");
    });
    QObject::connect(s, &Session::failed, [this](const QString& text) {
      failure = text;
      note("failed");
    });
  }
};

}  // namespace session_test
