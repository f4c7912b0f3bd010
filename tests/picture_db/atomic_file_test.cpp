// SPDX-License-Identifier: GPL-2.0-or-later
// Files put in place whole or not at all, and the leftovers of a killed writer.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTemporaryDir>
#include <filesystem>
#include <stdexcept>

#include "storage/app_folders.h"
#include "storage/atomic_file.h"
#include "storage/import_journal.h"
#include "support/package_fixtures.h"

using storage::ExistingFile;
using storage::writeFileAtomically;
using test_support::folderTree;
using test_support::readBytes;
using test_support::writeBytes;

namespace {

namespace fs = std::filesystem;

std::function<void(const std::string&)> writing(const std::string& bytes) {
  return [bytes](const std::string& temporary) { writeBytes(temporary, bytes); };
}

}  // namespace

TEST(AtomicFile, ReplacesWholeKeepingPermissionsAndLeavesNoTemporary) {
  QTemporaryDir dir;
  const std::string path = dir.path().toStdString() + "/casa.bmp";
  writeBytes(path, "old");
  ::chmod(path.c_str(), 0640);
  std::string seenTemporary;
  writeFileAtomically(path, [&](const std::string& temporary) {
    seenTemporary = temporary;
    EXPECT_EQ(fs::path(temporary).parent_path(), fs::path(path).parent_path()) << "same folder, one rename";
    EXPECT_EQ(readBytes(path), "old") << "the old file stands until the new one is complete";
    writeBytes(temporary, "new content");
  });
  EXPECT_EQ(readBytes(path), "new content");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(folderTree(dir.path().toStdString()), std::vector<std::string>{"casa.bmp"});
  EXPECT_EQ(fs::path(seenTemporary).filename().string().rfind(".vobrel-part-", 0), 0u);
}

TEST(AtomicFile, AFailingWriterLeavesTheOldFileAndNothingElse) {
  QTemporaryDir dir;
  const std::string path = dir.path().toStdString() + "/pack.ozt";
  writeBytes(path, "earlier package");
  EXPECT_THROW(writeFileAtomically(path,
                                   [](const std::string& temporary) {
                                     writeBytes(temporary, "half");
                                     throw std::runtime_error("disk full");
                                   }),
               std::runtime_error);
  EXPECT_EQ(readBytes(path), "earlier package");
  EXPECT_EQ(folderTree(dir.path().toStdString()), std::vector<std::string>{"pack.ozt"});

  // A missing folder and a folder in the file's place fail with the system's reason.
  try {
    writeFileAtomically(dir.path().toStdString() + "/gone/x.bmp", writing("x"));
    ADD_FAILURE() << "no error";
  } catch (const std::system_error& e) {
    EXPECT_EQ(e.code(), std::errc::no_such_file_or_directory);
  }
  fs::create_directory(dir.path().toStdString() + "/taken.bmp");
  try {
    writeFileAtomically(dir.path().toStdString() + "/taken.bmp", writing("x"));
    ADD_FAILURE() << "no error";
  } catch (const std::system_error& e) {
    EXPECT_EQ(e.code(), std::errc::is_a_directory);
  }
  EXPECT_EQ(folderTree(dir.path().toStdString()), (std::vector<std::string>{"pack.ozt", "taken.bmp"}));
}

TEST(AtomicFile, KeepNeverReplacesEvenAFileThatAppearsWhileWriting) {
  QTemporaryDir dir;
  const std::string path = dir.path().toStdString() + "/images.mdb";
  writeBytes(path, "the user's");
  try {
    writeFileAtomically(path, writing("mine"), ExistingFile::Keep);
    ADD_FAILURE() << "replaced";
  } catch (const std::system_error& e) {
    EXPECT_EQ(e.code(), std::errc::file_exists);
  }
  fs::remove(path);
  try {
    writeFileAtomically(
        path,
        [&](const std::string& temporary) {
          writeBytes(temporary, "mine");
          writeBytes(path, "appeared meanwhile");
        },
        ExistingFile::Keep);
    ADD_FAILURE() << "replaced";
  } catch (const std::system_error& e) {
    EXPECT_EQ(e.code(), std::errc::file_exists);
  }
  EXPECT_EQ(readBytes(path), "appeared meanwhile");
  EXPECT_EQ(folderTree(dir.path().toStdString()), std::vector<std::string>{"images.mdb"});
  writeFileAtomically(dir.path().toStdString() + "/new.mdb", writing("mine"), ExistingFile::Keep);
  EXPECT_EQ(readBytes(dir.path().toStdString() + "/new.mdb"), "mine");
}

TEST(AtomicFile, RenameKeepRefusesAnExistingName) {
  QTemporaryDir dir;
  const std::string a = dir.path().toStdString() + "/a.jpg", b = dir.path().toStdString() + "/b.jpg";
  writeBytes(a, "A");
  writeBytes(b, "B");
  EXPECT_THROW(storage::renameFile(a, b, ExistingFile::Keep), std::system_error);
  EXPECT_EQ(readBytes(b), "B");
  storage::renameFile(a, b, ExistingFile::Replace);
  EXPECT_EQ(readBytes(b), "A");
  EXPECT_FALSE(fs::exists(a));
}

TEST(AtomicFile, ANewFileIsNeverWrittenThroughWhatIsAlreadyThere) {
  QTemporaryDir dir;
  const std::string d = dir.path().toStdString();
  const std::string bytes = test_support::everyByteValue(300);
  storage::writeNewFile(d + "/new.jpg", bytes.data(), bytes.size());
  storage::syncFile(d + "/new.jpg");
  EXPECT_EQ(readBytes(d + "/new.jpg"), bytes);
  writeBytes(d + "/kept.jpg", "kept");
  fs::create_symlink(d + "/kept.jpg", d + "/link.jpg");
  for (const char* name : {"/kept.jpg", "/link.jpg"}) {
    EXPECT_THROW(storage::writeNewFile(d + name, "x", 1), std::system_error) << name;
  }
  EXPECT_EQ(readBytes(d + "/kept.jpg"), "kept");
  // Two renames, one flush of the folder after them.
  storage::renameFile(d + "/new.jpg", d + "/a.jpg", ExistingFile::Keep, storage::FolderSync::Later);
  storage::syncFolder(d);
  EXPECT_EQ(readBytes(d + "/a.jpg"), bytes);
  EXPECT_THROW(storage::writeNewFile(d + "/gone/x.jpg", "x", 1), std::system_error);
  EXPECT_TRUE(fs::is_symlink(d + "/link.jpg"));
  fs::remove(d + "/link.jpg");
  EXPECT_EQ(folderTree(d), (std::vector<std::string>{"a.jpg", "kept.jpg"}));
}

TEST(AtomicFile, LeftoversAreOnlyTheWritersOwnShape) {
  QTemporaryDir dir;
  const std::string d = dir.path().toStdString();
  for (const char* name : {".ozt-export-abc123", ".ozt-export-XY7z09"}) writeBytes(d + "/" + name, "left");
  for (const char* name : {".ozt-export-abc12", ".ozt-export-abc1234", ".ozt-export-ab_123", "x.ozt-export-abc123"}) {
    writeBytes(d + "/" + name, "keep");
  }
  fs::create_directory(d + "/.ozt-export-folder");
  fs::create_directory(d + "/.ozt-export-dir123");
  fs::create_symlink(d + "/x.ozt-export-abc123", d + "/.ozt-export-link12");
  EXPECT_EQ(storage::removeLeftovers(d, ".ozt-export-"), 2);
  EXPECT_TRUE(fs::is_symlink(d + "/.ozt-export-link12")) << "a link is never a leftover";
  fs::remove(d + "/.ozt-export-link12");
  EXPECT_EQ(folderTree(d),
            (std::vector<std::string>{".ozt-export-ab_123", ".ozt-export-abc12", ".ozt-export-abc1234",
                                      ".ozt-export-dir123", ".ozt-export-folder", "x.ozt-export-abc123"}));
}

TEST(ImportRecord, WholeUnderItsNameAtOnceAndNeverOverAnother) {
  QTemporaryDir dir;
  const std::string app = dir.path().toStdString();
  fs::create_directories(storage::importDir(app));
  storage::writeImportJournal(app, {"viaggio.ozt", 12, "a b.jpg", "a:b_C.jpg"});
  storage::flushImportJournal(app);
  const auto read = storage::readImportJournal(app);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->packageFile, "viaggio.ozt");
  EXPECT_EQ(read->id, 12);
  EXPECT_EQ(read->copy, "a:b_C.jpg");
  try {
    storage::writeImportJournal(app, {"altro.ozt", 13, "c.jpg", "d.jpg"});
    ADD_FAILURE() << "a second record replaced the first";
  } catch (const std::system_error& e) {
    EXPECT_EQ(e.code(), std::errc::file_exists);
  }
  EXPECT_EQ(storage::readImportJournal(app)->id, 12);
  EXPECT_EQ(folderTree(storage::importDir(app)), std::vector<std::string>{".ortavi-import"}) << "no temporary left";
  storage::removeImportJournal(app);
  EXPECT_FALSE(storage::readImportJournal(app).has_value());
}
