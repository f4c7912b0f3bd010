// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the game and the editor do before their window: answer --help and --version
// without a display, then make the application with the program's name, icon and Italian texts.
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "toolkit/app_folder_choice.h"
#include "toolkit/dialogs.h"

namespace toolkit {

struct WindowProgram {
  std::string command;   // the name typed: "vobrel"
  std::string about;     // what the program does, the lines before the options
  std::string dataNote;  // where it works, the lines after the options
  QString applicationName;
  QString desktopFile;  // the desktop entry's name, without ".desktop"
  const char* icon;     // the artwork resource of the program's icon
};

// The whole --help text.
std::string windowProgramHelp(const WindowProgram& program);

// Makes the program's window on the folders it works in. Throws StartupError when the
// window cannot start; nothing when it was closed while it started.
using MakeWindow = std::function<std::unique_ptr<QWidget>(const ChosenFolders& folders, Dialogs& dialogs)>;

// The whole program: the command line, the application, the folders, the window, the
// event loop. A window that cannot start has its reason shown, and the status is 1.
int runWindowProgram(int argc, char** argv, const WindowProgram& program, const MakeWindow& makeWindow);

}  // namespace toolkit
