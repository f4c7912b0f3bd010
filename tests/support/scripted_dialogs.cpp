// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/scripted_dialogs.h"

namespace toolkit {

int ScriptedDialogs::messageBox(const QString& text, int flags, const QString& title) {
  calls.push_back({Call::Message, text, flags, title.isEmpty() ? applicationTitle() : title});
  if (whileOpen) whileOpen(calls.back());
  const bool yesNo = (flags & 0x7) == box::YesNo;
  if (!answers.empty()) {
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
  return yesNo ? defaultAnswer : box::Ok;
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title, const QString&) {
  calls.push_back({Call::Input, prompt, 0, title});
  if (whileOpen) whileOpen(calls.back());
  if (inputs.empty()) return QString();
  QString t = inputs.front();
  inputs.pop_front();
  return t;
}

QString ScriptedDialogs::openFile(const QString& filter, const QString& title) {
  calls.push_back({Call::OpenFile, filter, 0, title});
  if (whileOpen) whileOpen(calls.back());
  if (chosenFiles.empty()) return QString();
  QString f = chosenFiles.front();
  chosenFiles.pop_front();
  return f;
}

std::vector<ScriptedDialogs::Call> ScriptedDialogs::messages() const {
  std::vector<Call> out;
  for (const auto& c : calls)
    if (c.kind == Call::Message) out.push_back(c);
  return out;
}

}  // namespace toolkit
