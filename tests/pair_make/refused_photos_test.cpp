// SPDX-License-Identifier: GPL-2.0-or-later
// Photos that cannot become a pair are refused with a reason naming the file, and
// nothing is written: not a picture, empty, a FIFO, too small, over the limits, flat.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>
#include <sys/stat.h>

#include "pair_make/make_arguments.h"
#include "pair_make/make_program.h"
#include "pair_make/pair_maker.h"
#include "pair_make/photo_fit.h"
#include "picture_db/editor_queries.h"
#include "support/temp_app_folder.h"

using namespace pair_make;

namespace {

std::string refusal(const QString& path) {
  try {
    makePairFromPhoto(path, Level::Normale, 1);
  } catch (const PhotoRefused& e) {
    return e.what();
  }
  return {};
}

class RefusedPhotos : public ::testing::Test {
 protected:
  QTemporaryDir photos;
  QString write(const QString& name, const QByteArray& bytes) {
    QFile f(photos.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
  }
  QString picture(const QString& name, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(photos.filePath(name)));
    return photos.filePath(name);
  }
};

}  // namespace

TEST_F(RefusedPhotos, EachBadInputHasItsOwnReason) {
  EXPECT_EQ(refusal(write("note.jpg", "questa non è una foto\n")), "non è un'immagine");
  EXPECT_EQ(refusal(write("vuota.jpg", "")), "il file è vuoto");
  EXPECT_EQ(refusal(photos.filePath("manca.jpg")), "il file non esiste");
  EXPECT_EQ(refusal(photos.path()), "non è un file normale");
  const QString fifo = photos.filePath("coda.jpg");
  ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  EXPECT_EQ(refusal(fifo), "non è un file normale");  // and it returns: nothing opened it
  EXPECT_EQ(refusal(picture("piccola.png", QSize(189, 300), Qt::red)), "l'immagine è più piccola di 190 x 218 pixel");
  EXPECT_EQ(refusal(picture("bassa.png", QSize(400, 217), Qt::red)), "l'immagine è più piccola di 190 x 218 pixel");
  EXPECT_EQ(refusal(picture("piatta.png", QSize(380, 436), QColor(90, 140, 200))), kNoFairPlaces);
  // A PNG header claiming 9000 x 10 pixels is refused before any pixel is decoded.
  QImage wide(9000, 10, QImage::Format_Mono);
  wide.fill(0);
  ASSERT_TRUE(wide.save(photos.filePath("larga.png")));
  EXPECT_EQ(refusal(photos.filePath("larga.png")), "l'immagine supera 8192 x 8192 pixel");
}

TEST_F(RefusedPhotos, APhotoJustHalfTheFrameIsTakenAndCovered) {
  const QImage covering = loadPhotoCoveringFrame(picture("mezza.png", QSize(190, 218), Qt::blue));
  EXPECT_EQ(covering.size(), QSize(380, 436));
  // Wider than the frame's shape: the height fills it and the sides are cut.
  const QImage wide = loadPhotoCoveringFrame(picture("larga.png", QSize(1200, 436), Qt::blue));
  EXPECT_EQ(wide.size(), QSize(1200, 436));
  EXPECT_EQ(maxCropOffset(wide), QPoint(410, 0));
  QImage marked(1200, 436, QImage::Format_RGB32);
  marked.fill(Qt::white);
  marked.setPixel(0, 0, qRgb(255, 0, 0));
  marked.setPixel(1199, 0, qRgb(0, 0, 255));
  EXPECT_EQ(cropToFrame(marked, QPoint(-5000, 0)).pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(cropToFrame(marked, QPoint(5000, 0)).pixel(379, 0), qRgb(0, 0, 255));
}

TEST_F(RefusedPhotos, TheProgramNamesEachRefusedFileAndWritesNothing) {
  test_support::TempAppFolder app;
  const QStringList bad{write("testo.jpg", "ciao"), picture("piatta.png", QSize(500, 500), Qt::gray),
                        picture("minuscola.png", QSize(40, 40), Qt::green)};
  MakeArguments args;
  args.photos = bad;
  QString out, err;
  QTextStream o(&out), e(&err);
  EXPECT_EQ(runMakePair(args, app.path(), o, e, false), make_exit::kSomeRefused);
  EXPECT_EQ(out, QStringLiteral("Foto %1 rifiutata: non è un'immagine.\n"
                                "Foto %2 rifiutata: In questa foto non si trovano cinque punti adatti.\n"
                                "Foto %3 rifiutata: l'immagine è più piccola di 190 x 218 pixel.\n")
                     .arg(bad[0], bad[1], bad[2]));
  EXPECT_TRUE(QDir(app.imagesPath()).entryList(QDir::Files | QDir::Hidden).isEmpty());
  auto db = app.open();
  EXPECT_TRUE(picture_db::listPictures(db).empty());
}

TEST_F(RefusedPhotos, AFolderWithoutDatabaseIsExitTwoAndUntouched) {
  test_support::TempAppFolder app(false);
  MakeArguments args;
  args.photos << QStringLiteral(VOBREL_TEST_DATA "/photos/face.jpg");
  QString out, err;
  QTextStream o(&out), e(&err);
  EXPECT_EQ(runMakePair(args, app.path(), o, e, false), make_exit::kFolderUnusable);
  EXPECT_TRUE(err.contains(app.path()));
  EXPECT_FALSE(QDir(app.path()).exists("Images"));
}

TEST(MakeArguments, OptionsLevelsSeedsAndMistakes) {
  QString error;
  MakeArguments a = parseMakeArguments(
      {"--folder", "/x", "--level", "difficile", "--seed", "42", "--json", "a.jpg", "--", "--b.jpg"}, &error);
  EXPECT_TRUE(error.isEmpty());
  EXPECT_EQ(a.folder, "/x");
  EXPECT_EQ(a.level, Level::Difficile);
  EXPECT_EQ(a.seed, 42u);
  EXPECT_TRUE(a.json);
  EXPECT_EQ(a.photos, QStringList({"a.jpg", "--b.jpg"}));

  a = parseMakeArguments({"a.jpg"}, &error);
  EXPECT_EQ(a.level, Level::Normale);
  EXPECT_EQ(a.seed, 1u);
  EXPECT_TRUE(a.folder.isEmpty());

  parseMakeArguments({"--colore", "a.jpg"}, &error);
  EXPECT_EQ(error, "vobrel-make-pair: opzione sconosciuta: --colore");
  parseMakeArguments({"--level", "media", "a.jpg"}, &error);
  EXPECT_TRUE(error.contains("media"));
  parseMakeArguments({"--seed", "-3", "a.jpg"}, &error);
  EXPECT_FALSE(error.isEmpty());
  parseMakeArguments({"--folder"}, &error);
  EXPECT_FALSE(error.isEmpty());
  parseMakeArguments({}, &error);
  EXPECT_EQ(error, "vobrel-make-pair: manca la foto da cui fare la coppia");
  EXPECT_TRUE(parseMakeArguments({"--help"}, &error).help);
  EXPECT_TRUE(error.isEmpty());
  EXPECT_TRUE(parseMakeArguments({"--version"}, &error).version);
}
