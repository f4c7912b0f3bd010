// SPDX-License-Identifier: GPL-2.0-or-later
// Where the shared data lives: the portable folder beside the programs, or each user's
// own folder made from an installation the user may not write to.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "picture_db/journal_mode.h"
#include "storage/data_folder.h"
#include "picture_db/database.h"

namespace fs = std::filesystem;
using storage::AppFolders;
using storage::FolderEnvironment;

namespace {

std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeAll(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << bytes;
}

int unfoundMarks(const fs::path& database) {
  auto db = picture_db::Database::openExisting(database.string());
  return db.sqlite().execAndGet("SELECT count(*) FROM COORDINATE WHERE INDOVINATO='N'").getInt();
}

class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "vobrel-folders-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~ScratchDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

class DataFolderTest : public ::testing::Test {
 protected:
  ScratchDir scratch;
  fs::path program = scratch.path() / "usr" / "lib" / "vobrel";
  fs::path home = scratch.path() / "home";
  fs::path userDir = home / ".local" / "share" / "vobrel";
  std::map<std::string, std::string> variables{{"HOME", home.string()}};
  bool programWritable = false;
  int writableAsked = 0;

  void SetUp() override {
    fs::create_directories(program / "Images" / "extra");
    fs::create_directories(home);
    {
      auto db = picture_db::Database::createNew((program / "images.mdb").string());
      db.sqlite().exec("CREATE TABLE COORDINATE (ID_FOTO INTEGER, INDOVINATO TEXT)");
      db.sqlite().exec("INSERT INTO COORDINATE VALUES (1, 'N')");
    }
    writeAll(program / "Images" / "1.bmp", "BM original");
    writeAll(program / "Images" / "1_C.gif", "GIF89a copy");
    writeAll(program / "Images" / "extra" / "2.jpg", "jpeg bytes");
    writeAll(program / "GameOver.bmp", "BM game over");
  }

  FolderEnvironment env() {
    FolderEnvironment e;
    e.variable = [this](const char* name) -> std::optional<std::string> {
      const auto it = variables.find(name);
      if (it == variables.end()) return std::nullopt;
      return it->second;
    };
    e.writable = [this](const std::string&) {
      ++writableAsked;
      return programWritable;
    };
    e.accountHome = [] { return std::string(); };
    return e;
  }
  AppFolders choose() { return storage::chooseAppFolders(program.string(), env(), picture_db::shareBetweenPrograms); }
  std::string installedDb() const { return readAll(program / "images.mdb"); }
};

}  // namespace

TEST_F(DataFolderTest, WritableFolderWithItsDatabaseIsUsedAsItIs) {
  programWritable = true;
  const AppFolders f = choose();
  EXPECT_EQ(f.data, program.string());
  EXPECT_EQ(f.program, program.string());
  EXPECT_FALSE(fs::exists(home / ".local"));
}

TEST_F(DataFolderTest, ReadOnlyInstallationGivesTheUserAFullCopyOfItsData) {
  const std::string before = installedDb();
  fs::permissions(program / "images.mdb", fs::perms(0444));
  fs::permissions(program / "Images" / "1.bmp", fs::perms(0444));
  const AppFolders f = choose();
  EXPECT_EQ(f.data, userDir.string());
  EXPECT_EQ(f.program, program.string());
  EXPECT_EQ(unfoundMarks(userDir / "images.mdb"), 1);
  EXPECT_EQ(readAll(userDir / "Images" / "1.bmp"), "BM original");
  EXPECT_EQ(readAll(userDir / "Images" / "1_C.gif"), "GIF89a copy");
  EXPECT_EQ(readAll(userDir / "Images" / "extra" / "2.jpg"), "jpeg bytes");
  EXPECT_TRUE(fs::is_directory(userDir / "Import"));
  EXPECT_TRUE(fs::is_directory(userDir / "Export"));
  EXPECT_FALSE(fs::exists(userDir / "GameOver.bmp"));  // read from the installation
  for (const char* name : {"images.mdb", "Images/1.bmp"}) {
    EXPECT_NE(fs::status(userDir / name).permissions() & fs::perms::owner_write, fs::perms::none) << name;
  }
  // Nothing but the finished files is left behind.
  for (const auto& entry : fs::recursive_directory_iterator(userDir)) {
    EXPECT_EQ(entry.path().string().find(".part"), std::string::npos) << entry.path();
  }
  // The copy is a database of its own: a found mark there leaves the installed one alone.
  {
    auto db = picture_db::Database::openExisting(f.data + "/images.mdb");
    db.sqlite().exec("UPDATE COORDINATE SET INDOVINATO='S'");
  }
  EXPECT_EQ(installedDb(), before);
}

TEST_F(DataFolderTest, UserFolderFollowsXdgDataHomeWhenItIsAbsolute) {
  variables["XDG_DATA_HOME"] = (scratch.path() / "data").string();
  EXPECT_EQ(choose().data, (scratch.path() / "data" / "vobrel").string());
  EXPECT_TRUE(fs::exists(scratch.path() / "data" / "vobrel" / "images.mdb"));

  // A relative value means nothing for a program started from anywhere.
  variables["XDG_DATA_HOME"] = "relative/data";
  EXPECT_EQ(storage::userDataFolder(env()), userDir.string());
  variables["XDG_DATA_HOME"] = "";
  EXPECT_EQ(storage::userDataFolder(env()), userDir.string());
}

TEST_F(DataFolderTest, WithoutHomeTheAccountsHomeIsUsed) {
  variables.clear();
  auto e = env();
  e.accountHome = [this] { return (scratch.path() / "account").string(); };
  EXPECT_EQ(storage::userDataFolder(e), (scratch.path() / "account" / ".local/share/vobrel").string());
  e.accountHome = [] { return std::string(); };
  EXPECT_THROW(storage::userDataFolder(e), fs::filesystem_error);
}

TEST_F(DataFolderTest, LaterStartsNeverOverwriteWhatTheUserChanged) {
  choose();
  writeAll(userDir / "images.mdb", "the user's own pairs");
  fs::remove(userDir / "Images" / "1.bmp");
  writeAll(userDir / "Images" / "1_C.gif", "edited");

  EXPECT_EQ(choose().data, userDir.string());
  // A damaged database is the user's: it is reported when opened, never replaced.
  EXPECT_EQ(readAll(userDir / "images.mdb"), "the user's own pairs");
  EXPECT_THROW(picture_db::Database::openExisting((userDir / "images.mdb").string()), picture_db::DbError);
  EXPECT_FALSE(fs::exists(userDir / "Images" / "1.bmp"));
  EXPECT_EQ(readAll(userDir / "Images" / "1_C.gif"), "edited");
}

TEST_F(DataFolderTest, CopyCutShortIsFinishedAtTheNextStartWithoutTouchingDonePictures) {
  // What a kill during the first start leaves: some pictures, a partial database under
  // its temporary name, no images.mdb.
  fs::create_directories(userDir / "Images");
  writeAll(userDir / "Images" / "1.bmp", "BM original");
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const fs::path abandoned = userDir / (".images.mdb." + std::to_string(gone) + ".part-a1b2c3");
  writeAll(abandoned, "SQLite format 3 half");
  EXPECT_EQ(choose().data, userDir.string());
  EXPECT_EQ(unfoundMarks(userDir / "images.mdb"), 1);
  EXPECT_EQ(readAll(userDir / "Images" / "1_C.gif"), "GIF89a copy");
  EXPECT_FALSE(fs::exists(abandoned)) << "an abandoned copy stays behind";
}

TEST_F(DataFolderTest, SharedInstallationMarkSendsEvenAWritingUserToTheirOwnFolder) {
  // Root may write into /usr/lib; the packaged programs still keep their data per user.
  programWritable = true;
  writeAll(program / storage::kPerUserDataMark, "");
  const fs::path delivered = scratch.path() / "usr" / "share" / "games" / "vobrel";
  fs::create_directories(delivered);
  fs::rename(program / "images.mdb", delivered / "images.mdb");
  fs::rename(program / "Images", delivered / "Images");
  EXPECT_EQ(choose().data, userDir.string());
  EXPECT_TRUE(fs::exists(userDir / "images.mdb"));
  EXPECT_TRUE(fs::exists(userDir / "Images" / "1.bmp"));
}

TEST_F(DataFolderTest, WritableFolderWithoutDatabaseUsesTheUsersExistingFolder) {
  choose();  // the user's folder exists from an earlier start
  programWritable = true;
  fs::remove(program / "images.mdb");
  EXPECT_EQ(choose().data, userDir.string());
}

TEST_F(DataFolderTest, NothingToCopyFromLeavesTheMissingDatabaseWhereItWasExpected) {
  fs::remove(program / "images.mdb");
  EXPECT_EQ(choose().data, program.string());
  EXPECT_FALSE(fs::exists(home / ".local"));
}

TEST_F(DataFolderTest, FolderThatCannotBeMadeIsReportedWithItsNameAndReason) {
  // A file where the folder should be stops root as well as anyone.
  writeAll(home / ".local", "not a folder");
  try {
    choose();
    FAIL() << "no failure reported";
  } catch (const fs::filesystem_error& e) {
    EXPECT_NE(std::string(e.path1()).find(".local"), std::string::npos) << e.what();
    EXPECT_EQ(e.code(), std::errc::not_a_directory) << e.what();
  }
  EXPECT_EQ(readAll(home / ".local"), "not a folder");
}

// The real check of the system, run by a user without write access to the installation:
// as root, permission bits do not stop writes, so the check runs as nobody in a child.
TEST(DataFolderSystemTest, InstallationTheUserCannotWriteToIsDetected) {
  ScratchDir scratch;
  const fs::path program = scratch.path() / "installed";
  const fs::path data = scratch.path() / "data";
  fs::create_directories(program / "Images");
  fs::create_directories(data);
  { picture_db::Database::createNew((program / "images.mdb").string()); }
  writeAll(program / "Images" / "p.bmp", "BM");
  fs::permissions(scratch.path(), fs::perms(0755));
  fs::permissions(program, fs::perms(0555));

  uid_t uid = ::geteuid();
  gid_t gid = ::getegid();
  if (uid == 0) {
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr) << "no user 'nobody' to run the check as";
    uid = nobody->pw_uid;
    gid = nobody->pw_gid;
    ASSERT_EQ(::chown(data.c_str(), uid, gid), 0);
  }
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(gid) != 0 || ::setuid(uid) != 0)) ::_exit(10);
    if (::access(program.c_str(), W_OK) == 0) ::_exit(11);  // the check would prove nothing
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    try {
      const auto f = storage::chooseAppFolders(program.string());
      const bool ok = f.data == (data / "vobrel").string() && fs::exists(data / "vobrel" / "images.mdb") &&
                      fs::exists(data / "vobrel" / "Images" / "p.bmp") && f.program == program.string();
      ::_exit(ok ? 0 : 12);
    } catch (...) {
      ::_exit(13);
    }
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "10: could not become nobody, 11: the installation was writable, "
                                       "12: wrong or incomplete folder, 13: failure";
}
