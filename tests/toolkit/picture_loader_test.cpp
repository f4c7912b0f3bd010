// Picture files of the five kinds, decided by content; damaged files are "not a
// picture", never a crash.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <clocale>

#include "support/metafile_bytes.h"
#include "toolkit/picture_loader.h"

using namespace toolkit;
using test_support::emfWithRectangle;
using test_support::wmfWithRectangle;

namespace {
QByteArray encoded(const char* format, QSize size = {40, 30}) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(QColor(0, 0, 255));
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) img.setPixelColor(x, y, QColor(255, 0, 0));
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, format, 95);
  return bytes;
}

bool near(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 && std::abs(a.blue() - b.blue()) < 40;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
  return path;
}
}  // namespace

TEST(PictureLoader, RecognisesEachKindByItsFirstBytes) {
  EXPECT_EQ(sniffPictureKind(encoded("BMP")), PictureKind::Bmp);
  EXPECT_EQ(sniffPictureKind(encoded("JPEG")), PictureKind::Jpeg);
  EXPECT_EQ(sniffPictureKind("GIF89a...."), PictureKind::Gif);
  EXPECT_EQ(sniffPictureKind(wmfWithRectangle({50, 40}, {0, 0, 5, 5}, 1, 2, 3)), PictureKind::Wmf);
  EXPECT_EQ(sniffPictureKind(emfWithRectangle({50, 40}, {0, 0, 5, 5}, 1, 2, 3)), PictureKind::Emf);
  EXPECT_EQ(sniffPictureKind(QByteArray("\x01\x00\x09\x00", 4)), PictureKind::Wmf);
  EXPECT_EQ(sniffPictureKind("hello"), PictureKind::Unknown);
  EXPECT_EQ(sniffPictureKind(QByteArray()), PictureKind::Unknown);
}

TEST(PictureLoader, RasterPicturesLoadAtNaturalSizeWhateverTheirName) {
  QTemporaryDir dir;
  for (const char* format : {"BMP", "JPEG"}) {
    // A bitmap named .jpg and a JPEG named .gif: the content decides.
    const LoadedPicture p = loadPicture(writeFile(dir, QString("x_%1.jpg").arg(format), encoded(format)));
    ASSERT_TRUE(p.ok()) << format << " " << p.error.toStdString();
    EXPECT_EQ(p.image.size(), QSize(40, 30));
    EXPECT_TRUE(near(p.image.pixelColor(2, 2), QColor(255, 0, 0))) << format;
    EXPECT_TRUE(near(p.image.pixelColor(30, 20), QColor(0, 0, 255))) << format;
  }
}

TEST(PictureLoader, MetafilesRenderAtTheirFrameSizeWithMarginsKept) {
  for (bool emf : {false, true}) {
    const QRect filled(20, 10, 30, 20);
    const QByteArray bytes = emf ? emfWithRectangle({100, 80}, filled, 255, 0, 0)
                                 : wmfWithRectangle({100, 80}, filled, 255, 0, 0);
    const LoadedPicture p = decodePicture(bytes);
    ASSERT_TRUE(p.ok()) << (emf ? "emf " : "wmf ") << p.error.toStdString();
    EXPECT_EQ(p.image.size(), QSize(100, 80));
    EXPECT_TRUE(near(p.image.pixelColor(35, 20), QColor(255, 0, 0))) << emf;
    EXPECT_TRUE(near(p.image.pixelColor(5, 5), QColor(255, 255, 255))) << emf;    // margin stays
    EXPECT_TRUE(near(p.image.pixelColor(80, 60), QColor(255, 255, 255))) << emf;
  }
}

TEST(PictureLoader, MetafilesRenderTheSameUnderADecimalCommaLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string keep = previous ? previous : "C";
  if (!std::setlocale(LC_NUMERIC, "it_IT.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
    GTEST_SKIP() << "no decimal-comma locale installed";
  }
  const LoadedPicture w = decodePicture(wmfWithRectangle({100, 80}, {20, 10, 30, 20}, 0, 128, 0));
  const LoadedPicture e = decodePicture(emfWithRectangle({100, 80}, {20, 10, 30, 20}, 0, 128, 0));
  std::setlocale(LC_NUMERIC, keep.c_str());
  ASSERT_TRUE(w.ok() && e.ok());
  EXPECT_TRUE(near(w.image.pixelColor(35, 20), QColor(0, 128, 0)));
  EXPECT_TRUE(near(e.image.pixelColor(35, 20), QColor(0, 128, 0)));
}

TEST(PictureLoader, DamagedFilesAreNotPicturesAndSayWhy) {
  const QByteArray bmp = encoded("BMP"), jpeg = encoded("JPEG");
  const QByteArray wmf = wmfWithRectangle({100, 80}, {1, 1, 5, 5}, 9, 9, 9);
  const QByteArray emf = emfWithRectangle({100, 80}, {1, 1, 5, 5}, 9, 9, 9);
  for (const QByteArray& whole : {bmp, jpeg, wmf, emf}) {
    for (int cut : {2, 8, 20, 30, 60}) {
      if (cut >= whole.size()) continue;
      const LoadedPicture p = decodePicture(whole.left(cut));
      EXPECT_FALSE(p.ok()) << "cut at " << cut;
      EXPECT_FALSE(p.error.isEmpty());
    }
  }
  EXPECT_FALSE(decodePicture(QByteArray()).ok());
  EXPECT_FALSE(decodePicture("just some text, not a picture at all").ok());
  QTemporaryDir dir;
  EXPECT_FALSE(loadPicture(dir.filePath("missing.bmp")).ok());
  EXPECT_FALSE(loadPicture(dir.filePath("(none)")).ok());
}

TEST(PictureLoader, HugeAnnouncedSizesAreRefusedBeforeDecoding) {
  // A bitmap header announcing 100000 x 100000 pixels.
  QByteArray bmp = encoded("BMP");
  auto put32 = [](QByteArray& b, int at, qint32 v) {
    for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 0xFF);
  };
  put32(bmp, 18, 100000);
  put32(bmp, 22, 100000);
  EXPECT_FALSE(decodePicture(bmp).ok());
  EXPECT_FALSE(decodePicture(emfWithRectangle({100000, 100000}, {0, 0, 5, 5}, 1, 1, 1)).ok());
  EXPECT_FALSE(decodePicture(wmfWithRectangle({30000, 30000}, {0, 0, 5, 5}, 1, 1, 1)).ok());
  EXPECT_FALSE(decodePicture(emfWithRectangle({0, 0}, {0, 0, 5, 5}, 1, 1, 1)).ok());
}

#include "toolkit/picture_saver.h"

TEST(PictureSaver, ReplacesTheFileWholeAndKeepsItOnFailure) {
  QTemporaryDir dir;
  const QString path = writeFile(dir, "trim.jpg", encoded("JPEG"));
  QImage small(12, 7, QImage::Format_RGB32);
  small.fill(QColor(10, 200, 30));
  QString error;
  ASSERT_TRUE(savePictureAsBmp(small, path, &error)) << error.toStdString();
  const LoadedPicture back = loadPicture(path);  // a bitmap under a .jpg name
  ASSERT_TRUE(back.ok());
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(sniffPictureKind(saved.read(64)), PictureKind::Bmp);
  EXPECT_EQ(back.image.size(), QSize(12, 7));
  EXPECT_EQ(back.image.pixelColor(3, 3), QColor(10, 200, 30));

  // A folder that cannot exist: the parent is a file. Nothing else is touched.
  const QString blocked = writeFile(dir, "plain", "x") + "/inside.bmp";
  EXPECT_FALSE(savePictureAsBmp(small, blocked, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_TRUE(loadPicture(path).ok());
  EXPECT_FALSE(savePictureAsBmp(QImage(), path, &error));
  EXPECT_EQ(loadPicture(path).image.size(), QSize(12, 7));
}
