// SPDX-License-Identifier: GPL-2.0-or-later
// Runs one package import as the editor does, in a process of its own, so that a test
// can stop it at any step and look at what is left.
//   import_worker <application folder> <package file in Import> <pair number> [step]
// Exits 0 after a whole import, 1 when the import is refused or fails (printing why),
// 86 at once when the numbered step is done.
#include <QCoreApplication>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "editor/package_transfer.h"
#include "storage/app_folders.h"
#include "picture_db/database.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // the picture readers' plugins
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: import_worker <app folder> <package> <pair number> [step]\n");
    return 2;
  }
  const std::string appDir = argv[1];
  const int stopAfter = argc == 5 ? std::atoi(argv[4]) : 0;
  const auto killAt = [stopAfter](editor::ImportStep step) {
    if (static_cast<int>(step) == stopAfter) ::_exit(86);
  };
  try {
    picture_db::Database db = picture_db::Database::openExisting(storage::databasePath(appDir));
    editor::importPackage(db, appDir, argv[2], std::stoi(argv[3]), killAt);
  } catch (const std::exception& e) {
    std::printf("%s\n", e.what());
    return 1;
  }
  std::printf("imported\n");
  return 0;
}
