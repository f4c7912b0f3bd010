// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A command offered beside a window's documented controls: in a control's context menu,
// and by a shortcut anywhere in its window.
#include <QAction>
#include <QKeySequence>
#include <QString>
#include <QWidget>

namespace toolkit {

inline QAction* addContextAction(QWidget* control, const QString& text, const QKeySequence& shortcut) {
  auto* action = new QAction(text, control);
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  control->addAction(action);
  control->setContextMenuPolicy(Qt::ActionsContextMenu);
  return action;
}

}  // namespace toolkit
