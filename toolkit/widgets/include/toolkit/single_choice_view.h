// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How a list with at most one chosen row turns the user's mouse and keys into clicks,
// shared by the file list and the report list. A press beside the rows keeps the
// choice; dragging over the rows never moves it; a press released elsewhere still
// chooses its row; keys may move the choice but never drop it. Choosing by code
// raises no click.
#include <QKeyEvent>
#include <QMouseEvent>

namespace toolkit {

// View is the Qt view to extend. The derived list says where its rows are and how one
// is chosen, and raises its own click signal in clicked().
template <class View>
class SingleChoiceView : public View {
 public:
  using View::View;

 protected:
  virtual int rowAtPoint(const QPoint& viewportPos) const = 0;
  virtual int chosenRow() const = 0;
  // Chooses one row, or none with -1, without raising a click.
  virtual void chooseRow(int row) = 0;
  virtual int rowTotal() const = 0;
  virtual void clicked(int row) = 0;

  // For the view's own "clicked" signal: a Ctrl-click may have unchosen the row.
  void rowClicked(int row) {
    if (row < 0) return;
    if (chosenRow() != row) chooseRow(row);
    clicked(row);
  }

  void mousePressEvent(QMouseEvent* e) override {
    const int row = rowAtPoint(e->position().toPoint());
    if (row < 0) {
      e->accept();
      return;
    }
    chosenBeforePress_ = chosenRow();
    pressedRow_ = row;
    View::mousePressEvent(e);
  }

  void mouseReleaseEvent(QMouseEvent* e) override {
    const int pressed = pressedRow_;
    pressedRow_ = -1;
    const int under = rowAtPoint(e->position().toPoint());
    View::mouseReleaseEvent(e);
    if (pressed >= 0 && pressed < rowTotal() && under != pressed) {
      if (chosenRow() != pressed) chooseRow(pressed);
      if (pressed != chosenBeforePress_) clicked(pressed);
    }
  }

  void mouseMoveEvent(QMouseEvent* e) override {
    if (e->buttons() != Qt::NoButton) {
      e->accept();
      return;
    }
    View::mouseMoveEvent(e);
  }

  void keyPressEvent(QKeyEvent* e) override {
    const int before = chosenRow();
    View::keyPressEvent(e);
    const int after = chosenRow();
    if (after < 0 && before >= 0) {
      chooseRow(before);
    } else if (after != before && after >= 0) {
      clicked(after);
    }
  }

 private:
  // The row under the last press and the choice before it.
  int pressedRow_ = -1;
  int chosenBeforePress_ = -1;
};

}  // namespace toolkit
