// SPDX-License-Identifier: GPL-2.0-or-later
// Another program holds images.mdb: the game waits with the busy pointer and keeps its
// window painted instead of freezing.
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

#include "game/form1.h"

namespace game {

void Form1::whileDatabaseLocked() {
  if (!waitingForDatabase_) {
    waitingForDatabase_ = true;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    // Runs once the statement is over and control is back in an event loop.
    QTimer::singleShot(0, this, &Form1::endDatabaseWait);
    // At start-up the window shows at once, so the pointer has something to stand over.
    if (!isVisible()) show();
  }
  // Painting, timers and closing go on; a click is kept for when the statement is over,
  // so it is judged once, after the wait.
  insideDatabaseWait_ = true;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  insideDatabaseWait_ = false;
}

void Form1::endDatabaseWait() {
  if (insideDatabaseWait_) {
    QTimer::singleShot(20, this, &Form1::endDatabaseWait);
    return;
  }
  waitingForDatabase_ = false;
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace game
