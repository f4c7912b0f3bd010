// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/lock_wait.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

#include "toolkit/failure_reasons.h"

namespace editor {

namespace {

bool waiting = false;     // the busy pointer is ours
bool insideWait = false;  // events are being handled from inside the wait
bool gaveUp = false;      // the last failing statement had waited in vain

// Runs once control is back in the window's own event loop, the statement over.
void restorePointerAfterStatement() {
  if (insideWait) {
    QTimer::singleShot(20, restorePointerAfterStatement);
    return;
  }
  waiting = false;
  QGuiApplication::restoreOverrideCursor();
}

void whileWaiting(bool givingUp) {
  if (!waiting) {
    waiting = true;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    QTimer::singleShot(0, restorePointerAfterStatement);
  }
  gaveUp = givingUp;
  // Paint events only: a click is kept for when the statement is over, not thrown away.
  insideWait = true;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  insideWait = false;
}

}  // namespace

void waitForOtherProgramsVisibly(picture_db::Database& db) { db.setLockWait(kEditorLockWaitMs, whileWaiting); }

QString failureMessage(const std::exception& e) {
  const auto* dbError = dynamic_cast<const picture_db::DbError*>(&e);
  const bool waitedInVain = gaveUp && dbError != nullptr && dbError->code() == SQLITE_BUSY;
  gaveUp = false;
  if (waitedInVain) return QString::fromUtf8(kOtherProgramBusy);
  return toolkit::failureReason(e);
}

}  // namespace editor
