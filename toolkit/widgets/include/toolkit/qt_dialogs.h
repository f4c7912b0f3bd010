// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <QPointer>
#include <QWidget>

#include "toolkit/dialogs.h"

namespace toolkit {

// The real boxes: QMessageBox, QInputDialog, QFileDialog, modal to the parent window.
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  int messageBox(const QString& text, int flags, const QString& title = QString()) override;
  QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
  QString openFile(const QString& filter, const QString& title = QString()) override;

 private:
  QWidget* ownerWindow() const;
  QPointer<QWidget> parent_;
};

}  // namespace toolkit
