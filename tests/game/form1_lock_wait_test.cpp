// SPDX-License-Identifier: GPL-2.0-or-later
// Another program holding images.mdb: the game waits under the busy pointer with its
// window painted, judges the waiting click once, and a close ends the wait at once.
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QTimer>

#include "game/game_fixture.h"

using namespace game_test;
using test_support::fiveRectangles;

namespace {

const std::vector<Edges> kRects = fiveRectangles();

bool busyPointer() {
  const QCursor* c = QGuiApplication::overrideCursor();
  return c && c->shape() == Qt::WaitCursor;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

class GameLockWait : public GameTest {
 protected:
  // A second connection holding a write transaction, as another program would.
  void holdDatabase() {
    other_.emplace(app.open());
    other_->sqlite().exec("BEGIN IMMEDIATE");
  }
  void letGo() {
    if (other_) other_->sqlite().exec("COMMIT");
    other_.reset();
  }
  void TearDown() override { letGo(); }

 private:
  std::optional<picture_db::Database> other_;
};

}  // namespace

TEST_F(GameLockWait, AHitWaitsPaintedUnderTheBusyPointerAndIsJudgedOnceAfterwards) {
  app.addPair(1, kRects);
  startShown();
  PaintCounter counter;
  form->installEventFilter(&counter);
  holdDatabase();

  bool busyDuringWait = false;
  int paintsDuringWait = -1;
  QImage grabbed;
  QTimer::singleShot(100, [&] {
    busyDuringWait = busyPointer();
    counter.paints = 0;
    form->update();  // as when the window is uncovered
  });
  QTimer::singleShot(400, [&] {
    paintsDuringWait = counter.paints;
    grabbed = form->grab().toImage();
    letGo();
  });
  QElapsedTimer waited;
  waited.start();
  clickInside(kRects[0]);

  EXPECT_GE(waited.elapsed(), 350) << "the statement waited for the other program";
  EXPECT_TRUE(busyDuringWait);
  EXPECT_GT(paintsDuringWait, 0) << "the window repaints while it waits";
  ASSERT_FALSE(grabbed.isNull());
  // The copy is drawn where it belongs, not a black or empty area.
  const QPoint inCopy = form->Image2->mapTo(form.get(), form->Image2->pictureOrigin() + QPoint(100, 100));
  EXPECT_EQ(grabbed.pixelColor(inCopy), form->grab().toImage().pixelColor(inCopy));
  EXPECT_NE(grabbed.pixelColor(inCopy), QColor(Qt::black));

  // Judged once: one difference found, no time charged, nothing to say.
  EXPECT_EQ(unfound(1), 4);
  EXPECT_DOUBLE_EQ(stepsUsed(), 0);
  EXPECT_TRUE(showsFoundIcon(0));
  EXPECT_TRUE(showsNotFoundIcon(1));
  EXPECT_TRUE(dialogs.calls.empty());
  QTest::qWait(100);
  EXPECT_FALSE(busyPointer()) << "the pointer is back once the statement is over";
}

TEST_F(GameLockWait, StartUpShowsTheWindowUnderTheBusyPointerAtOnce) {
  app.addPair(1, kRects);
  holdDatabase();
  bool windowShown = false;
  bool busy = false;
  QTimer::singleShot(150, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (qobject_cast<game::Form1*>(w) && w->isVisible()) windowShown = true;
    }
    busy = busyPointer();
    letGo();
  });
  start();
  EXPECT_TRUE(windowShown) << "the window stands while the start-up waits";
  EXPECT_TRUE(busy);
  EXPECT_FALSE(form->ending());
  EXPECT_EQ(form->gameState(), "Game");
  EXPECT_EQ(form->currentPairId(), 1);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(GameLockWait, ClosingTheWindowEndsTheWaitAtOnceWithoutAMessage) {
  app.addPair(1, kRects);
  startShown();
  holdDatabase();
  QTimer::singleShot(100, [&] { form->close(); });
  QElapsedTimer waited;
  waited.start();
  clickInside(kRects[0]);
  // Far below the whole wait: the close cut it short (a generous bound for a busy machine).
  EXPECT_LT(waited.elapsed(), 5000);
  EXPECT_EQ(programEnded, 1);
  EXPECT_TRUE(dialogs.calls.empty()) << "an ending game shows no database failure";
  letGo();
  EXPECT_EQ(unfound(1), 5) << "nothing was judged after the close";
}

TEST_F(GameLockWait, ClosingTheWindowWhileStartUpWaitsEndsItQuietly) {
  app.addPair(1, kRects);
  holdDatabase();
  QTimer::singleShot(150, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (qobject_cast<game::Form1*>(w) && w->isVisible()) w->close();
    }
  });
  QElapsedTimer waited;
  waited.start();
  start();  // no start-up failure to throw: the player left
  EXPECT_TRUE(form->ending());
  EXPECT_LT(waited.elapsed(), 5000) << "the close cut the wait short";
  EXPECT_TRUE(dialogs.calls.empty());
  letGo();
  EXPECT_EQ(unfound(1), 5);
  form->Image2_MouseUp(1, 0, 60, 60);
  EXPECT_EQ(unfound(1), 5) << "nothing is judged after the close";
}
