// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A game played to its end: the pair, the hall of fame and the game-over picture in place.
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "game/game_fixture.h"
#include "picture_db/hall_of_fame.h"

namespace game_over_test {
inline const std::vector<test_support::Edges> kRects = test_support::fiveRectangles();

inline std::vector<std::pair<std::string, int>> tenEntries() {  // 100, 90, ..., 10
  std::vector<std::pair<std::string, int>> e;
  for (int i = 0; i < 10; ++i) e.push_back({"Giocatore " + std::to_string(i), 100 - 10 * i});
  return e;
}

class GameOverTest : public game_test::GameTest {
 protected:
  void SetUp() override {
    app.addPair(1, kRects);
    app.writePicture("../GameOver.bmp", test_support::solidPicture(QSize(120, 80), Qt::black), "BMP");
  }
  // Plays a pair to its time-out after finding the given rows.
  void timeOutAfterFinding(std::initializer_list<int> rows) {
    for (int r : rows) clickInside(kRects[r]);
    tickUntilOver();
    ASSERT_EQ(form->gameState(), "GameOver");
  }
  std::vector<picture_db::HallOfFameEntry> hallOfFame() const {
    auto db = app.open();
    return picture_db::hallOfFame(db);
  }
  void setScore(int points) { form->round().setScore(points); }
  // Timed out with nothing found and `points` scored; `name` is typed when it is asked.
  void timeOutScoring(int points, const QString& name) {
    timeOutAfterFinding({});
    setScore(points);
    dialogs.inputs = {name};
  }
};

}  // namespace game_over_test
