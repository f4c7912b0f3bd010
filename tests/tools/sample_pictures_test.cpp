// The pictures of the sample pairs: the copy differs from the original exactly inside
// its five rectangles, in every format, and every picture loads as the game loads it.
#include <gtest/gtest.h>

#include <QImage>

#include <set>

#include "tools/sample_test_helpers.h"
#include "tools/picture_format.h"
#include "tools/sample_catalogue.h"
#include "tools/sample_designs.h"
#include "tools/scene_painter.h"
#include "toolkit/picture_loader.h"

using sample_maker::PictureFormat;
using sample_maker::SamplePair;

namespace {

QImage load(const std::string& path) {
  const auto loaded = toolkit::loadPicture(QString::fromStdString(path));
  EXPECT_TRUE(loaded.ok()) << path << ": " << loaded.error.toStdString();
  return loaded.image.convertToFormat(QImage::Format_RGB32);
}

bool isExact(PictureFormat f) { return f == PictureFormat::Bmp || f == PictureFormat::Gif; }

class SamplePictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    made_ = sample_tests::makeFolder(sample_maker::kDefaultSeed).release();
    pairs_ = new std::vector<SamplePair>(sample_maker::makeSamplePairs(sample_maker::kDefaultSeed));
  }
  static void TearDownTestSuite() {
    delete made_;
    delete pairs_;
  }
  static sample_tests::MadeFolder* made_;
  static std::vector<SamplePair>* pairs_;
};
sample_tests::MadeFolder* SamplePictures::made_ = nullptr;
std::vector<SamplePair>* SamplePictures::pairs_ = nullptr;

}  // namespace

TEST_F(SamplePictures, EveryPictureLoadsAtItsSceneSizeWithinThePictureArea) {
  for (const SamplePair& pair : *pairs_) {
    for (const std::string& name : {pair.originalFile(), pair.copyFile()}) {
      const QImage image = load(made_->picture(name));
      EXPECT_EQ(image.size(), QSize(pair.original.width, pair.original.height)) << name;
      EXPECT_LE(image.width(), 380) << name;
      EXPECT_LE(image.height(), 436) << name;
    }
  }
  const QImage gameOver = load(made_->file("GameOver.bmp"));
  EXPECT_LE(gameOver.width(), 385);
  EXPECT_LE(gameOver.height(), 441);
}

TEST_F(SamplePictures, LosslessCopiesDifferExactlyInsideTheRectangles) {
  int checked = 0;
  for (const SamplePair& pair : *pairs_) {
    if (!isExact(pair.originalFormat)) {
      continue;
    }
    ++checked;
    const QImage original = load(made_->picture(pair.originalFile()));
    const QImage copy = load(made_->picture(pair.copyFile()));
    EXPECT_EQ(sample_tests::differingOutside(original, copy, pair.differences), 0) << pair.name;
    for (const QRect& r : pair.differences) {
      EXPECT_GE(sample_tests::differingPixels(original, copy, r), sample_maker::kMinChangedPixels)
          << pair.name << " rectangle " << r.x() << "," << r.y();
    }
  }
  EXPECT_GE(checked, 3) << "the BMP and GIF pairs";
}

TEST_F(SamplePictures, JpegPairsDifferInsideTheRectanglesAndKeepTheirScene) {
  int checked = 0;
  for (const SamplePair& pair : *pairs_) {
    if (pair.originalFormat != PictureFormat::Jpeg) {
      continue;
    }
    ++checked;
    const QImage painted = sample_maker::paintScene(pair.original, true);
    const QImage paintedCopy = sample_maker::paintScene(pair.copy, true);
    EXPECT_EQ(sample_tests::differingOutside(painted, paintedCopy, pair.differences), 0) << pair.name;
    for (const QRect& r : pair.differences) {
      EXPECT_GE(sample_tests::differingPixels(painted, paintedCopy, r), sample_maker::kMinChangedPixels) << pair.name;
    }
    // The files are those scenes, up to the compression's small errors.
    const QImage original = load(made_->picture(pair.originalFile()));
    const QImage copy = load(made_->picture(pair.copyFile()));
    EXPECT_LT(sample_tests::meanChannelDifference(original, painted), 3.0) << pair.name;
    EXPECT_LT(sample_tests::meanChannelDifference(copy, paintedCopy), 3.0) << pair.name;
    EXPECT_LT(sample_tests::differingOutside(original, copy, pair.differences, 40), 50) << pair.name;
  }
  EXPECT_GE(checked, 1);
}

TEST_F(SamplePictures, MetafilePairShowsTheSceneAndItsChanges) {
  int checked = 0;
  for (const SamplePair& pair : *pairs_) {
    if (pair.originalFormat != PictureFormat::Wmf) {
      continue;
    }
    ++checked;
    EXPECT_EQ(pair.copyFormat, PictureFormat::Emf);
    const QImage original = load(made_->picture(pair.originalFile()));
    const QImage copy = load(made_->picture(pair.copyFile()));
    const QImage painted = sample_maker::paintScene(pair.original, true);
    const QImage paintedCopy = sample_maker::paintScene(pair.copy, true);
    // Rendered through other libraries: the same picture but for edge pixels.
    EXPECT_LT(sample_tests::meanChannelDifference(original, painted), 3.0) << "WMF against its scene";
    EXPECT_LT(sample_tests::meanChannelDifference(copy, paintedCopy), 3.0) << "EMF against its scene";
    const int outside = sample_tests::differingOutside(original, copy, pair.differences, 60);
    EXPECT_LT(outside, original.width() * original.height() / 100) << "WMF and EMF agree outside the rectangles";
    for (const QRect& r : pair.differences) {
      EXPECT_GE(sample_tests::differingPixels(original, copy, r), sample_maker::kMinChangedPixels)
          << "a change in " << r.x() << "," << r.y() << " shows in the metafiles";
    }
  }
  EXPECT_EQ(checked, 1);
}
