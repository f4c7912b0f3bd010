// SPDX-License-Identifier: GPL-2.0-or-later
// The editor meeting another program's lock on images.mdb: it shows that it waits, keeps
// handling its window's events, gives up with a plain message and loses nothing.
#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

#include "editor/lock_wait.h"
#include "editor/editor_window_fixture.h"

using namespace editor_window_fixture;
using namespace toolkit;

namespace {

class EditorLockWait : public EditorWindowTest {};

}  // namespace

TEST_F(EditorLockWait, ALockedDatabaseShowsTheBusyPointerKeepsTheWindowAliveAndGivesUpPlainly) {
  folder.addPairWithoutFiles(1, "a.bmp", "b.bmp", {{1, 2, 3, 4}});
  open();
  int ticks = 0;
  bool busyPointerSeen = false;
  QTimer probe;
  QObject::connect(&probe, &QTimer::timeout, [&] {
    ++ticks;
    const QCursor* c = QGuiApplication::overrideCursor();
    busyPointerSeen = busyPointerSeen || (c && c->shape() == Qt::WaitCursor);
  });
  probe.start(50);
  picture_db::Database other = folder.open();
  other.inTransaction([&] {
    boxes.answers = {box::Yes};
    click(control<QPushButton>(*w, "CmdImgDel"));  // the question is answered; the statement then meets the lock
  });
  probe.stop();
  EXPECT_TRUE(busyPointerSeen) << "the busy pointer while waiting";
  EXPECT_GE(ticks, 10) << "the window's events are handled while it waits";
  ASSERT_EQ(boxes.messages().size(), 2u);
  const QString message = boxes.messages()[1].text;
  EXPECT_EQ(message, editor::kOtherProgramBusy);
  EXPECT_TRUE(message[0].isUpper());
  // Nothing lost: the list shows what the database holds, the pointer is back.
  EXPECT_EQ(storedPairs().size(), 1u);
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->count(), 1);
  QCoreApplication::processEvents();
  QTest::qWait(100);
  const QCursor* c = QGuiApplication::overrideCursor();
  EXPECT_TRUE(c == nullptr || c->shape() != Qt::WaitCursor);

  // Once the other program lets go, the same click works at once.
  boxes.answers = {box::Yes};
  click(control<QPushButton>(*w, "CmdImgDel"));
  EXPECT_TRUE(storedPairs().empty());
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->count(), 0);
  EXPECT_EQ(boxes.messages().size(), 3u) << "only the question";
}

TEST_F(EditorLockWait, OtherFailuresKeepTheirOwnReason) {
  const picture_db::DbError error("no such table: FOTO", 1 /* SQLITE_ERROR */);
  EXPECT_EQ(editor::failureMessage(error), "nel database manca la tabella FOTO");
}
