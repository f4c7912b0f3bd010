// SPDX-License-Identifier: GPL-2.0-or-later
// The picture files a scene is written as: GIF through giflib, metafiles through libuemf.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include "tools/sample_test_helpers.h"
#include "tools/game_over_picture.h"
#include "tools/gif_writer.h"
#include "tools/picture_format.h"
#include "tools/picture_format.h"
#include "tools/scene.h"
#include "toolkit/picture_loader.h"

using namespace sample_maker;

namespace {

QImage decode(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  QImageReader reader(&buffer);
  return reader.read().convertToFormat(QImage::Format_RGB32);
}

quint16 u16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
qint32 s32(const QByteArray& b, int at) { return qFromLittleEndian<qint32>(b.constData() + at); }

// Named colours of SVG only: the Windows metafile player rounds to those.
Scene testScene() {
  Scene s;
  s.width = 120;
  s.height = 90;
  s.background = QColor(135, 206, 235);                                           // skyblue
  s.shapes = {box(0, 60, 120, 30, QColor(34, 139, 34)),                           // forestgreen
              box(20, 30, 30, 30, QColor(205, 133, 63), QColor(139, 69, 19), 3),  // peru, saddlebrown
              oval(85, 8, 20, 20, QColor(255, 215, 0)),                           // gold
              polygon({{16, 32}, {35, 14}, {54, 32}}, QColor(178, 34, 34)),       // firebrick
              polyline({{35, 60}, {60, 89}}, QColor(128, 128, 128), 4)};          // gray
  return s;
}

}  // namespace

TEST(GifWriter, KeepsFewColoursExactly) {
  const QImage painted = paintScene(testScene(), false);
  const QByteArray gif = encodeGif(painted);
  EXPECT_TRUE(gif.startsWith("GIF89a"));
  const QImage back = decode(gif);
  ASSERT_EQ(back.size(), painted.size());
  EXPECT_EQ(sample_tests::differingPixels(back, painted, back.rect()), 0);
}

TEST(GifWriter, ReducesManyColoursToAFixedPalette) {
  QImage ramp(256, 64, QImage::Format_RGB32);
  for (int y = 0; y < ramp.height(); ++y) {
    for (int x = 0; x < ramp.width(); ++x) {
      ramp.setPixel(x, y, qRgb(x, y * 4, 255 - x));
    }
  }
  const QImage back = decode(encodeGif(ramp));
  ASSERT_EQ(back.size(), ramp.size());
  for (int y = 0; y < ramp.height(); y += 7) {
    for (int x = 0; x < ramp.width(); x += 5) {
      const QRgb a = ramp.pixel(x, y), b = back.pixel(x, y);
      EXPECT_LE(std::abs(qRed(a) - qRed(b)), 32);
      EXPECT_LE(std::abs(qGreen(a) - qGreen(b)), 32);
      EXPECT_LE(std::abs(qBlue(a) - qBlue(b)), 64);
    }
  }
  // Pixels of equal colour stay equal: two pictures that agree somewhere still do.
  QImage other = ramp;
  other.setPixel(10, 10, qRgb(0, 0, 0));
  EXPECT_EQ(sample_tests::differingOutside(decode(encodeGif(ramp)), decode(encodeGif(other)), {QRect(10, 10, 1, 1)}),
            0);
}

TEST(MetafileWriter, PlaceableWmfAtNinetySixUnitsPerInch) {
  const QByteArray wmf = encodeMetafile(testScene(), PictureFormat::Wmf);
  ASSERT_GT(wmf.size(), 40);
  EXPECT_EQ(wmf.left(4), QByteArray("\xD7\xCD\xC6\x9A", 4));
  EXPECT_EQ(u16(wmf, 6), 0);     // left
  EXPECT_EQ(u16(wmf, 8), 0);     // top
  EXPECT_EQ(u16(wmf, 10), 120);  // right
  EXPECT_EQ(u16(wmf, 12), 90);   // bottom
  EXPECT_EQ(u16(wmf, 14), 96);   // units per inch
  EXPECT_EQ(u16(wmf, 22), 1) << "the standard header follows";
  EXPECT_EQ(wmf.right(6), QByteArray("\x03\x00\x00\x00\x00\x00", 6)) << "ends with the end record";
}

TEST(MetafileWriter, EmfBoundsAreThePictureInPixels) {
  const QByteArray emf = encodeMetafile(testScene(), PictureFormat::Emf);
  ASSERT_GT(emf.size(), 100);
  EXPECT_EQ(s32(emf, 0), 1);
  EXPECT_EQ(emf.mid(40, 4), " EMF");
  EXPECT_EQ(s32(emf, 8), 0);
  EXPECT_EQ(s32(emf, 12), 0);
  EXPECT_EQ(s32(emf, 16), 119);  // bounds, inclusive
  EXPECT_EQ(s32(emf, 20), 89);
  EXPECT_EQ(s32(emf, 32), 3175);  // frame in hundredths of a millimetre at 96 dpi
  EXPECT_EQ(s32(emf, 36), 2381);
  EXPECT_EQ(s32(emf, 48), emf.size()) << "the header states the file's size";
}

TEST(MetafileWriter, BothKindsLoadAsTheScenePaintsIt) {
  const Scene scene = testScene();
  const QImage painted = paintScene(scene, true);
  for (PictureFormat format : {PictureFormat::Wmf, PictureFormat::Emf}) {
    const auto loaded = toolkit::decodePicture(encodeScene(scene, format));
    ASSERT_TRUE(loaded.ok()) << loaded.error.toStdString();
    const QImage image = loaded.image.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), painted.size());
    EXPECT_LT(sample_tests::meanChannelDifference(image, painted), 4.0) << fileExtension(format);
    // Away from edges the colours are the scene's own.
    EXPECT_EQ(image.pixel(5, 5), painted.pixel(5, 5)) << fileExtension(format);
    EXPECT_EQ(image.pixel(95, 18), painted.pixel(95, 18)) << fileExtension(format);
    EXPECT_EQ(image.pixel(100, 75), painted.pixel(100, 75)) << fileExtension(format);
  }
}

TEST(PictureFormat, ExtensionsAndRasterKinds) {
  EXPECT_EQ(fileExtension(PictureFormat::Bmp), "bmp");
  EXPECT_EQ(fileExtension(PictureFormat::Jpeg), "jpg");
  EXPECT_EQ(fileExtension(PictureFormat::Gif), "gif");
  EXPECT_EQ(fileExtension(PictureFormat::Wmf), "wmf");
  EXPECT_EQ(fileExtension(PictureFormat::Emf), "emf");
  const Scene scene = testScene();
  EXPECT_TRUE(encodeScene(scene, PictureFormat::Bmp).startsWith("BM"));
  EXPECT_TRUE(encodeScene(scene, PictureFormat::Jpeg).startsWith("\xFF\xD8\xFF"));
  EXPECT_THROW(encodeRaster(QImage(4, 4, QImage::Format_RGB32), PictureFormat::Emf), std::invalid_argument);
}

TEST(GameOverPicture, LetteringOnADarkGround) {
  const QImage image = drawGameOverPicture();
  EXPECT_EQ(image.size(), QSize(kGameOverWidth, kGameOverHeight));
  // Bright lettering across the middle, dark ground in the corner's inside.
  int bright = 0;
  for (int x = 0; x < image.width(); ++x) {
    bright += qGray(image.pixel(x, 170)) > 150 ? 1 : 0;
  }
  EXPECT_GT(bright, 60) << "the word GAME crosses this row";
  EXPECT_LT(qGray(image.pixel(40, 60)), 90);
}
