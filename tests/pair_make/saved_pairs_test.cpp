// SPDX-License-Identifier: GPL-2.0-or-later
// A made pair saved into an application folder: names from the photo's, a number when
// taken, both files and five rectangles, all or nothing; and the program around it, whose
// pairs vobrel-check finds sound.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "pair_make/pair_maker.h"
#include "pair_make/pair_saving.h"
#include "picture_db/editor_queries.h"
#include "picture_db/package_file.h"
#include "support/temp_app_folder.h"
#include "support/file_bytes.h"

using test_support::fileBytes;
using namespace pair_make;

namespace {
const QString kFace = QStringLiteral(VOBREL_TEST_DATA "/photos/face.jpg");

const MadePair& facePair() {
  static const MadePair pair = makePairFromPhoto(kFace, Level::Normale, 1);
  return pair;
}

struct ProgramRun {
  int exitCode = -1;
  QByteArray out, err;
};

ProgramRun run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  EXPECT_TRUE(p.waitForFinished(120000));
  return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}
}  // namespace

TEST(PictureNames, TakenFromThePhotoAndFitForAPackage) {
  EXPECT_EQ(baseNameForPhoto("/foto/Casa al mare.JPG"), "Casa al mare");
  EXPECT_EQ(baseNameForPhoto("/foto/.nascosta.png"), "nascosta");
  EXPECT_EQ(baseNameForPhoto("/foto/.jpg"), "foto");
  EXPECT_EQ(baseNameForPhoto(QStringLiteral("/foto/a\tb.png")), "a_b");
  EXPECT_EQ(baseNameForPhoto("/foto/città.vecchia.webp"), "città.vecchia");
  const std::string longest = baseNameForPhoto("/foto/" + QString(150, QChar(0x00e8)) + ".jpg");
  EXPECT_EQ(QString::fromStdString(longest).size(), 84);
  EXPECT_TRUE(picture_db::pictureNameProblem(longest + "_99_C.jpg").empty());
}

TEST(PictureNames, ANumberIsAddedWhenEitherNameIsTaken) {
  test_support::TempAppFolder app;
  auto db = app.open();
  const std::string images = app.imagesPath().toStdString();
  QDir().mkpath(app.imagesPath());
  EXPECT_EQ(freePictureNames(db, images, "casa"), std::make_pair(std::string("casa.jpg"), std::string("casa_C.jpg")));
  app.writeFile("CASA_C.JPG", "x");
  EXPECT_EQ(freePictureNames(db, images, "casa").first, "casa_2.jpg");
  picture_db::addPicture(db, 4, "casa_2.jpg", "(none)");  // a pair names it, though no file is there
  EXPECT_EQ(freePictureNames(db, images, "casa"),
            std::make_pair(std::string("casa_3.jpg"), std::string("casa_3_C.jpg")));
}

TEST(SavedPair, BothFilesAndFiveRectanglesInOneStep) {
  test_support::TempAppFolder app;
  auto db = app.open();
  QDir().mkpath(app.imagesPath());
  const SavedPair saved = savePair(db, app.dir(), kFace, facePair(), picture_db::nextPairId(db));
  EXPECT_EQ(saved.id, 1);
  EXPECT_EQ(saved.original, "face.jpg");
  EXPECT_EQ(saved.copy, "face_C.jpg");
  EXPECT_EQ(fileBytes(app.imagesPath() + "/face.jpg"), facePair().originalJpeg);
  EXPECT_EQ(fileBytes(app.imagesPath() + "/face_C.jpg"), facePair().copyJpeg);
  const auto pairs = picture_db::listPictures(db);
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].original, "face.jpg");
  const auto rects = picture_db::pairDifferences(db, 1);
  ASSERT_EQ(rects.size(), 5u);
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(*rects[i].x1, facePair().changes[i].rect.x1);
    EXPECT_EQ(*rects[i].y2, facePair().changes[i].rect.y2);
  }
  // The same photo again: new names, the next number.
  const SavedPair again = savePair(db, app.dir(), kFace, facePair(), picture_db::nextPairId(db));
  EXPECT_EQ(again.id, 2);
  EXPECT_EQ(again.original, "face_2.jpg");
}

TEST(SavedPair, AFailingDatabaseLeavesNeitherFilesNorRows) {
  test_support::TempAppFolder app;
  auto db = app.open();
  QDir().mkpath(app.imagesPath());
  picture_db::addPicture(db, 7, "altra.jpg", "altra_C.jpg");
  // The number is taken: the insert fails after both files were written.
  EXPECT_THROW(savePair(db, app.dir(), kFace, facePair(), 7), picture_db::DbError);
  EXPECT_TRUE(QDir(app.imagesPath()).entryList(QDir::Files | QDir::Hidden).isEmpty());
  EXPECT_EQ(picture_db::listPictures(db).size(), 1u);
  EXPECT_TRUE(picture_db::pairDifferences(db, 7).empty());
}

TEST(MakePairProgram, JsonForEachPhotoAndThePairsPassTheCheck) {
  test_support::TempAppFolder app;
  QDir().mkpath(app.imagesPath());
  const QString text = app.path() + "/leggimi.txt";
  {
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("non una foto");
  }
  const ProgramRun made =
      run(VOBREL_MAKE_PAIR_PROGRAM, {"--folder", app.path(), "--json", "--seed", "2", kFace,
                                     QStringLiteral(VOBREL_TEST_DATA "/photos/building.jpg"), text});
  EXPECT_EQ(made.exitCode, 1) << made.err.toStdString();
  const QJsonObject doc = QJsonDocument::fromJson(made.out).object();
  const QJsonArray pairs = doc["pairs"].toArray();
  ASSERT_EQ(pairs.size(), 2);
  EXPECT_EQ(pairs[0].toObject()["photo"].toString(), kFace);
  EXPECT_EQ(pairs[0].toObject()["id"].toInt(), 1);
  EXPECT_EQ(pairs[1].toObject()["id"].toInt(), 2);
  EXPECT_EQ(pairs[1].toObject()["copy"].toString(), "building_C.jpg");
  const QJsonArray changes = pairs[0].toObject()["changes"].toArray();
  ASSERT_EQ(changes.size(), 5);
  const QStringList kinds{"removed", "recoloured", "mirrored", "added", "resized", "detail"};
  for (const auto& c : changes) {
    EXPECT_TRUE(kinds.contains(c.toObject()["kind"].toString()));
    EXPECT_EQ(c.toObject()["rect"].toArray().size(), 4);
  }
  const QJsonArray refused = doc["refused"].toArray();
  ASSERT_EQ(refused.size(), 1);
  EXPECT_EQ(refused[0].toObject()["photo"].toString(), text);
  EXPECT_EQ(refused[0].toObject()["reason"].toString(), "non è un'immagine.");

  const ProgramRun checked = run(VOBREL_CHECK_PROGRAM, {app.path()});
  EXPECT_EQ(checked.exitCode, 0) << checked.out.toStdString();
}

TEST(MakePairProgram, HelpVersionAndAnUnknownOptionTouchNoFile) {
  const ProgramRun help = run(VOBREL_MAKE_PAIR_PROGRAM, {"--help", "--folder", "/non/esiste"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.startsWith("Uso: vobrel-make-pair"));
  const ProgramRun version = run(VOBREL_MAKE_PAIR_PROGRAM, {"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(version.out.startsWith("vobrel-make-pair "));
  const ProgramRun wrong = run(VOBREL_MAKE_PAIR_PROGRAM, {"--colore", "rosso", "a.jpg"});
  EXPECT_EQ(wrong.exitCode, 2);
  EXPECT_EQ(wrong.err.count("\n"), 2);
  EXPECT_TRUE(wrong.err.contains("--help"));
  const ProgramRun noFolder = run(VOBREL_MAKE_PAIR_PROGRAM, {"--folder", "/non/esiste", kFace});
  EXPECT_EQ(noFolder.exitCode, 2);
}
