// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Boxes answered from a script: each call is recorded; answers are taken from the
// queues in order, or from the defaults when a queue is empty.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "toolkit/dialogs.h"

namespace toolkit {

class ScriptedDialogs : public Dialogs {
 public:
  struct Call {
    enum Kind { Message, Input, OpenFile } kind;
    QString text;   // message text, input prompt or file filter
    int flags = 0;  // message boxes only
    QString title;
  };

  int messageBox(const QString& text, int flags, const QString& title = QString()) override;
  QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
  QString openFile(const QString& filter, const QString& title = QString()) override;

  std::deque<int> answers;          // message box answers
  int defaultAnswer = box::Yes;     // when answers is empty (OK-only boxes answer Ok)
  std::deque<QString> inputs;       // input box texts
  std::deque<QString> chosenFiles;  // open-file results
  // Runs while a box is "open", so tests can look at the window behind it.
  std::function<void(const Call&)> whileOpen;

  std::vector<Call> calls;
  std::vector<Call> messages() const;  // the message box calls only
  void clear() { calls.clear(); }

 private:
  void record(Call::Kind kind, const QString& text, int flags, const QString& title);
};

}  // namespace toolkit
