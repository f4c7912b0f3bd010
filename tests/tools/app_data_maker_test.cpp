// SPDX-License-Identifier: GPL-2.0-or-later
// The maker run on a temporary application folder: what it writes, what it keeps.
#include <gtest/gtest.h>

#include "editor/file_size_limit.h"

#include <QDir>
#include <QFile>

#include <filesystem>
#include <map>
#include <set>
#include <thread>

#include "picture_db/database.h"
#include "picture_db/editor_queries.h"
#include "picture_db/game_queries.h"
#include "picture_db/hall_of_fame.h"
#include "tools/sample_test_helpers.h"
#include "tools/sample_catalogue.h"
#include "tools/sample_pair.h"
#include "toolkit/picture_loader.h"
#include "support/temp_app_folder.h"

namespace fs = std::filesystem;
using sample_tests::makeFolder;
using sample_tests::readFile;

namespace {

std::string extensionOf(const std::string& name) { return name.substr(name.rfind('.') + 1); }

// What the first bytes say the file is.
std::string kindByContent(const QByteArray& b) {
  if (b.startsWith("BM")) return "bmp";
  if (b.startsWith("\xFF\xD8\xFF")) return "jpg";
  if (b.startsWith("GIF89a") || b.startsWith("GIF87a")) return "gif";
  if (b.startsWith("\xD7\xCD\xC6\x9A")) return "wmf";
  if (b.size() > 44 && b.mid(0, 4) == QByteArray("\x01\x00\x00\x00", 4) && b.mid(40, 4) == " EMF") return "emf";
  return "unknown";
}

}  // namespace

TEST(AppDataMaker, WritesDatabaseWithTenScoresAndFivePerPair) {
  auto made = makeFolder(sample_maker::kDefaultSeed);
  EXPECT_TRUE(made->report.databaseWritten);
  EXPECT_TRUE(made->report.gameOverWritten);
  auto db = picture_db::Database::openExisting(made->file("images.mdb"));

  const auto scores = picture_db::hallOfFame(db);
  ASSERT_EQ(scores.size(), 10u);
  for (std::size_t i = 0; i < scores.size(); ++i) {
    ASSERT_TRUE(scores[i].name && scores[i].score);
    EXPECT_FALSE(scores[i].name->empty());
    if (i > 0) {
      EXPECT_GT(*scores[i - 1].score, *scores[i].score) << "scores are all different, best first";
    }
  }
  EXPECT_EQ(*scores.front().score, 900);
  EXPECT_EQ(*scores.back().score, 90);

  const auto pictures = picture_db::listPictures(db);
  ASSERT_GE(pictures.size(), 24u);
  std::set<picture_db::PairId> ids;
  for (const auto& p : pictures) {
    ids.insert(p.id);
    EXPECT_EQ(picture_db::pairDifferences(db, p.id).size(), 5u) << p.original;
    EXPECT_EQ(picture_db::unfoundDifferences(db, p.id).size(), 5u) << p.original << ": all still to find";
  }
  EXPECT_EQ(picture_db::candidatePairIds(db).size(), pictures.size()) << "the game offers every pair";
  EXPECT_EQ(*ids.begin(), 1);
  EXPECT_EQ(*ids.rbegin(), static_cast<picture_db::PairId>(pictures.size())) << "numbered 1..n";
}

TEST(AppDataMaker, StoredRectanglesAreUsableInsideTheirPictureAndApart) {
  auto made = makeFolder(sample_maker::kDefaultSeed);
  auto db = picture_db::Database::openExisting(made->file("images.mdb"));
  for (const auto& p : picture_db::listPictures(db)) {
    const QImage copy = toolkit::loadPicture(QString::fromStdString(made->picture(p.copy))).image;
    ASSERT_FALSE(copy.isNull()) << p.copy;
    std::vector<QRect> rects;
    for (const auto& r : picture_db::pairDifferences(db, p.id)) {
      ASSERT_TRUE(r.x1 && r.y1 && r.x2 && r.y2);
      EXPECT_LT(*r.x1, *r.x2);
      EXPECT_LT(*r.y1, *r.y2);
      EXPECT_GE(*r.x1, 0);
      EXPECT_GE(*r.y1, 0);
      EXPECT_LE(*r.x2, copy.width());
      EXPECT_LE(*r.y2, copy.height());
      rects.push_back(sample_tests::storedRect(r));
    }
    for (std::size_t i = 0; i < rects.size(); ++i) {
      for (std::size_t j = i + 1; j < rects.size(); ++j) {
        EXPECT_FALSE(rects[i].intersects(rects[j])) << p.copy << ": rectangles " << i << " and " << j;
      }
    }
  }
}

TEST(AppDataMaker, StoredRectanglesAreThoseOfTheDrawnChanges) {
  auto made = makeFolder(4242);
  auto db = picture_db::Database::openExisting(made->file("images.mdb"));
  const auto pairs = sample_maker::makeSamplePairs(4242);
  const auto pictures = picture_db::listPictures(db);
  ASSERT_EQ(pictures.size(), pairs.size());
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    EXPECT_EQ(pictures[i].original, pairs[i].originalFile());
    EXPECT_EQ(pictures[i].copy, pairs[i].copyFile());
    std::vector<QRect> stored;
    for (const auto& r : picture_db::pairDifferences(db, pictures[i].id)) {
      stored.push_back(sample_tests::storedRect(r));
    }
    EXPECT_EQ(stored, pairs[i].differences) << pairs[i].name;
  }
}

TEST(AppDataMaker, PicturesCoverEveryKindNamedByTheirContent) {
  auto made = makeFolder(sample_maker::kDefaultSeed);
  auto db = picture_db::Database::openExisting(made->file("images.mdb"));
  std::set<std::string> kinds;
  for (const auto& p : picture_db::listPictures(db)) {
    const std::string stem = p.original.substr(0, p.original.rfind('.'));
    EXPECT_EQ(p.copy.substr(0, p.copy.rfind('.')), stem + "_C") << "copy name rule";
    for (const std::string& name : {p.original, p.copy}) {
      const std::string ext = extensionOf(name);
      EXPECT_EQ(kindByContent(readFile(made->picture(name))), ext) << name;
      kinds.insert(ext);
    }
  }
  EXPECT_EQ(kinds, (std::set<std::string>{"bmp", "jpg", "gif", "wmf", "emf"}));
  // Only the pictures of the pairs are in the folder.
  EXPECT_EQ(QDir(QString::fromStdString(made->file("Images"))).entryList(QDir::Files).size(),
            static_cast<int>(2 * picture_db::listPictures(db).size()));
  EXPECT_EQ(kindByContent(readFile(made->file("GameOver.bmp"))), "bmp");
}

TEST(AppDataMaker, SameSeedGivesIdenticalFilesAnotherSeedOtherChanges) {
  auto first = makeFolder(99);
  auto second = makeFolder(99);
  auto other = makeFolder(100);
  const QStringList names = QDir(QString::fromStdString(first->file("Images"))).entryList(QDir::Files);
  ASSERT_FALSE(names.isEmpty());
  int copiesChanged = 0, copies = 0;
  for (const QString& n : names) {
    const std::string name = n.toStdString();
    EXPECT_EQ(readFile(first->picture(name)), readFile(second->picture(name))) << name;
    const bool same = readFile(first->picture(name)) == readFile(other->picture(name));
    if (n.contains("_C.")) {
      ++copies;
      copiesChanged += same ? 0 : 1;
    } else {
      EXPECT_TRUE(same) << name << ": the scenes are the same for every seed";
    }
  }
  EXPECT_EQ(readFile(first->file("GameOver.bmp")), readFile(second->file("GameOver.bmp")));
  EXPECT_EQ(readFile(first->file("images.mdb")), readFile(second->file("images.mdb")));
  EXPECT_EQ(QDir(QString::fromStdString(second->file("Images"))).entryList(QDir::Files), names);
  EXPECT_GT(copiesChanged, copies / 2) << "the seed chooses the changes";
}

TEST(AppDataMaker, KeepsAnExistingDatabaseAndPicturesUntouched) {
  auto made = makeFolder(sample_maker::kDefaultSeed);
  const std::string dbPath = made->file("images.mdb");
  {
    // The user's own data: a new best score.
    auto db = picture_db::Database::openExisting(dbPath);
    picture_db::enterHallOfFame(db, "Utente", 5000);
  }
  const QByteArray dbBefore = readFile(dbPath);
  const auto dbTime = fs::last_write_time(dbPath);

  const std::string edited = made->picture("strada.jpg");
  const std::string removed = made->picture("acquario_C.gif");
  const QByteArray userPicture("not the sample picture");
  {
    QFile f(QString::fromStdString(edited));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(userPicture);
  }
  const auto editedTime = fs::last_write_time(edited);
  const QByteArray removedBytes = readFile(removed);
  fs::remove(removed);
  fs::remove(made->file("GameOver.bmp"));

  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  sample_tests::makeAgain(*made, sample_maker::kDefaultSeed);

  EXPECT_FALSE(made->report.databaseWritten);
  EXPECT_NE(made->log.find("Kept the existing " + dbPath), std::string::npos) << made->log;
  EXPECT_EQ(readFile(dbPath), dbBefore);
  EXPECT_EQ(fs::last_write_time(dbPath), dbTime);
  EXPECT_EQ(readFile(edited), userPicture);
  EXPECT_EQ(fs::last_write_time(edited), editedTime);
  EXPECT_NE(made->log.find("Kept the existing " + edited + ", which differs"), std::string::npos) << made->log;
  EXPECT_EQ(readFile(removed), removedBytes) << "a missing picture is written again";
  EXPECT_EQ(made->report.picturesWritten, 1);
  EXPECT_TRUE(made->report.gameOverWritten);
}

TEST(AppDataMaker, FailedDatabaseLeavesNoImagesMdb) {
  QTemporaryDir dir;
  const std::string app = dir.path().toStdString();
  std::ostringstream firstLog;
  sample_maker::makeAppData(app, sample_maker::kDefaultSeed, firstLog);
  fs::remove(app + "/images.mdb");
  {
    // The disk fills up while the database is written: the pictures are all there already.
    FileSizeLimit full(4096);
    std::ostringstream log;
    EXPECT_THROW(sample_maker::makeAppData(app, sample_maker::kDefaultSeed, log), std::exception);
  }
  EXPECT_FALSE(fs::exists(app + "/images.mdb"));
  for (const auto& e : fs::directory_iterator(app)) {
    EXPECT_NE(e.path().filename().string()[0], '.') << "a temporary left behind: " << e.path();
  }
}

TEST(AppDataMaker, MakesAMissingApplicationFolder) {
  QTemporaryDir dir;
  const std::string app = dir.path().toStdString() + "/build/app";
  std::ostringstream log;
  sample_maker::makeAppData(app, sample_maker::kDefaultSeed, log);
  EXPECT_TRUE(fs::is_regular_file(app + "/images.mdb"));
  EXPECT_TRUE(fs::is_regular_file(app + "/GameOver.bmp"));
  EXPECT_TRUE(fs::is_directory(app + "/Images"));
}
