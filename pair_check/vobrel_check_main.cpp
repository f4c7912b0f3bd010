// SPDX-License-Identifier: GPL-2.0-or-later
// vobrel-check: checks that the rectangles of every picture pair match where the two
// pictures really differ.
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <iostream>
#include <unistd.h>

#include "pair_check/check_program.h"
#include "toolkit/command_line.h"
#include "toolkit/picture_memory.h"

int main(int argc, char** argv) {
  const toolkit::CommandLineProgram command{"vobrel-check", pair_check::checkUsage().toStdString(), true};
  if (const auto status = toolkit::answerCommandLine(toolkit::argumentsOf(argc, argv), command, std::cout, std::cerr)) {
    return *status;
  }
  toolkit::keepPictureBuffers();
  QCoreApplication app(argc, argv);
  QTextStream out(stdout), err(stderr);
  QString error;
  const pair_check::CheckArguments args = pair_check::parseCheckArguments(app.arguments().mid(1), &error);
  if (!error.isEmpty()) return toolkit::refuseCommandLine("vobrel-check", error.toStdString(), std::cerr);
  if (args.help) {
    out << pair_check::checkUsage();
    return pair_check::exit_code::kAllSound;
  }
  const QString appDir =
      args.folder.isEmpty() ? pair_check::defaultDataFolder(QCoreApplication::applicationDirPath()) : args.folder;
  return pair_check::runCheck(args, appDir, out, err, isatty(fileno(stderr)) == 1);
}
