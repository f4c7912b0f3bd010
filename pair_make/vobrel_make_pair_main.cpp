// SPDX-License-Identifier: GPL-2.0-or-later
// vobrel-make-pair: makes a picture pair with five differences out of each photo given.
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

#include "pair_make/make_program.h"
#include "picture_db/journal_mode.h"
#include "storage/data_folder.h"
#include "toolkit/failure_reasons.h"
#include "toolkit/picture_memory.h"

int main(int argc, char** argv) {
  toolkit::keepPictureBuffers();
  QCoreApplication app(argc, argv);
  QTextStream out(stdout), err(stderr);
  QString error;
  const pair_make::MakeArguments args = pair_make::parseMakeArguments(app.arguments().mid(1), &error);
  // Help and version come before any file is touched.
  if (args.help) {
    out << pair_make::makeUsage();
    return pair_make::make_exit::kAllMade;
  }
  if (args.version) {
    out << "vobrel-make-pair " VOBREL_VERSION "\n";
    return pair_make::make_exit::kAllMade;
  }
  if (!error.isEmpty()) {
    err << error << '\n' << pair_make::makeHint();
    return pair_make::make_exit::kFolderUnusable;
  }
  QString dataDir = args.folder;
  if (dataDir.isEmpty()) {
    try {
      dataDir = QString::fromStdString(storage::chooseAppFolders(QCoreApplication::applicationDirPath().toStdString(),
                                                                 storage::FolderEnvironment::system(),
                                                                 picture_db::shareBetweenPrograms)
                                           .data);
    } catch (const std::exception& e) {
      err << QStringLiteral("vobrel-make-pair: la cartella dei dati non si può usare: %1")
                 .arg(toolkit::failureReason(e))
          << '\n';
      return pair_make::make_exit::kFolderUnusable;
    }
  }
  return pair_make::runMakePair(args, dataDir, out, err, isatty(fileno(stderr)) == 1);
}
