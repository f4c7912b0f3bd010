// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The modal boxes both programs ask the user with, behind one interface so that tests
// can answer them (ScriptedDialogs) while the programs use Qt's (QtDialogs).
#include <QString>

namespace toolkit {

// Buttons and icon of a message box as one bit set, and the codes of the buttons. The
// numbers are the old desktop's message-box values, which the windows were designed with.
namespace box {
enum Flags : int {
  OkOnly = 0,
  OkCancel = 1,
  YesNo = 4,
  Critical = 16,
  Question = 32,
  Exclamation = 48,
  Information = 64,
  DefaultButton2 = 256,  // the second button (No, Cancel) is the default
};
enum Answer : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };
}  // namespace box

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Returns the code of the button pressed. An empty title shows the application title.
  virtual int messageBox(const QString& text, int flags, const QString& title = QString()) = 0;
  // The typed text; empty text on Cancel.
  virtual QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
  // filter in the form "Description|*.a;*.b"; the chosen existing file, empty on cancel.
  // An empty title leaves the dialog's own.
  virtual QString openFile(const QString& filter, const QString& title = QString()) = 0;
};

// The title every box without its own shows.
QString applicationTitle();

}  // namespace toolkit
