// SPDX-License-Identifier: GPL-2.0-or-later
// The game and the editor share images.mdb with nothing coordinating them: run both
// sides' statements in two processes at once and check nothing fails, is lost or is
// duplicated.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <set>

#include "storage/app_folders.h"
#include "picture_db/database.h"
#include "picture_db/editor_queries.h"
#include "picture_db/hall_of_fame.h"
#include "picture_db/schema.h"
#include "support/temp_app_folder.h"

using namespace picture_db;
using namespace storage;

namespace {
constexpr int kSeconds = 20;

struct SideResult {
  int exitCode = -1;
  QString out;
  long ops() const {
    for (const QString& line : out.split('\n'))
      if (line.startsWith("ops ")) return line.mid(4).toLong();
    return -1;
  }
  QStringList field(const char* name) const {
    for (const QString& line : out.split('\n'))
      if (line.startsWith(name)) return line.mid(int(strlen(name))).split(' ', Qt::SkipEmptyParts);
    return {};
  }
};
}  // namespace

TEST(TwoPrograms, ShareOneDatabaseWithoutLocksLossOrDuplicates) {
  QTemporaryDir dir;
  const std::string path = databasePath(dir.path().toStdString());
  {
    Database db = Database::createNew(path);
    createSchema(db);
    for (PairId id = 1; id <= 20; ++id) {
      addPicture(db, id, "p.jpg", "p_C.jpg");
      for (int i = 0; i < 5; ++i) addDifference(db, id, 10 * i, 10, 10 * i + 5, 20);
    }
    for (int i = 0; i < 10; ++i) enterHallOfFame(db, "nome", 100 * (i + 1));
  }

  QProcess game, editor;
  const QStringList common = {QString::fromStdString(path), QString::number(kSeconds)};
  game.start(SHARED_DB_WORKER, QStringList{"game"} + common + QStringList{"1"});
  editor.start(SHARED_DB_WORKER, QStringList{"editor"} + common + QStringList{"2"});
  ASSERT_TRUE(game.waitForFinished((kSeconds + 60) * 1000));
  ASSERT_TRUE(editor.waitForFinished((kSeconds + 60) * 1000));
  SideResult g{game.exitCode(), QString::fromUtf8(game.readAllStandardOutput())};
  SideResult e{editor.exitCode(), QString::fromUtf8(editor.readAllStandardOutput())};
  ASSERT_EQ(g.exitCode, 0) << g.out.toStdString();
  ASSERT_EQ(e.exitCode, 0) << e.out.toStdString();
  std::printf("game %.0f ops/s, editor %.0f ops/s\n", g.ops() / double(kSeconds), e.ops() / double(kSeconds));
  EXPECT_GT(g.ops(), 0);
  EXPECT_GT(e.ops(), 0);

  Database db = Database::openExisting(path);
  std::string integrity;
  {
    SQLite::Statement q(db.sqlite(), "PRAGMA integrity_check");
    ASSERT_TRUE(q.executeStep());
    integrity = q.getColumn(0).getString();
  }
  EXPECT_EQ(integrity, "ok");

  // The delivered pairs are untouched in number; the editor's survivors are all there, once.
  std::set<PairId> expected;
  for (PairId id = 1; id <= 20; ++id) expected.insert(id);
  for (const QString& id : e.field("pairs")) expected.insert(id.toInt());
  std::multiset<PairId> found;
  for (const auto& p : picture_db::listPictures(db)) found.insert(p.id);
  EXPECT_EQ(found, std::multiset<PairId>(expected.begin(), expected.end()));
  for (PairId id = 1; id <= 20; ++id) EXPECT_EQ(pairDifferences(db, id).size(), 5u) << id;
  for (const QString& entry : e.field("rects")) {
    const auto parts = entry.split(':');
    EXPECT_EQ(pairDifferences(db, parts[0].toInt()).size(), parts[1].toUInt()) << entry.toStdString();
  }
  EXPECT_EQ(hallOfFame(db).size(), kHallOfFameSize);
}
