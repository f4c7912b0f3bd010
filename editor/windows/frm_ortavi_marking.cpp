// SPDX-License-Identifier: GPL-2.0-or-later
// The picture area's two mouse modes: marking a rectangle on the copy, and dragging a
// preview larger than the viewport about under it.
#include <QLabel>
#include <QtMath>

#include "editor/difference_texts.h"
#include "editor/file_panel.h"
#include "editor/frm_ortavi.h"
#include "editor/marking_geometry.h"
#include "toolkit/mouse_pointer.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"

namespace editor {

namespace {
// Positions are whole pixels of the picture.
QPoint pixel(double x, double y) { return QPoint(qFloor(x), qFloor(y)); }
}  // namespace

void FrmOrtavi::setShapeBox(const QRectF& box) { shBorder->setBox(box); }

void FrmOrtavi::writeLegendFromShape() {
  const QRectF b = shBorder->box();
  setMarked({b.left(), b.top(), b.left() + b.width(), b.top() + b.height()});
}

void FrmOrtavi::setMarked(const Edges& edges) {
  marked_ = edges;
  LblASH->setText(edgeText(marked_[0]));
  LblASV->setText(edgeText(marked_[1]));
  LblBDH->setText(edgeText(marked_[2]));
  LblBDV->setText(edgeText(marked_[3]));
}

void FrmOrtavi::Picture1_MouseDown(int, int, double x, double y) {
  if (!Picture2->isHidden()) return;
  shBorder->hide();
  toolkit::setMousePointer(toolkit::pointer::Cross);
  const QPoint p = pixel(x, y);
  DragStartY = p.y();
  DragStartX = p.x();
  const QRectF old = shBorder->box();
  setShapeBox(QRectF(p.x(), p.y(), old.width(), old.height()));
}

void FrmOrtavi::Picture1_MouseMove(int button, int, double x, double y) {
  if (!Picture2->isHidden()) return;
  const QPoint p = pixel(x, y);
  if (button == 0 && shBorder->isHidden()) {
    setMarked({double(p.x()), double(p.y()), std::nullopt, std::nullopt});
  }
  if (button == toolkit::mouse::Left) {
    const QRect r = rubberBand(QPoint(qFloor(DragStartX), qFloor(DragStartY)), p);
    setShapeBox(QRectF(r.x(), r.y(), r.width(), r.height()));
    shBorder->show();
    writeLegendFromShape();
  }
}

void FrmOrtavi::Picture1_MouseUp(int, int, double, double) { toolkit::setMousePointer(toolkit::pointer::Default); }

void FrmOrtavi::Picture2_MouseDown(int, int, double x, double y) {
  const QPoint p = pixel(x, y);
  DragStartX = p.x();
  DragStartY = p.y();
  const QSize inner = Picture1->innerSize();
  const bool wide = Picture2->width() > inner.width();
  const bool tall = Picture2->height() > inner.height();
  if (wide) toolkit::setMousePointer(toolkit::pointer::SizeWE);
  if (tall) toolkit::setMousePointer(toolkit::pointer::SizeNS);
  if (wide && tall) toolkit::setMousePointer(toolkit::pointer::SizeAll);
}

void FrmOrtavi::Picture2_MouseMove(int button, int, double x, double y) {
  if (button == toolkit::mouse::Left) {
    Picture2->move(pannedPosition(Picture2->pos(), Picture2->size(), Picture1->innerSize(),
                                  QPoint(qFloor(DragStartX), qFloor(DragStartY)), pixel(x, y)));
  } else if (button == 0 && previewCutEnabled()) {
    if (toolkit::mousePointer() != toolkit::pointer::Custom) {
      toolkit::setCustomPointer(QCursor(CurMove->pixmap(), 0, 0));
      toolkit::setMousePointer(toolkit::pointer::Custom);
    }
  }
}

void FrmOrtavi::Picture2_MouseUp(int, int, double, double) { toolkit::setMousePointer(toolkit::pointer::Default); }

bool FrmOrtavi::previewCutEnabled() const { return FraFile->isCutEnabled(); }

}  // namespace editor
