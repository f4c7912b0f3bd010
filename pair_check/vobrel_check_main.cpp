// SPDX-License-Identifier: GPL-2.0-or-later
// vobrel-check: checks that the rectangles of every picture pair match where the two
// pictures really differ.
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

#include "pair_check/check_program.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout), err(stderr);
  QString error;
  const pair_check::CheckArguments args = pair_check::parseCheckArguments(app.arguments().mid(1), &error);
  if (!error.isEmpty()) {
    err << error << '\n' << pair_check::checkUsage();
    return pair_check::exit_code::kCannotCheck;
  }
  if (args.help) {
    out << pair_check::checkUsage();
    return pair_check::exit_code::kAllSound;
  }
  const QString appDir = args.folder.isEmpty() ? QCoreApplication::applicationDirPath() : args.folder;
  return pair_check::runCheck(args, appDir, out, err, isatty(fileno(stderr)) == 1);
}
