// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/mouse_pointer.h"

#include <QGuiApplication>

namespace toolkit {

namespace {
int g_code = pointer::Default;
QCursor& customCursor() {
  static QCursor c(Qt::ArrowCursor);
  return c;
}

QCursor cursorFor(int code) {
  switch (code) {
    case pointer::Cross: return QCursor(Qt::CrossCursor);
    case pointer::SizeNS: return QCursor(Qt::SizeVerCursor);
    case pointer::SizeWE: return QCursor(Qt::SizeHorCursor);
    case pointer::Hourglass: return QCursor(Qt::WaitCursor);
    case pointer::SizeAll: return QCursor(Qt::SizeAllCursor);
    case pointer::Custom: return customCursor();
    default: return QCursor(Qt::ArrowCursor);
  }
}
}  // namespace

void setMousePointer(int code) {
  // One override at most: the stack never grows however often the shape changes.
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  g_code = code;
  if (code != pointer::Default) QGuiApplication::setOverrideCursor(cursorFor(code));
}

int mousePointer() { return g_code; }

void setCustomPointer(const QCursor& cursor) { customCursor() = cursor; }

}  // namespace toolkit
