// SPDX-License-Identifier: GPL-2.0-or-later
// vobrel-check reads what it may only read: a folder the user cannot write, a database in
// write-ahead mode, one a writer holds open; it leaves no file beside the database. A
// picture that is a FIFO is a problem of its pair, named in the JSON with its side.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <SQLiteCpp/Database.h>
#include <filesystem>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include "pair_check/check_program.h"
#include "picture_db/check_queries.h"
#include "support/temp_app_folder.h"

namespace fs = std::filesystem;

namespace {
constexpr uid_t kNobody = 65534;

struct ProgramRun {
  int exitCode = -1;
  QByteArray out, err;
};

// asReader: as a user who may not write the folder; root takes the part of nobody.
ProgramRun runCheck(const QStringList& args, bool asReader = false) {
  QProcess p;
  p.setChildProcessModifier([asReader] {
    if (asReader && ::getuid() == 0) {
      if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(99);
    }
  });
  p.start(QStringLiteral(VOBREL_CHECK_PROGRAM), args);
  EXPECT_TRUE(p.waitForFinished(60000)) << "vobrel-check did not finish";
  if (p.state() != QProcess::NotRunning) {
    p.kill();
    p.waitForFinished();
  }
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
          p.readAllStandardError()};
}

std::vector<std::string> filesIn(const QString& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder.toStdString())) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Readable by everyone, writable by nobody: the folder, Images and the database.
void makeReadOnly(const QString& folder) {
  for (const auto& e : fs::recursive_directory_iterator(folder.toStdString())) {
    fs::permissions(e.path(), e.is_directory() ? fs::perms(0555) : fs::perms(0444));
  }
  fs::permissions(folder.toStdString(), fs::perms(0555));
}

void makeWritableAgain(const QString& folder) {
  fs::permissions(folder.toStdString(), fs::perms(0755));
  for (const auto& e : fs::recursive_directory_iterator(folder.toStdString())) {
    fs::permissions(e.path(), e.is_directory() ? fs::perms(0755) : fs::perms(0644));
  }
}

class ReadOnlyCheck : public ::testing::TestWithParam<bool> {
 protected:
  test_support::TempAppFolder folder;
  void SetUp() override {
    folder.addPair(1, test_support::fiveRectangles());
    if (GetParam()) {
      SQLite::Database db(folder.databasePath(), SQLite::OPEN_READWRITE);
      db.exec("PRAGMA journal_mode=WAL");
    }
  }
  void TearDown() override { makeWritableAgain(folder.path()); }
};
}  // namespace

TEST_P(ReadOnlyCheck, AFolderTheUserCannotWriteIsCheckedAndLeftAsItWas) {
  const auto before = filesIn(folder.path());
  makeReadOnly(folder.path());
  const ProgramRun run = runCheck({folder.path()}, true);
  // The solid pictures differ everywhere: problems, but a check, not a failure to read.
  EXPECT_EQ(run.exitCode, 1) << run.err.toStdString() << run.out.toStdString();
  EXPECT_TRUE(QString::fromUtf8(run.out).contains("Coppie controllate: 1;")) << run.out.toStdString();
  EXPECT_EQ(filesIn(folder.path()), before);
}

TEST_P(ReadOnlyCheck, AWritableFolderGetsNoFileBesideTheDatabase) {
  const auto before = filesIn(folder.path());
  const ProgramRun run = runCheck({folder.path()});
  EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
  EXPECT_EQ(filesIn(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(JournalModes, ReadOnlyCheck, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Wal" : "Rollback"; });

TEST(ReadOnlyDatabase, IsReadWhileAWriterHoldsItInWriteAheadMode) {
  test_support::TempAppFolder folder;
  folder.addPair(1, test_support::fiveRectangles());
  SQLite::Database writer(folder.databasePath(), SQLite::OPEN_READWRITE);
  writer.exec("PRAGMA journal_mode=WAL");
  writer.exec("BEGIN IMMEDIATE");
  writer.exec("UPDATE COORDINATE SET INDOVINATO='S'");
  picture_db::Database reader = picture_db::Database::openReadOnly(folder.databasePath());
  EXPECT_EQ(picture_db::allPairsWithDifferences(reader).size(), 1u);
  EXPECT_THROW(reader.sqlite().exec("DELETE FROM FOTO"), SQLite::Exception);
  writer.exec("ROLLBACK");
}

TEST(VobrelCheckJson, AFifoPictureIsUnreadableOnItsSideAndOverlapsNameBothRectangles) {
  test_support::TempAppFolder folder;
  folder.addPair(1, test_support::fiveRectangles());
  ASSERT_EQ(::mkfifo(QFile::encodeName(folder.imagesPath() + "/attesa.bmp").constData(), 0600), 0);
  folder.addPairWithoutFiles(2, "1.bmp", "attesa.bmp", {});
  folder.addPairWithoutFiles(3, "1.bmp", "1_C.bmp", {{10, 10, 60, 60}, {50, 50, 90, 90}});
  const ProgramRun run = runCheck({folder.path(), "--json"});
  ASSERT_EQ(run.exitCode, 1) << run.err.toStdString();
  const QJsonArray pairs = QJsonDocument::fromJson(run.out).object().value("pairs").toArray();
  ASSERT_EQ(pairs.size(), 3);
  QJsonObject unreadable;
  for (const QJsonValue& p : pairs[1].toObject().value("problems").toArray()) {
    if (p.toObject().value("kind") == "picture-unreadable") unreadable = p.toObject();
  }
  EXPECT_EQ(unreadable.value("side").toString(), "copy");
  EXPECT_TRUE(unreadable.value("reason").toString().contains("non è un file normale"))
      << unreadable.value("reason").toString().toStdString();
  QJsonObject overlap;
  for (const QJsonValue& p : pairs[2].toObject().value("problems").toArray()) {
    if (p.toObject().value("kind") == "rectangles-overlap") overlap = p.toObject();
  }
  EXPECT_EQ(overlap.value("rect").toArray(), (QJsonArray{50, 50, 90, 90}));
  EXPECT_EQ(overlap.value("other").toArray(), (QJsonArray{10, 10, 60, 60}));
}

TEST(DefaultFolder, IsTheFolderTheProgramsUseForThisUser) {
  // An installation for all users: programs in <root>/lib/vobrel, marked, and the
  // delivered data in <root>/share/games/vobrel.
  test_support::TempAppFolder installed;
  QTemporaryDir root;
  const QString programs = root.path() + "/lib/vobrel";
  const QString delivered = root.path() + "/share/games/vobrel";
  ASSERT_TRUE(QDir().mkpath(programs));
  ASSERT_TRUE(QDir().mkpath(delivered));
  QFile mark(programs + "/per-user-data");
  ASSERT_TRUE(mark.open(QIODevice::WriteOnly));
  mark.close();
  ASSERT_TRUE(QFile::copy(QString::fromStdString(installed.databasePath()), delivered + "/images.mdb"));
  QTemporaryDir xdg;
  const QByteArray previous = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", xdg.path().toUtf8());
  // Before the user's first start: the delivered data that folder will be made from.
  EXPECT_EQ(QDir(pair_check::defaultDataFolder(programs)).canonicalPath(), QDir(delivered).canonicalPath());
  EXPECT_FALSE(QFileInfo::exists(xdg.path() + "/vobrel"));  // looking makes nothing
  ASSERT_TRUE(QDir(xdg.path()).mkpath("vobrel"));
  QFile::copy(QString::fromStdString(installed.databasePath()), xdg.path() + "/vobrel/images.mdb");
  EXPECT_EQ(pair_check::defaultDataFolder(programs), xdg.path() + "/vobrel");
  if (previous.isNull()) {
    qunsetenv("XDG_DATA_HOME");
  } else {
    qputenv("XDG_DATA_HOME", previous);
  }
}
