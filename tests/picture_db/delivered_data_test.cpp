// SPDX-License-Identifier: GPL-2.0-or-later
// The delivered data of an installation for all users lies apart from the programs, with
// a rollback journal so that it is read without files beside it; each user's copy, and a
// portable folder, use write-ahead logging.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "storage/data_folder.h"
#include "picture_db/database.h"
#include "picture_db/journal_mode.h"

namespace fs = std::filesystem;
using picture_db::JournalMode;

namespace {

void writeAll(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

void makeDeliveredDatabase(const fs::path& path) {
  {
    auto db = picture_db::Database::createNew(path.string());
    db.sqlite().exec("PRAGMA journal_mode=WAL");
    db.sqlite().exec("CREATE TABLE COORDINATE (ID_FOTO INTEGER, INDOVINATO TEXT)");
    db.sqlite().exec("INSERT INTO COORDINATE VALUES (7, 'N')");
  }
  picture_db::setJournalMode(path.string(), JournalMode::Rollback);
}

int rowsOf(const fs::path& database) {
  auto db = picture_db::Database::openExisting(database.string());
  return db.sqlite().execAndGet("SELECT count(*) FROM COORDINATE WHERE ID_FOTO=7").getInt();
}

class DeliveredData : public ::testing::Test {
 protected:
  fs::path root;
  fs::path program, delivered, home;
  bool programWritable = false;

  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "vobrel-delivered-XXXXXX").string();
    root = ::mkdtemp(pattern.data());
    program = root / "usr/lib/vobrel";
    delivered = root / "usr/share/games/vobrel";
    home = root / "home";
    fs::create_directories(program);
    fs::create_directories(delivered / "Images");
    fs::create_directories(home);
    makeDeliveredDatabase(delivered / "images.mdb");
    writeAll(delivered / "Images/1.bmp", "BM original");
    writeAll(delivered / "GameOver.bmp", "BM game over");
  }
  void TearDown() override { fs::remove_all(root); }

  storage::FolderEnvironment env() {
    return {[this](const char* name) -> std::optional<std::string> {
              if (std::string(name) == "HOME") return home.string();
              return std::nullopt;
            },
            [this](const std::string&) { return programWritable; }, [] { return std::string(); }};
  }
};

}  // namespace

TEST_F(DeliveredData, InstallationForAllUsersStartsTheUsersFolderFromTheSharedData) {
  writeAll(program / storage::kPerUserDataMark, "");
  const auto f = storage::chooseAppFolders(program.string(), env(), picture_db::shareBetweenPrograms);
  const fs::path user = home / ".local/share/vobrel";
  EXPECT_EQ(f.data, user.string());
  EXPECT_EQ(f.program, program.string());
  EXPECT_EQ(f.delivered, delivered.string());
  EXPECT_EQ(rowsOf(user / "images.mdb"), 1);
  EXPECT_TRUE(fs::exists(user / "Images/1.bmp"));
  EXPECT_FALSE(fs::exists(user / "GameOver.bmp"));

  // The user's copy writes ahead; the delivered file keeps its journal and gains nothing beside it.
  EXPECT_EQ(picture_db::journalModeOf((user / "images.mdb").string()), JournalMode::WriteAhead);
  EXPECT_EQ(picture_db::journalModeOf((delivered / "images.mdb").string()), JournalMode::Rollback);
  for (const auto& entry : fs::directory_iterator(delivered)) {
    EXPECT_TRUE(entry.path().filename() == "images.mdb" || entry.path().filename() == "Images" ||
                entry.path().filename() == "GameOver.bmp")
        << entry.path();
  }
  for (const auto& entry : fs::directory_iterator(user)) {
    EXPECT_EQ(entry.path().filename().string().find(".part"), std::string::npos) << entry.path();
  }
}

TEST_F(DeliveredData, ProgramsWithoutTheMarkFindEverythingBesideThem) {
  EXPECT_EQ(storage::deliveredFolder(program.string()), program.string());
  writeAll(program / storage::kPerUserDataMark, "");
  EXPECT_EQ(storage::deliveredFolder(program.string()), delivered.string());
}

TEST_F(DeliveredData, MissingDeliveredDatabaseIsReportedWhereItWasExpected) {
  writeAll(program / storage::kPerUserDataMark, "");
  fs::remove(delivered / "images.mdb");
  const auto f = storage::chooseAppFolders(program.string(), env(), picture_db::shareBetweenPrograms);
  EXPECT_EQ(f.data, delivered.string());
  EXPECT_FALSE(fs::exists(home / ".local"));
}

TEST_F(DeliveredData, PortableFolderInstalledWithARollbackJournalIsSwitchedAtItsFirstStart) {
  programWritable = true;
  const fs::path folder = delivered;  // a self-contained folder: programs and data together
  const auto f = storage::chooseAppFolders(folder.string(), env(), picture_db::shareBetweenPrograms);
  EXPECT_EQ(f.data, folder.string());
  EXPECT_EQ(picture_db::journalModeOf((folder / "images.mdb").string()), JournalMode::WriteAhead);
  EXPECT_EQ(rowsOf(folder / "images.mdb"), 1);
  EXPECT_FALSE(fs::exists(home / ".local"));
}

TEST_F(DeliveredData, DamagedDatabaseIsCopiedAsItIsAndReportedWhenOpened) {
  writeAll(program / storage::kPerUserDataMark, "");
  writeAll(delivered / "images.mdb", "SQLite format 3");
  const auto f = storage::chooseAppFolders(program.string(), env(), picture_db::shareBetweenPrograms);
  EXPECT_EQ(picture_db::journalModeOf(f.data + "/images.mdb"), std::nullopt);
  EXPECT_THROW(picture_db::Database::openExisting(f.data + "/images.mdb"), picture_db::DbError);
}

TEST(JournalMode, IsReadFromTheHeaderAndSwitchedBothWays) {
  const fs::path path = fs::temp_directory_path() / ("vobrel-journal-" + std::to_string(::getpid()) + ".mdb");
  makeDeliveredDatabase(path);
  EXPECT_EQ(picture_db::journalModeOf(path.string()), JournalMode::Rollback);
  picture_db::setJournalMode(path.string(), JournalMode::WriteAhead);
  EXPECT_EQ(picture_db::journalModeOf(path.string()), JournalMode::WriteAhead);
  EXPECT_FALSE(fs::exists(path.string() + "-wal"));
  EXPECT_EQ(rowsOf(path), 1);

  writeAll(path, "not a database at all, but long enough to hold a header of one hundred bytes......");
  EXPECT_EQ(picture_db::journalModeOf(path.string()), std::nullopt);
  EXPECT_THROW(picture_db::setJournalMode(path.string(), JournalMode::Rollback), picture_db::DbError);
  EXPECT_EQ(picture_db::journalModeOf((path.string() + ".missing")), std::nullopt);
  fs::remove(path);
}
