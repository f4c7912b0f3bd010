// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/window_program.h"

#include <iostream>

#include "artwork/artwork.h"
#include "toolkit/command_line.h"
#include "toolkit/italian_qt.h"

namespace toolkit {

std::string windowProgramHelp(const WindowProgram& program) {
  return "Uso: " + program.command + " [--help] [--version]\n" + program.about +
         "\n"
         "  -h, --help     mostra questo aiuto ed esce\n"
         "      --version  mostra la versione ed esce\n"
         "\n" +
         program.dataNote;
}

std::unique_ptr<QApplication> startWindowProgram(int& argc, char** argv, const WindowProgram& program, int& status) {
  const CommandLineProgram command{program.command, windowProgramHelp(program)};
  if (const auto answered = answerCommandLine(argumentsOf(argc, argv), command, std::cout, std::cerr)) {
    status = *answered;
    return nullptr;
  }
  auto app = std::make_unique<QApplication>(argc, argv);
  QApplication::setApplicationName(program.applicationName);
  QApplication::setDesktopFileName(program.desktopFile);
  QApplication::setWindowIcon(artwork::icon(QString::fromLatin1(program.icon)));
  // Without the translation Qt's buttons stay English; the program still works.
  installItalianQtTexts();
  status = 0;
  return app;
}

}  // namespace toolkit
