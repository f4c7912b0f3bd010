// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the game and the editor do before their window: answer --help and --version
// without a display, then make the application with the program's name, icon and Italian texts.
#include <QApplication>
#include <QString>
#include <memory>
#include <string>

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

// Nothing when the command line was answered or refused, with the exit status in
// `status`; else the application, ready for the window.
std::unique_ptr<QApplication> startWindowProgram(int& argc, char** argv, const WindowProgram& program, int& status);

}  // namespace toolkit
