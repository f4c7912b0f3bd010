// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/window_program.h"

#include <QApplication>
#include <iostream>

#include "artwork/artwork.h"
#include "toolkit/command_line.h"
#include "toolkit/italian_qt.h"
#include "toolkit/qt_dialogs.h"
#include "toolkit/startup_error.h"

namespace toolkit {

std::string windowProgramHelp(const WindowProgram& program) {
  return "Uso: " + program.command + " [--help] [--version]\n" + program.about +
         "\n"
         "  -h, --help     mostra questo aiuto ed esce\n"
         "      --version  mostra la versione ed esce\n"
         "\n" +
         program.dataNote;
}

int runWindowProgram(int argc, char** argv, const WindowProgram& program, const MakeWindow& makeWindow) {
  const CommandLineProgram command{program.command, windowProgramHelp(program)};
  if (const auto answered = answerCommandLine(argumentsOf(argc, argv), command, std::cout, std::cerr)) {
    return *answered;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(program.applicationName);
  QApplication::setDesktopFileName(program.desktopFile);
  QApplication::setWindowIcon(artwork::icon(QString::fromLatin1(program.icon)));
  // Without the translation Qt's buttons stay English; the program still works.
  installItalianQtTexts();

  QtDialogs dialogs;
  // The metafile renderer stays beside the program; only the data may live elsewhere.
  const auto folders = chooseAppFolders(QCoreApplication::applicationDirPath(), dialogs);
  if (!folders) return 1;
  std::unique_ptr<QWidget> window;
  try {
    window = makeWindow(*folders, dialogs);
  } catch (const StartupError& e) {
    dialogs.messageBox(QString::fromUtf8(e.what()), box::OkOnly | box::Critical);
    return 1;
  }
  if (!window) return 0;
  dialogs.setParent(window.get());
  window->show();
  return QApplication::exec();
}

}  // namespace toolkit
