// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A desktop that answers from fields and records what it was asked, starting nothing.
#include <QStringList>

#include "editor/shell_open.h"

struct FakeLauncher : editor::DesktopLauncher {
  DefaultApplication defaultApplication(const QString& mimeType) override {
    askedTypes << mimeType;
    if (!canAsk) return {false, QString()};
    return {true, programFor.contains(mimeType) ? programFor.value(mimeType) : QString()};
  }
  Program checkApplication(const QString& desktopId) override {
    checked << desktopId;
    return program;
  }
  bool startOpener(const QString& path, const QString& workingDirectory) override {
    opened << path;
    lastWorkingDirectory = workingDirectory;
    return opens;
  }

  bool canAsk = true;
  QMap<QString, QString> programFor;  // MIME type -> desktop entry
  Program program = Program::Ready;
  bool opens = true;
  QStringList askedTypes, checked, opened;
  QString lastWorkingDirectory;
};
