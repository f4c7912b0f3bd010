// SPDX-License-Identifier: GPL-2.0-or-later
// Packages kept in tests/data/packages/import, each imported into an empty installation:
// "taken-" ones bring both pictures byte for byte, "refused-" ones say why and write
// nothing. A package's "-wal" file travels with it.
#include <gtest/gtest.h>

#include <QDir>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <filesystem>

#include "editor/package_transfer.h"
#include "storage/app_folders.h"
#include "picture_db/editor_queries.h"
#include "support/package_fixtures.h"
#include "support/temp_app_folder.h"
#include "toolkit/picture_loader.h"

namespace {

namespace fs = std::filesystem;

// The bytes the package holds for both pictures, as stored, read from a private copy.
std::pair<std::string, std::string> storedPictures(const fs::path& package) {
  QTemporaryDir dir;
  const fs::path copy = fs::path(dir.path().toStdString()) / "p.ozt";
  fs::copy_file(package, copy);
  if (fs::exists(package.string() + "-wal")) fs::copy_file(package.string() + "-wal", copy.string() + "-wal");
  SQLite::Database db(copy.string(), SQLite::OPEN_READWRITE);
  SQLite::Statement q(db, "SELECT CAST(FotoOriginale AS BLOB), CAST(FotoCopia AS BLOB) FROM Foto LIMIT 1");
  if (!q.executeStep()) return {};
  auto bytes = [&](int i) {
    return std::string(static_cast<const char*>(q.getColumn(i).getBlob()),
                       static_cast<std::size_t>(q.getColumn(i).getBytes()));
  };
  return {bytes(0), bytes(1)};
}

}  // namespace

TEST(ImportCorpus, EachPackageIsTakenWholeOrRefusedWithItsReasonAndNothingWritten) {
  const fs::path corpus = fs::path(VOBREL_TEST_DATA) / "packages" / "import";
  int replayed = 0;
  for (const auto& entry : fs::directory_iterator(corpus)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".ozt") continue;
    SCOPED_TRACE(name);
    test_support::TempAppFolder folder;
    QDir().mkpath(folder.imagesPath());
    const std::string importDir = storage::importDir(folder.dir());
    fs::create_directories(importDir);
    fs::copy_file(entry.path(), importDir + "/" + name);
    if (fs::exists(entry.path().string() + "-wal")) {
      fs::copy_file(entry.path().string() + "-wal", importDir + "/" + name + "-wal");
    }
    picture_db::Database db = folder.open();
    const auto before = test_support::folderTree(folder.dir());
    if (name.rfind("taken-", 0) == 0) {
      const auto [original, copy] = storedPictures(entry.path());
      const editor::ImportedPair imported = editor::importPackage(db, folder.dir(), name, 1);
      EXPECT_EQ(imported.pair.original, "spiaggia.bmp");
      EXPECT_EQ(test_support::readBytes(storage::picturePath(folder.dir(), "spiaggia.bmp")), original);
      EXPECT_EQ(test_support::readBytes(storage::picturePath(folder.dir(), "spiaggia_C.bmp")), copy);
      EXPECT_TRUE(
          toolkit::loadPicture(QString::fromStdString(storage::picturePath(folder.dir(), "spiaggia.bmp"))).ok());
      EXPECT_EQ(picture_db::pairDifferences(db, 1).size(), 1u);
      EXPECT_TRUE(fs::is_empty(importDir)) << "the package and its log are gone";
    } else {
      try {
        editor::importPackage(db, folder.dir(), name, 1);
        ADD_FAILURE() << "taken";
      } catch (const editor::PackageError& e) {
        const std::string why = e.what();
        EXPECT_EQ(why.rfind("Pacchetto non valido: " + name + ": ", 0), 0u) << "names the package: " << why;
        EXPECT_EQ(why.back(), '.') << why;
        EXPECT_EQ(why.find("manca la tabella Foto"), std::string::npos) << "a misleading reason: " << why;
        if (name.find("picture") != std::string::npos || name.find("gif") != std::string::npos) {
          EXPECT_NE(why.find("spiaggia"), std::string::npos) << "names the file: " << why;
        }
        if (name.find("wal") != std::string::npos) {
          EXPECT_NE(why.find("incompleto"), std::string::npos) << why;
        }
      }
      EXPECT_EQ(test_support::folderTree(folder.dir()), before);
      EXPECT_TRUE(picture_db::listPictures(db).empty());
    }
    ++replayed;
  }
  EXPECT_GE(replayed, 7);
}
