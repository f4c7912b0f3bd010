// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The editor window on a temporary application folder, its boxes answered from a
// script, driven with real mouse events, and read back from images.mdb.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <stdexcept>

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "editor/file_panel.h"
#include "editor/frm_ortavi.h"
#include "toolkit/file_list.h"
#include "picture_db/editor_queries.h"
#include "support/temp_app_folder.h"
#include "toolkit/mouse_pointer.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"
#include "toolkit/report_list.h"
#include "support/scripted_dialogs.h"

namespace editor_window_fixture {

using test_support::Edges;

// A control of the window by its design name ("CmdAdd", "LstImages"); the test fails
// when the window has no such control of that kind.
template <typename Control>
Control* control(const QObject& window, const QString& name) {
  Control* found = window.findChild<Control*>(name);
  if (found == nullptr) throw std::logic_error("the window has no control " + name.toStdString());
  return found;
}

class EditorWindowTest : public ::testing::Test {
 protected:
  test_support::TempAppFolder folder;
  toolkit::ScriptedDialogs boxes;
  std::unique_ptr<editor::FrmOrtavi> w;

  void SetUp() override { QDir().mkpath(folder.imagesPath()); }
  void TearDown() override {
    w.reset();
    toolkit::setMousePointer(toolkit::pointer::Default);
  }

  editor::FrmOrtavi& open() {
    w = std::make_unique<editor::FrmOrtavi>(folder.path(), boxes);
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    return *w;
  }

  std::vector<picture_db::DifferenceRect> stored(picture_db::PairId id) {
    picture_db::Database db = folder.open();
    return picture_db::pairDifferences(db, id);
  }
  std::vector<picture_db::PictureRecord> storedPairs() {
    picture_db::Database db = folder.open();
    return picture_db::listPictures(db);
  }
  static QStringList edgesOf(const picture_db::DifferenceRect& d) {
    auto t = [](const std::optional<double>& v) { return v ? QString::number(*v) : QString("null"); };
    return {t(d.x1), t(d.y1), t(d.x2), t(d.y2)};
  }
  static QStringList rowOf(const toolkit::ReportList& list, int row) {
    return {list.text(row), list.subItem(row, 1), list.subItem(row, 2), list.subItem(row, 3)};
  }
  QStringList legend() const {
    return {control<QLabel>(*w, "LblASH")->text(), control<QLabel>(*w, "LblASV")->text(),
            control<QLabel>(*w, "LblBDH")->text(), control<QLabel>(*w, "LblBDV")->text()};
  }

  // A click on a list row, where the user would click.
  static void clickRow(toolkit::ReportList& list, int row) {
    const QPoint at = list.rowRect(row).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
  }
  static void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

  // A move with no button held, as the pointer crossing the widget.
  static void hover(QWidget* widget, QPoint at) {
    QMouseEvent e(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(widget, &e);
  }
  // A left-button drag on Picture1 from one picture pixel to another, through a middle point.
  void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(control<toolkit::PictureArea>(*w, "Picture1"), button, {}, from);
    QTest::mouseMove(control<toolkit::PictureArea>(*w, "Picture1"), (from + to) / 2);
    QTest::mouseMove(control<toolkit::PictureArea>(*w, "Picture1"), to);
    QTest::mouseRelease(control<toolkit::PictureArea>(*w, "Picture1"), button, {}, to);
  }
  QRectF band() const { return control<toolkit::OverlayShape>(*w, "shBorder")->box(); }

  // Answers the next modal Dialog with a key once `ready` holds, after `note` has looked
  // at it. The timer belongs to the test, so it never outlives it.
  QTimer answerer;
  bool opened = false;
  template <class Dialog>
  void answerModal(Qt::Key key, std::function<bool(Dialog&)> ready, std::function<void(Dialog&)> note) {
    opened = false;
    answerer.disconnect();
    answerer.setInterval(10);
    QObject::connect(&answerer, &QTimer::timeout, [this, key, ready, note] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      if (!dialog || !dialog->isVisible() || !ready(*dialog)) return;
      answerer.stop();
      opened = true;
      note(*dialog);
      QTest::keyClick(dialog, key);
    });
    answerer.start();
  }
  // Ctrl+key in the window, as the user would press it; a modal window it opens is
  // answered meanwhile.
  void pressCtrl(Qt::Key key) {
    QApplication::setActiveWindow(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), key, Qt::ControlModifier);
    answerer.stop();
  }
};

}  // namespace editor_window_fixture
