// SPDX-License-Identifier: GPL-2.0-or-later
// Opening images.mdb: never a new empty file, clear errors, the settings both programs
// rely on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "storage/app_folders.h"
#include "picture_db/database.h"
#include "picture_db/editor_queries.h"
#include "picture_db/schema.h"
#include "support/temp_app_folder.h"
#include "support/thrown_text.h"

using namespace picture_db;
using namespace storage;

namespace {
std::string tempPath(const QTemporaryDir& dir, const char* name) { return joinPath(dir.path().toStdString(), name); }
}  // namespace

TEST(DatabaseOpen, MissingFileIsAnErrorAndIsNotCreated) {
  QTemporaryDir dir;
  const std::string path = tempPath(dir, "images.mdb");
  EXPECT_THROW(Database::openExisting(path), DbError);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(DatabaseOpen, NonDatabaseFileReportsSqlitesReason) {
  QTemporaryDir dir;
  const std::string path = tempPath(dir, "images.mdb");
  std::ofstream(path) << "this is not a database, just some text long enough to matter....";
  EXPECT_THAT(
      test_support::thrownText<DbError>([&] { Database::openExisting(path); }, "a text file opened as a database"),
      ::testing::HasSubstr("not a database"));
}

TEST(DatabaseOpen, DoubleQuotedTextIsAnIdentifierNotALiteral) {
  QTemporaryDir dir;
  const std::string path = tempPath(dir, "images.mdb");
  {
    Database created = Database::createNew(path);
    createSchema(created);
  }
  Database db = Database::openExisting(path);
  EXPECT_THROW(db.sqlite().exec("INSERT INTO FOTO VALUES(1,\"a.jpg\",\"b.jpg\")"), SQLite::Exception);
}

TEST(DatabaseOpen, TransactionRollsBackWholeOnFailure) {
  QTemporaryDir dir;
  Database db = Database::createNew(tempPath(dir, "images.mdb"));
  createSchema(db);
  // The failure keeps its kind: only the engine's own become DbError.
  try {
    db.inTransaction([&] {
      addPicture(db, 1, "a.jpg", "a_C.jpg");
      throw std::runtime_error("disk full");
    });
    FAIL() << "the failure was lost";
  } catch (const DbError&) {
    FAIL() << "a failure of the program's became a database error";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "disk full");
  }
  EXPECT_TRUE(picture_db::listPictures(db).empty());
  try {
    db.inTransaction([&] {
      addPicture(db, 1, "a.jpg", "a_C.jpg");
      addPicture(db, 1, "b.jpg", "b_C.jpg");
    });
    FAIL() << "a pair number was taken twice";
  } catch (const DbError& e) {
    EXPECT_EQ(e.code(), SQLITE_CONSTRAINT);
  }
  EXPECT_TRUE(picture_db::listPictures(db).empty());
}

TEST(EditorQueries, IdenticalRowsAreChangedAndDeletedOneAtATime) {
  QTemporaryDir dir;
  Database db = Database::createNew(tempPath(dir, "images.mdb"));
  createSchema(db);
  addPicture(db, 4, "p.bmp", "p_C.bmp");
  const auto first = addEmptyDifference(db, 4);
  const auto second = addEmptyDifference(db, 4);
  ASSERT_NE(first, second);
  EXPECT_EQ(moveDifference(db, 4, second, 20, 40, 50, 100), 1);
  auto rows = pairDifferences(db, 4);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(*rows[0].x2, 0);
  EXPECT_EQ(*rows[1].x2, 50);
  EXPECT_EQ(moveDifference(db, 5, first, 1, 1, 2, 2), 0);  // another pair's number touches nothing
  EXPECT_EQ(deleteDifference(db, 4, first), 1);
  rows = pairDifferences(db, 4);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].rowid, second);
}

TEST(EditorQueries, NamesWithQuotesAreStoredAsGiven) {
  QTemporaryDir dir;
  Database db = Database::createNew(tempPath(dir, "images.mdb"));
  createSchema(db);
  addPicture(db, 1, kNoFile, kNoFile);
  setOriginalFile(db, 1, "l'albero \"grande\".jpg");
  setCopyFile(db, 1, "copia; DROP TABLE FOTO.jpg");
  const auto rows = picture_db::listPictures(db);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].original, "l'albero \"grande\".jpg");
  EXPECT_EQ(rows[0].copy, "copia; DROP TABLE FOTO.jpg");
  deletePicture(db, 1);
  EXPECT_TRUE(picture_db::listPictures(db).empty());
}

TEST(EditorQueries, DuplicatePairNumberIsRefusedWithSqlitesMessage) {
  QTemporaryDir dir;
  Database db = Database::createNew(tempPath(dir, "images.mdb"));
  createSchema(db);
  addPicture(db, 1, kNoFile, kNoFile);
  try {
    addPicture(db, 1, kNoFile, kNoFile);
    FAIL();
  } catch (const DbError& e) {
    EXPECT_NE(std::string(e.what()).find("UNIQUE"), std::string::npos) << e.what();
  }
}

TEST(AppFolders, CreatesOnlyWhatIsMissing) {
  QTemporaryDir dir;
  const std::string app = dir.path().toStdString();
  std::filesystem::create_directory(importDir(app));
  std::ofstream(joinPath(importDir(app), "keep.ozt")) << "x";
  ensureFolders(app, {kImagesFolder, kImportFolder, kExportFolder});
  EXPECT_TRUE(std::filesystem::is_directory(imagesDir(app)));
  EXPECT_TRUE(std::filesystem::is_directory(exportDir(app)));
  EXPECT_TRUE(std::filesystem::exists(joinPath(importDir(app), "keep.ozt")));
  std::ofstream(joinPath(app, "blocked")) << "a file where a folder should be";
  EXPECT_THROW(ensureFolders(app, {"blocked"}), std::runtime_error);
}
