// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The real game window on a temporary application folder, its boxes answered by script.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include <QPushButton>

#include "game/form1.h"
#include "game/frm_top_ten.h"
#include "picture_db/game_queries.h"
#include "support/temp_app_folder.h"
#include "toolkit/picture_area.h"
#include "support/scripted_dialogs.h"
#include "toolkit/startup_error.h"

namespace game_test {

using test_support::Edges;

class GameTest : public ::testing::Test {
 protected:
  test_support::TempAppFolder app;
  toolkit::ScriptedDialogs dialogs;
  std::unique_ptr<game::Form1> form;
  int programEnded = 0;

  void start(std::uint32_t seed = 7) {
    form = std::make_unique<game::Form1>(app.path(), seed, dialogs);
    form->endProgram = [this] { ++programEnded; };
  }
  // The message of a start-up that cannot go on; empty when the window started.
  QString startupFailure(const QString& appDir) {
    try {
      game::Form1 failing(appDir, 1, dialogs);
    } catch (const toolkit::StartupError& e) {
      return QString::fromUtf8(e.what());
    }
    return QString();
  }
  void startShown(std::uint32_t seed = 7) {
    start(seed);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }

  // A click as the handler receives it: the left button at a picture position.
  void click(double x, double y) { form->Image2_MouseUp(1, 0, x, y); }
  static QPointF centreOf(const Edges& e) { return QPointF((e.x1 + e.x2) / 2.0, (e.y1 + e.y2) / 2.0); }
  void clickInside(const Edges& e) {
    const QPointF c = centreOf(e);
    click(c.x(), c.y());
  }
  // Somewhere no rectangle of fiveRectangles() covers.
  void clickNowhere() { click(195, 5); }

  double stepsLeft() const { return form->timeBar().width() / form->timeBar().step(); }
  double stepsUsed() const { return 60.0 - stepsLeft(); }

  int unfound(picture_db::PairId id) const {
    auto db = app.open();
    return static_cast<int>(picture_db::unfoundDifferences(db, id).size());
  }
  QString score() const { return form->lblPunti->text(); }

  // Clock ticks until the game is over; returns the number of ticks.
  int tickUntilOver(int limit = 200) {
    int ticks = 0;
    while (form->gameState() == "Game" && ticks < limit) {
      form->Timer1_Timer();
      ++ticks;
    }
    return ticks;
  }

  bool showsFoundIcon(int slot) const { return form->PicMatches[slot]->picture() == form->IconRight->picture(); }
  bool showsNotFoundIcon(int slot) const { return form->PicMatches[slot]->picture() == form->IconWrong->picture(); }
};

// The texts of one column of the hall-of-fame window, top to bottom.
inline QStringList columnTexts(const std::array<QLabel*, game::frmTopTen::kRows>& column) {
  QStringList texts;
  for (const QLabel* label : column) texts << label->text();
  return texts;
}

// Waits for the hall-of-fame window to open, lets inspect look at it, then presses
// "&Ok" with the mouse. Stops watching when it goes out of scope.
class TopTenWatcher {
 public:
  explicit TopTenWatcher(std::function<void(game::frmTopTen&)> inspect) : inspect_(std::move(inspect)) {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      auto* w = qobject_cast<game::frmTopTen*>(QApplication::activeModalWidget());
      if (!w) return;
      poll_.stop();
      ++shown;
      if (inspect_) inspect_(*w);
      if (pressOk) QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    });
    poll_.start(5);
  }
  int shown = 0;
  bool pressOk = true;

 private:
  std::function<void(game::frmTopTen&)> inspect_;
  QTimer poll_;
};

}  // namespace game_test
