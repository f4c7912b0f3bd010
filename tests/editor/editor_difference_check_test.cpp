// SPDX-License-Identifier: GPL-2.0-or-later
// "Verifica differenze" from the editor window: Ctrl+D and the difference list's menu
// open it on the pair on screen; its proposals reach images.mdb and the list.
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>

#include "editor/difference_check_dialog.h"
#include "editor/editor_window_fixture.h"
#include "support/drawn_pairs.h"

using namespace editor_window_fixture;
using namespace toolkit;

namespace {
class EditorDifferenceCheck : public EditorWindowTest {
 protected:
  drawn_pairs::DrawnPair drawn = drawn_pairs::fiveChanges();
  QStringList problemsSeen;
  QString statusSeen;
  bool useEnabledSeen = false;

  void SetUp() override {
    EditorWindowTest::SetUp();
    const auto [original, copy] = drawn_pairs::save(folder, drawn, "scena", "JPEG");
    folder.addPairWithoutFiles(8, original.toStdString(), copy.toStdString(), {});
  }

  void answerWith(Qt::Key key) {
    problemsSeen.clear();
    answerModal<editor::DifferenceCheckDialog>(
        key,
        // The pictures are compared on a thread of their own: the answer waits for them.
        [](editor::DifferenceCheckDialog& dialog) { return !dialog.checking(); },
        [this](editor::DifferenceCheckDialog& dialog) {
          for (int i = 0; i < dialog.problemList->count(); ++i) problemsSeen << dialog.problemList->item(i)->text();
          statusSeen = dialog.status->text();
          useEnabledSeen = dialog.useProposed->isEnabled();
        });
  }
  void pressCtrlD() { pressCtrl(Qt::Key_D); }
};
}  // namespace

TEST_F(EditorDifferenceCheck, CtrlDThenReturnStoresFiveRectanglesEachHoldingItsChange) {
  open();
  ASSERT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 0);
  answerWith(Qt::Key_Return);
  pressCtrlD();
  ASSERT_TRUE(opened);
  EXPECT_TRUE(useEnabledSeen);
  EXPECT_EQ(statusSeen, "Le immagini propongono 5 rettangoli.");
  EXPECT_TRUE(problemsSeen.contains("La coppia non ha rettangoli: ne servono 5."))
      << problemsSeen.join("\n").toStdString();
  EXPECT_EQ(problemsSeen.filter("non ha un rettangolo.").size(), 5);

  const auto rows = stored(8);
  ASSERT_EQ(rows.size(), 5u);
  for (const QRect& change : drawn.changes) {
    const QPointF centre = QRectF(change).center();
    int holding = 0;
    for (const auto& r : rows) {
      holding += (*r.x1 < centre.x() && centre.x() < *r.x2 && *r.y1 < centre.y() && centre.y() < *r.y2) ? 1 : 0;
    }
    EXPECT_EQ(holding, 1) << "change at " << change.x() << "," << change.y();
  }
  // The list shows the table again, as a picture-list click does.
  ASSERT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 5);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(rowOf(*control<toolkit::ReportList>(*w, "LstCoord"), i), edgesOf(rows[size_t(i)]));
  EXPECT_FALSE(control<QPushButton>(*w, "CmdAdd")->isEnabled());

  // Checked again, the pair has nothing left to propose.
  answerWith(Qt::Key_Escape);
  pressCtrlD();
  ASSERT_TRUE(opened);
  EXPECT_EQ(statusSeen, "Le differenze e i rettangoli corrispondono.");
  EXPECT_FALSE(useEnabledSeen);
  EXPECT_EQ(problemsSeen.last(), "Nessun problema.");
}

TEST_F(EditorDifferenceCheck, EscapeClosesWithoutAChangeAndTheListMenuOffersTheCheck) {
  folder.addPairWithoutFiles(9, "(none)", "(none)", {{10, 10, 5, 40}});
  open();
  answerWith(Qt::Key_Escape);
  pressCtrlD();
  ASSERT_TRUE(opened);
  EXPECT_TRUE(stored(8).empty());
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 0);

  const QList<QAction*> menu = control<toolkit::ReportList>(*w, "LstCoord")->actions();
  ASSERT_EQ(menu.size(), 1);
  EXPECT_EQ(menu[0]->text(), "Verifica differenze...");
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->contextMenuPolicy(), Qt::ActionsContextMenu);

  // A pair without pictures: its problems are listed and nothing is offered.
  clickRow(*control<toolkit::ReportList>(*w, "LstImages"), 1);
  answerWith(Qt::Key_Return);
  menu[0]->trigger();
  answerer.stop();
  ASSERT_TRUE(opened);
  EXPECT_FALSE(useEnabledSeen);
  EXPECT_EQ(problemsSeen.filter("non si può leggere: nessun file assegnato.").size(), 2)
      << problemsSeen.join("\n").toStdString();
  EXPECT_TRUE(
      problemsSeen.contains("Il rettangolo 10,10-5,40 è vuoto: X1 deve essere minore di X2 e Y1 minore di Y2."));
  ASSERT_EQ(stored(9).size(), 1u);
  EXPECT_EQ(edgesOf(stored(9)[0]), (QStringList{"10", "10", "5", "40"}));
  EXPECT_TRUE(boxes.messages().empty());
}

TEST_F(EditorDifferenceCheck, AMisplacedRectangleIsReplacedAndTheRightOnesKept) {
  folder.addPairWithoutFiles(10, "scena.jpg", "scena_C.jpg", {});
  {
    picture_db::Database db = folder.open();
    for (int i = 0; i < 4; ++i) {
      const test_support::Edges e = drawn_pairs::edgesAround(drawn.changes[size_t(i)]);
      picture_db::addDifference(db, 10, e.x1, e.y1, e.x2, e.y2);
    }
    picture_db::addDifference(db, 10, 5, 400, 30, 430);
  }
  open();
  clickRow(*control<toolkit::ReportList>(*w, "LstImages"), 1);
  const auto before = stored(10);
  answerWith(Qt::Key_Return);
  pressCtrlD();
  ASSERT_TRUE(opened);
  EXPECT_TRUE(problemsSeen.contains("Il rettangolo 5,400-30,430 non contiene differenze."))
      << problemsSeen.join("\n").toStdString();
  const auto after = stored(10);
  ASSERT_EQ(after.size(), 5u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(edgesOf(after[size_t(i)]), edgesOf(before[size_t(i)]));
  EXPECT_EQ(after[4].rowid, before[4].rowid);
  const QPointF centre = QRectF(drawn.changes[4]).center();
  EXPECT_LT(*after[4].x1, centre.x());
  EXPECT_GT(*after[4].x2, centre.x());
  EXPECT_LT(*after[4].y1, centre.y());
  EXPECT_GT(*after[4].y2, centre.y());
}

TEST_F(EditorDifferenceCheck, SpaceSwitchesBetweenCopyAndOriginalAndTheLinesFitTheWindow) {
  folder.addPairWithoutFiles(11, "(none)", "scena_C.jpg", {});
  open();
  bool switched = false, wideEnough = false, busyWhileChecking = true;
  answerer.disconnect();
  answerer.setInterval(10);
  QObject::connect(&answerer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<editor::DifferenceCheckDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    if (dialog->checking()) {
      busyWhileChecking = busyWhileChecking && dialog->cursor().shape() == Qt::BusyCursor;
      return;
    }
    answerer.stop();
    opened = true;
    const QImage copyShown = dialog->picture->pixmap().toImage();
    EXPECT_FALSE(dialog->showingOriginal());
    // Space switches even with the focus on a button, and does not press it.
    dialog->useProposed->setFocus();
    QTest::keyClick(dialog, Qt::Key_Space);
    const QImage originalShown = dialog->picture->pixmap().toImage();
    switched = dialog->showingOriginal() && dialog->isVisible() && originalShown != copyShown &&
               dialog->switchPicture->text() == "Mostra la &copia";
    QTest::keyClick(dialog, Qt::Key_Space);
    switched = switched && !dialog->showingOriginal() && dialog->picture->pixmap().toImage() == copyShown;
    wideEnough = true;
    EXPECT_NE(dialog->cursor().shape(), Qt::BusyCursor);
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  answerer.start();
  pressCtrlD();
  ASSERT_TRUE(opened);
  EXPECT_TRUE(switched);
  EXPECT_TRUE(busyWhileChecking);
  EXPECT_TRUE(wideEnough);
  EXPECT_TRUE(stored(8).empty());

  // A pair whose original cannot be read: nothing to switch to, and the window is as
  // wide as its longest line.
  clickRow(*control<toolkit::ReportList>(*w, "LstImages"), 1);
  opened = false;
  answerer.disconnect();
  QObject::connect(&answerer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<editor::DifferenceCheckDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || dialog->checking()) return;
    answerer.stop();
    opened = true;
    EXPECT_FALSE(dialog->switchPicture->isEnabled());
    int longest = 0;
    for (int i = 0; i < dialog->problemList->count(); ++i) {
      longest =
          std::max(longest, dialog->problemList->fontMetrics().horizontalAdvance(dialog->problemList->item(i)->text()));
    }
    EXPECT_GE(dialog->problemList->viewport()->width(), longest);
    EXPECT_GT(dialog->width(), 255);
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  answerer.start();
  pressCtrlD();
  ASSERT_TRUE(opened);
}
