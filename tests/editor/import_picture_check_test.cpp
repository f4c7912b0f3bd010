// SPDX-License-Identifier: GPL-2.0-or-later
// The import proves both pictures readable while it writes them: a package with an
// unreadable picture is refused with the same words as ever, and what was written on
// the way is gone again.
#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>

#include "editor/package_transfer.h"
#include "picture_db/package_file.h"
#include "storage/app_folders.h"
#include "support/package_fixtures.h"
#include "support/temp_app_folder.h"
#include "picture_db/editor_queries.h"

namespace {

namespace fs = std::filesystem;

class ImportPictureCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    QDir().mkpath(app.imagesPath());
    fs::create_directories(storage::importDir(app.dir()));
  }

  // A package "p.ozt" waiting in Import, of these two pictures.
  void waiting(const std::string& originalBytes, const std::string& copyBytes) {
    picture_db::PackageContents c;
    c.originalName = "casa.bmp";
    c.originalBytes = originalBytes;
    c.copyName = "casa_C.bmp";
    c.copyBytes = copyBytes;
    c.rectangles = {{1, 2, 3, 4}};
    picture_db::writePackage(storage::joinPath(storage::importDir(app.dir()), "p.ozt"), c);
  }

  // Imports p.ozt, expecting a refusal: its text, and the steps heard on the way.
  std::string refusal(std::vector<editor::ImportStep>& heard) {
    picture_db::Database db = app.open();
    try {
      editor::importPackage(db, app.dir(), "p.ozt", 5, [&](editor::ImportStep s) { heard.push_back(s); });
    } catch (const editor::PackageError& e) {
      return e.what();
    }
    ADD_FAILURE() << "imported";
    return {};
  }

  test_support::TempAppFolder app;
  const std::string readable = test_support::bitmapWithEveryByteValue(0);
  // A bitmap whose header promises more pixels than follow.
  const std::string cutShort = readable.substr(0, readable.size() / 2);
};

}  // namespace

TEST_F(ImportPictureCheck, AnUnreadableCopyIsRefusedAfterTheWritesAndTakesThemBack) {
  waiting(readable, cutShort);
  const auto before = test_support::folderTree(app.dir());
  std::vector<editor::ImportStep> heard;
  const std::string why = refusal(heard);
  EXPECT_EQ(why.rfind("Pacchetto non valido: p.ozt: il file casa_C.bmp non è un'immagine leggibile (", 0), 0u) << why;
  EXPECT_EQ(why.substr(why.size() - 2), ").");
  // The files were written while the pictures were decoded; no pair was ever added.
  EXPECT_EQ(heard,
            (std::vector<editor::ImportStep>{editor::ImportStep::JournalWritten, editor::ImportStep::OriginalWritten,
                                             editor::ImportStep::CopyWritten}));
  EXPECT_EQ(test_support::folderTree(app.dir()), before) << "no hidden picture, no record, the package kept";
  picture_db::Database db = app.open();
  EXPECT_TRUE(picture_db::listPictures(db).empty());
}

TEST_F(ImportPictureCheck, TheOriginalIsNamedFirstAndAGoodPackageStillGoesThrough) {
  waiting(cutShort, cutShort);
  std::vector<editor::ImportStep> heard;
  const std::string why = refusal(heard);
  EXPECT_NE(why.find("il file casa.bmp non"), std::string::npos) << why;

  // The same installation takes a sound package afterwards: nothing of the refusal is in the way.
  fs::remove(storage::joinPath(storage::importDir(app.dir()), "p.ozt"));
  waiting(readable, readable + std::string(3, '\0'));
  picture_db::Database db = app.open();
  const editor::ImportedPair imported = editor::importPackage(db, app.dir(), "p.ozt", 5);
  EXPECT_EQ(imported.pair.copy, "casa_C.bmp");
  EXPECT_EQ(test_support::readBytes(storage::picturePath(app.dir(), "casa.bmp")), readable);
  EXPECT_EQ(test_support::folderTree(storage::importDir(app.dir())), std::vector<std::string>{});
}
