// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/scripted_dialogs.h"

namespace toolkit {

namespace {
// The next scripted answer, or the fallback once the script has run out.
template <class T>
T takeNext(std::deque<T>& script, T fallback) {
  if (script.empty()) return fallback;
  T next = std::move(script.front());
  script.pop_front();
  return next;
}
}  // namespace

void ScriptedDialogs::record(Call::Kind kind, const QString& text, int flags, const QString& title) {
  calls.push_back({kind, text, flags, title});
  if (whileOpen) whileOpen(calls.back());
}

int ScriptedDialogs::messageBox(const QString& text, int flags, const QString& title) {
  record(Call::Message, text, flags, title.isEmpty() ? applicationTitle() : title);
  const bool yesNo = (flags & 0x7) == box::YesNo;
  return takeNext(answers, yesNo ? defaultAnswer : int(box::Ok));
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title, const QString&) {
  record(Call::Input, prompt, 0, title);
  return takeNext(inputs, QString());
}

QString ScriptedDialogs::openFile(const QString& filter, const QString& title) {
  record(Call::OpenFile, filter, 0, title);
  return takeNext(chosenFiles, QString());
}

std::vector<ScriptedDialogs::Call> ScriptedDialogs::messages() const {
  std::vector<Call> out;
  for (const auto& c : calls)
    if (c.kind == Call::Message) out.push_back(c);
  return out;
}

}  // namespace toolkit
