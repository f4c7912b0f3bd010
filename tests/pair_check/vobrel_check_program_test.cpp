// SPDX-License-Identifier: GPL-2.0-or-later
// vobrel-check run as a user runs it, on a folder of drawn pairs: its JSON read back,
// its lines and its exit status.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "support/drawn_pairs.h"
#include "storage/app_folders.h"
#include "support/temp_app_folder.h"

using namespace drawn_pairs;

namespace {
struct ProgramRun {
  int exitCode = -1;
  QByteArray out, err;
};

ProgramRun runCheck(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(VOBREL_CHECK_PROGRAM), args);
  EXPECT_TRUE(p.waitForFinished(120000)) << p.errorString().toStdString();
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
          p.readAllStandardError()};
}

QJsonObject pairNamed(const QJsonArray& pairs, int id) {
  for (const QJsonValue& v : pairs) {
    if (v.toObject().value("id").toInt() == id) return v.toObject();
  }
  return {};
}

class VobrelCheck : public ::testing::Test {
 protected:
  test_support::TempAppFolder folder;
  DrawnPair drawn = fiveChanges();

  void SetUp() override {
    // 1: sound; 2: one rectangle misplaced; 3: the copy cannot be read; 4: no files yet.
    std::vector<test_support::Edges> good;
    for (const QRect& c : drawn.changes) good.push_back(edgesAround(c));
    auto [o1, c1] = save(folder, drawn, "giusta", "JPEG");
    folder.addPairWithoutFiles(1, o1.toStdString(), c1.toStdString(), good);
    std::vector<test_support::Edges> misplaced = good;
    misplaced[1] = {5, 400, 30, 430};
    auto [o2, c2] = save(folder, drawn, "spostata", "GIF");
    folder.addPairWithoutFiles(2, o2.toStdString(), c2.toStdString(), misplaced);
    folder.writeFile("rotta_C.bmp", QByteArray("BM this is not a picture"));
    folder.addPairWithoutFiles(3, o1.toStdString(), "rotta_C.bmp", good);
    folder.addPairWithoutFiles(4, "(none)", "(none)", {});
  }
};
}  // namespace

TEST_F(VobrelCheck, JsonNamesEveryPairWithItsDifferencesRectanglesAndProblems) {
  const ProgramRun run = runCheck({folder.path(), "--json"});
  EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
  const QJsonArray pairs = doc.object().value("pairs").toArray();
  ASSERT_EQ(pairs.size(), 4);
  EXPECT_EQ(pairs[0].toObject().value("id").toInt(), 1);  // the order of the picture list

  const QJsonObject sound = pairNamed(pairs, 1);
  EXPECT_EQ(sound.value("original").toString(), "giusta.jpg");
  EXPECT_EQ(sound.value("copy").toString(), "giusta_C.jpg");
  EXPECT_EQ(sound.value("width").toInt(), kWidth);
  EXPECT_EQ(sound.value("height").toInt(), kHeight);
  EXPECT_EQ(sound.value("differences").toArray().size(), 5);
  const QJsonArray rects = sound.value("rectangles").toArray();
  ASSERT_EQ(rects.size(), 5);
  const test_support::Edges first = edgesAround(drawn.changes[0]);
  EXPECT_EQ(rects[0].toArray(), (QJsonArray{first.x1, first.y1, first.x2, first.y2}));
  EXPECT_TRUE(sound.value("problems").toArray().isEmpty());

  const QJsonArray misplaced = pairNamed(pairs, 2).value("problems").toArray();
  ASSERT_EQ(misplaced.size(), 2);
  EXPECT_EQ(misplaced[0].toObject().value("kind").toString(), "rectangle-without-difference");
  EXPECT_EQ(misplaced[0].toObject().value("rect").toArray(), (QJsonArray{5, 400, 30, 430}));
  EXPECT_EQ(misplaced[1].toObject().value("kind").toString(), "uncovered-difference");
  const QJsonArray box = misplaced[1].toObject().value("rect").toArray();
  ASSERT_EQ(box.size(), 4);
  EXPECT_TRUE(drawn.changes[1].contains(box[0].toInt(), box[1].toInt()));

  const QJsonObject broken = pairNamed(pairs, 3);
  ASSERT_EQ(broken.value("problems").toArray().size(), 1);
  EXPECT_EQ(broken.value("problems").toArray()[0].toObject().value("kind").toString(), "picture-unreadable");
  EXPECT_TRUE(broken.value("width").isNull());

  QStringList kinds;
  for (const QJsonValue& p : pairNamed(pairs, 4).value("problems").toArray())
    kinds << p.toObject().value("kind").toString();
  EXPECT_EQ(kinds, (QStringList{"picture-unreadable", "picture-unreadable", "not-five-rectangles"}));
}

TEST_F(VobrelCheck, LinesInItalianAndTheStatusTellHowThePairsStand) {
  ProgramRun run = runCheck({folder.path()});
  EXPECT_EQ(run.exitCode, 1);
  const QString out = QString::fromUtf8(run.out);
  EXPECT_TRUE(
      out.contains("Coppia 2 (spostata.gif, spostata_C.gif): Il rettangolo 5,400-30,430 non contiene differenze."))
      << out.toStdString();
  EXPECT_TRUE(out.contains("Coppia 3 (giusta.jpg, rotta_C.bmp): La copia rotta_C.bmp non si può leggere"));
  EXPECT_FALSE(out.contains("Coppia 1 "));
  EXPECT_TRUE(out.trimmed().endsWith("Coppie controllate: 4; corrette: 1; con problemi: 3 (problemi in tutto: 6)."))
      << out.toStdString();
  // Not a terminal: no progress line.
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();

  run = runCheck({folder.path(), "--pair", "1", "--threads", "1"});
  EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
  EXPECT_TRUE(QString::fromUtf8(run.out).contains("Coppie controllate: 1; corrette: 1; con problemi: 0"));

  run = runCheck({folder.path(), "--pair=2", "--json"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(QJsonDocument::fromJson(run.out).object().value("pairs").toArray().size(), 1);
}

TEST_F(VobrelCheck, ManyPairsWithoutATerminalShowNoProgressLine) {
  for (int id = 100; id < 160; ++id) folder.addPairWithoutFiles(id, "(none)", "(none)", {});
  const ProgramRun run = runCheck({folder.path(), "--json"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
  EXPECT_EQ(QJsonDocument::fromJson(run.out).object().value("pairs").toArray().size(), 64);
}

TEST_F(VobrelCheck, ADatabaseThatCannotBeReadOrABadRequestEndsWithStatusTwo) {
  ProgramRun run = runCheck({folder.path(), "--pair", "77"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(QString::fromUtf8(run.err).contains("non c'è la coppia numero 77"));

  run = runCheck({folder.path(), "--colori"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(QString::fromUtf8(run.err).contains("Opzione sconosciuta: --colori"));

  test_support::TempAppFolder empty(false);
  run = runCheck({empty.path(), "--json"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.out.isEmpty());
  const QString db = QString::fromStdString(empty.databasePath());
  EXPECT_EQ(QString::fromUtf8(run.err).trimmed(), "Manca il database delle immagini:\n" + db + "\nIl file non esiste.");
  EXPECT_FALSE(QFile::exists(db));  // never made by the check

  QFile damaged(db);
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write(QByteArray(4096, 'x'));
  damaged.close();
  run = runCheck({empty.path()});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(QString::fromUtf8(run.err).startsWith("Impossibile aprire il database delle immagini:\n" + db + "\n"))
      << run.err.toStdString();
}
