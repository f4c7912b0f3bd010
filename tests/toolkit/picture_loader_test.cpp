// SPDX-License-Identifier: GPL-2.0-or-later
// Picture files of the five kinds, decided by content, drawn at their natural size;
// damaged files are "not a picture" with a reason, never a crash or a hang.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <clocale>
#include <functional>
#include <random>
#include <string>

#include "toolkit/picture_fixtures.h"
#include "toolkit/picture_loader.h"
#include "support/file_bytes.h"

using test_support::writeFileBytes;
using namespace toolkit;
using namespace picture_fixtures;

namespace {
bool near(QColor a, QColor b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

std::string text(const QString& s) { return s.toStdString(); }

// The decoded picture shows the scene: same size, each fill's colour up to two pixels
// from its edges, white two pixels outside them and in the page's corners.
void expectScene(const LoadedPicture& p, const Scene& scene, const std::string& what, int tolerance) {
  ASSERT_TRUE(p.ok()) << what << ": " << text(p.error);
  ASSERT_EQ(p.image.size(), scene.size) << what;
  const QColor white(255, 255, 255);
  for (const Fill& f : scene.fills) {
    const QRect in = f.rect.adjusted(2, 2, -2, -2), out = f.rect.adjusted(-2, -2, 2, 2);
    for (const QPoint& q : {in.topLeft(), in.topRight(), in.bottomLeft(), in.bottomRight(), in.center()}) {
      EXPECT_TRUE(near(p.image.pixelColor(q), f.colour, tolerance))
          << what << " inside at " << q.x() << "," << q.y() << ": " << text(p.image.pixelColor(q).name());
    }
    for (const QPoint& q : {out.topLeft(), out.topRight(), out.bottomLeft(), out.bottomRight()}) {
      EXPECT_TRUE(near(p.image.pixelColor(q), white, tolerance))
          << what << " outside at " << q.x() << "," << q.y() << ": " << text(p.image.pixelColor(q).name());
    }
  }
  const QSize s = scene.size;
  for (const QPoint& q : {QPoint(1, 1), QPoint(s.width() - 2, s.height() - 2)}) {
    EXPECT_TRUE(near(p.image.pixelColor(q), white, tolerance)) << what << " margin at " << q.x() << "," << q.y();
  }
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  return writeFileBytes(dir.filePath(name), bytes);
}

void put16(QByteArray& b, qsizetype at, quint16 v) { qToLittleEndian(v, b.data() + at); }
void put32(QByteArray& b, qsizetype at, quint32 v) { qToLittleEndian(v, b.data() + at); }
void put16BigEndian(QByteArray& b, qsizetype at, quint16 v) { qToBigEndian(v, b.data() + at); }

struct Sample {
  const char* name;
  QByteArray bytes;
};

std::vector<Sample> everyKind() {
  const Scene s = sampleScene();
  return {{"bmp", bmpOf(s)}, {"jpeg", jpegOf(s)}, {"gif", gifOf(s)}, {"wmf", wmfOf(s)}, {"emf", emfOf(s)}};
}

void expectRefused(const LoadedPicture& p, const std::string& what) {
  EXPECT_FALSE(p.ok()) << what;
  EXPECT_TRUE(p.image.isNull()) << what;
  EXPECT_FALSE(p.error.isEmpty()) << what;
}
}  // namespace

TEST(PictureKinds, FirstBytesNameTheKind) {
  const Scene s = sampleScene();
  EXPECT_EQ(sniffPictureKind(bmpOf(s)), PictureKind::Bmp);
  EXPECT_EQ(sniffPictureKind(jpegOf(s)), PictureKind::Jpeg);
  EXPECT_EQ(sniffPictureKind(gifOf(s)), PictureKind::Gif);
  EXPECT_EQ(sniffPictureKind("GIF87a"), PictureKind::Gif);
  EXPECT_EQ(sniffPictureKind(wmfOf(s)), PictureKind::Wmf);
  EXPECT_EQ(sniffPictureKind(wmfOf(s, WmfHeader::Plain)), PictureKind::Wmf);
  EXPECT_EQ(sniffPictureKind(QByteArray("\x02\x00\x09\x00", 4)), PictureKind::Wmf);
  EXPECT_EQ(sniffPictureKind(emfOf(s)), PictureKind::Emf);
  EXPECT_EQ(sniffPictureKind(emfOf(s).left(40)), PictureKind::Unknown);  // the signature is missing
  EXPECT_EQ(sniffPictureKind("GIF90a"), PictureKind::Unknown);
  EXPECT_EQ(sniffPictureKind("B"), PictureKind::Unknown);
  EXPECT_EQ(sniffPictureKind(QByteArray()), PictureKind::Unknown);
}

TEST(PictureKinds, EachKindLoadsAtItsNaturalSizeWithItsColours) {
  const Scene s = sampleScene();
  expectScene(decodePicture(bmpOf(s)), s, "bmp", 0);
  expectScene(decodePicture(jpegOf(s)), s, "jpeg", 30);
  expectScene(decodePicture(gifOf(s)), s, "gif", 0);
  expectScene(decodePicture(emfOf(s)), s, "emf", 10);
  expectScene(decodePicture(wmfOf(s, WmfHeader::Placeable96)), s, "placeable wmf", 10);
  expectScene(decodePicture(wmfOf(s, WmfHeader::PlaceableTwips)), s, "wmf in twips", 10);
  expectScene(decodePicture(wmfOf(s, WmfHeader::Plain)), s, "plain wmf", 10);
}

TEST(PictureKinds, ContentDecidesNotTheName) {
  const Scene s = sampleScene();
  QTemporaryDir dir;
  expectScene(loadPicture(writeFile(dir, "x.jpg", bmpOf(s))), s, "bitmap named .jpg", 0);
  expectScene(loadPicture(writeFile(dir, "y.bmp", gifOf(s))), s, "gif named .bmp", 0);
  expectScene(loadPicture(writeFile(dir, "z.gif", emfOf(s))), s, "emf named .gif", 10);
  expectScene(loadPicture(writeFile(dir, "w.emf", wmfOf(s))), s, "wmf named .emf", 10);
  expectScene(loadPicture(writeFile(dir, "no_extension", jpegOf(s))), s, "jpeg without extension", 30);
}

TEST(Metafiles, TransparentBackgroundModeIsDrawnOpaque) {
  const Scene s = sampleScene();
  // libwmf writes such fills half transparent; they would come out pink and light blue.
  expectScene(decodePicture(wmfOf(s, WmfHeader::Placeable96, true)), s, "transparent mode", 10);
}

TEST(Metafiles, WmfColoursOutsideTheNamedOnesKeepTheirValue) {
  // The player would write each of these as the nearest named colour.
  Scene s{QSize(120, 40), {}};
  const QColor odd[] = {{22, 30, 72}, {200, 101, 53}, {1, 2, 3}, {127, 255, 1}, {85, 107, 48}, {240, 240, 239}};
  int x = 2;
  for (const QColor& c : odd) {
    s.fills.push_back({QRect(x, 5, 14, 30), c});
    x += 19;
  }
  const LoadedPicture p = decodePicture(wmfOf(s));
  ASSERT_TRUE(p.ok()) << text(p.error);
  for (const Fill& f : s.fills) {
    EXPECT_EQ(p.image.pixelColor(f.rect.center()).name().toStdString(), f.colour.name().toStdString());
  }
}

TEST(Metafiles, BitmapsAndTextInsideAMetafileAreDrawn) {
  const Scene s = sampleScene();
  const TextAndBitmap extra;
  for (const auto& [what, bytes] : {std::pair<const char*, QByteArray>{"wmf", wmfWithTextAndBitmap(s, extra)},
                                    {"emf", emfWithTextAndBitmap(s, extra)}}) {
    const LoadedPicture p = decodePicture(bytes);
    expectScene(p, s, what, 10);
    if (!p.ok()) continue;
    const QPoint middle = extra.bitmapAt.center();
    EXPECT_TRUE(near(p.image.pixelColor(middle), extra.bitmapColour, 10))
        << what << " bitmap: " << text(p.image.pixelColor(middle).name());
    // Text is drawn in black somewhere in its line, and only there.
    int dark = 0;
    const QRect line(extra.textAt, QSize(extra.textHeight * int(extra.text.size()), extra.textHeight + 4));
    for (int y = 0; y < p.image.height(); ++y)
      for (int x = 0; x < p.image.width(); ++x)
        if (QColor(p.image.pixel(x, y)).value() < 80) {
          EXPECT_TRUE(line.contains(x, y)) << what << " dark pixel at " << x << "," << y;
          ++dark;
        }
    EXPECT_GT(dark, 20) << what << ": the text is missing";
  }
}

TEST(Metafiles, ADecimalCommaLocaleDrawsTheSamePicture) {
  const Scene s = sampleScene();
  const QImage wmfInC = decodePicture(wmfOf(s)).image;
  const QImage emfInC = decodePicture(emfOf(s)).image;
  ASSERT_FALSE(wmfInC.isNull());
  ASSERT_FALSE(emfInC.isNull());

  const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
  if (!std::setlocale(LC_NUMERIC, "it_IT.UTF-8") && !std::setlocale(LC_NUMERIC, "it_IT")) {
    GTEST_SKIP() << "no Italian locale installed";
  }
  const bool comma = std::localeconv()->decimal_point[0] == ',';
  // The metafile renderer takes its locale from the environment, as the programs do.
  const QByteArray previousEnv = qgetenv("LC_ALL");
  qputenv("LC_ALL", "it_IT.UTF-8");
  const LoadedPicture wmf = decodePicture(wmfOf(s));
  const LoadedPicture emf = decodePicture(emfOf(s));
  if (previousEnv.isNull())
    qunsetenv("LC_ALL");
  else
    qputenv("LC_ALL", previousEnv);
  const std::string during = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, previous.c_str());

  ASSERT_TRUE(comma) << "the Italian locale writes a decimal point";
  EXPECT_EQ(during.substr(0, 5), "it_IT") << "the loader must not change the program's locale";
  ASSERT_TRUE(wmf.ok()) << text(wmf.error);
  ASSERT_TRUE(emf.ok()) << text(emf.error);
  EXPECT_TRUE(wmf.image == wmfInC);
  EXPECT_TRUE(emf.image == emfInC);
}

TEST(DamagedPictures, TruncatedFilesOfEveryKindAreRefusedWithAReason) {
  for (const Sample& k : everyKind()) {
    const qsizetype n = k.bytes.size();
    // A GIF's last byte is its trailer, which nothing after the first image needs.
    const qsizetype lastCut = std::string(k.name) == "gif" ? n - 2 : n - 1;
    for (qsizetype cut : {qsizetype(1), qsizetype(5), qsizetype(30), qsizetype(60), n / 2, n - 20, lastCut}) {
      if (cut <= 0 || cut >= n) continue;
      expectRefused(decodePicture(k.bytes.left(cut)), std::string(k.name) + " cut at " + std::to_string(cut));
    }
  }
}

TEST(DamagedPictures, EmptyTextMissingAndFolderAreNotPictures) {
  QTemporaryDir dir;
  expectRefused(loadPicture(writeFile(dir, "empty.bmp", QByteArray())), "empty file");
  expectRefused(loadPicture(writeFile(dir, "notes.jpg", "Le differenze sono cinque.\n")), "text file");
  expectRefused(loadPicture(dir.filePath("missing.bmp")), "missing file");
  expectRefused(loadPicture(dir.filePath("(none)")), "unassigned name");
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.gif"));
  expectRefused(loadPicture(dir.filePath("folder.gif")), "folder");
  // A file the loader cannot open says which one, and why in Italian.
  const QString why = loadPicture(dir.filePath("missing.bmp")).error;
  EXPECT_TRUE(why.contains("missing.bmp")) << text(why);
  EXPECT_FALSE(why.contains("No such file")) << text(why);
}

TEST(DamagedPictures, HugeAnnouncedSizesAreRefusedFromTheHeader) {
  const Scene s = sampleScene();
  std::vector<Sample> huge;

  QByteArray bmp = bmpOf(s);
  put32(bmp, 18, 100000);
  put32(bmp, 22, 100000);
  huge.push_back({"bmp", bmp});

  QByteArray jpeg = jpegOf(s);
  const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
  ASSERT_GT(frame, 0);
  put16BigEndian(jpeg, frame + 5, 60000);
  put16BigEndian(jpeg, frame + 7, 60000);
  huge.push_back({"jpeg", jpeg});

  QByteArray gif = gifOf(s);
  put16(gif, 6, 65535);
  put16(gif, 8, 65535);
  huge.push_back({"gif", gif});

  QByteArray wmf = wmfOf(s);
  put16(wmf, 10, 30000);  // right edge of the frame
  put16(wmf, 14, 1);      // one unit to the inch: 96 pixels a unit
  huge.push_back({"wmf", wmf});

  QByteArray emf = emfOf(s);
  put32(emf, 32, 2000000000);  // frame right edge, 0.01 mm
  huge.push_back({"emf", emf});

  for (const Sample& k : huge) {
    const LoadedPicture p = decodePicture(k.bytes);
    expectRefused(p, k.name);
    EXPECT_TRUE(p.error.contains("grande")) << k.name << ": " << text(p.error);
  }
  // The largest size still shown.
  const Scene large{QSize(8192, 16), {{QRect(8000, 2, 100, 10), QColor(0, 0, 255)}}};
  expectScene(decodePicture(emfOf(large)), large, "8192 wide emf", 10);
}

TEST(DamagedPictures, PicturesWithoutASizeAreRefused) {
  const Scene s = sampleScene();
  QByteArray bmp = bmpOf(s);
  put32(bmp, 18, 0);
  expectRefused(decodePicture(bmp), "bitmap of width 0");

  QByteArray wmf = wmfOf(s);
  put16(wmf, 10, 0);  // right edge on the left edge
  expectRefused(decodePicture(wmf), "wmf of width 0");
  QByteArray noInch = wmfOf(s);
  put16(noInch, 14, 0);
  expectRefused(decodePicture(noInch), "wmf without units per inch");

  QByteArray plain = wmfOf(s, WmfHeader::Plain);
  const qsizetype extent = wmfRecordAt(plain, 0x020C);
  ASSERT_GT(extent, 0);
  put16(plain, extent + 6, 0);  // window height
  expectRefused(decodePicture(plain), "plain wmf with a window of height 0");

  QByteArray emf = emfOf(s);
  for (int i = 0; i < 4; ++i) put32(emf, 24 + 4 * i, 0);  // no frame, and bounds inside out
  put32(emf, 8, 10);
  put32(emf, 12, 10);
  put32(emf, 16, quint32(-20));
  put32(emf, 20, 5);
  expectRefused(decodePicture(emf), "emf with inverted bounds and no frame");
}

TEST(DamagedPictures, MetafileRecordsThatOverstateTheirPointsAreRefused) {
  const Scene s = sampleScene();
  const std::vector<QPoint> triangle{{5, 70}, {20, 70}, {12, 60}};

  // A sound polygon first, then the same file with its point count overstated.
  const auto overstate = [](QByteArray file, qsizetype record, const std::function<void(QByteArray&, qsizetype)>& lie,
                            const char* label) {
    ASSERT_TRUE(decodePicture(file).ok()) << label << ": " << text(decodePicture(file).error);
    ASSERT_GT(record, 0) << label;
    lie(file, record);
    expectRefused(decodePicture(file), label);
  };
  const QByteArray wmf = wmfWithPolygon(s, triangle);
  overstate(
      wmf, wmfRecordAt(wmf, 0x0324), [](QByteArray& b, qsizetype at) { put16(b, at + 6, 20000); },
      "wmf polygon claiming 20000 points");
  const QByteArray emf = emfWithPolygon(s, triangle);
  overstate(
      emf, emfRecordAt(emf, 3), [](QByteArray& b, qsizetype at) { put32(b, at + 24, 100000); },
      "emf polygon claiming 100000 points");

  QByteArray emfTooLong = emfOf(s);
  const qsizetype rect = emfRecordAt(emfTooLong, 43);
  ASSERT_GT(rect, 0);
  put32(emfTooLong, rect + 4, 0x7FFFFFF0);
  expectRefused(decodePicture(emfTooLong), "emf record longer than the file");
}

TEST(DamagedPictures, ScrambledBytesNeverCrashTheLoader) {
  std::mt19937 random(20240601);
  for (const Sample& k : everyKind()) {
    for (int round = 0; round < 60; ++round) {
      QByteArray b = k.bytes;
      const int changes = 1 + int(random() % 8);
      for (int i = 0; i < changes; ++i) b[qsizetype(random() % quint32(b.size()))] = char(random() & 0xFF);
      const LoadedPicture p = decodePicture(b);
      if (p.ok()) {
        EXPECT_LE(p.image.width(), 8192) << k.name << " round " << round;
      } else {
        EXPECT_FALSE(p.error.isEmpty()) << k.name << " round " << round;
      }
    }
  }
}
