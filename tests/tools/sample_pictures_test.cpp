// SPDX-License-Identifier: GPL-2.0-or-later
// The pictures of the sample pairs as the game loads them: every copy differs from its
// original in exactly five patches, each inside its own rectangle, in every format.
#include <gtest/gtest.h>

#include <QImage>

#include "pair_check/stored_pair.h"
#include "picture_db/check_queries.h"
#include "picture_db/database.h"
#include "tools/sample_test_helpers.h"
#include "tools/picture_format.h"
#include "tools/sample_catalogue.h"
#include "toolkit/picture_loader.h"

using sample_maker::PictureFormat;
using sample_maker::SamplePair;

namespace {

QImage load(const std::string& path) {
  const auto loaded = toolkit::loadPicture(QString::fromStdString(path));
  EXPECT_TRUE(loaded.ok()) << path << ": " << loaded.error.toStdString();
  return loaded.image.convertToFormat(QImage::Format_RGB32);
}

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

TEST_F(SamplePictures, EveryPictureFillsThePictureArea) {
  ASSERT_GE(pairs_->size(), 24u);
  for (const SamplePair& pair : *pairs_) {
    for (const std::string& name : {pair.originalFile(), pair.copyFile()}) {
      EXPECT_EQ(load(made_->picture(name)).size(), QSize(380, 436)) << name;
    }
  }
  const QImage gameOver = load(made_->file("GameOver.bmp"));
  EXPECT_LE(gameOver.width(), 385);
  EXPECT_LE(gameOver.height(), 441);
}

// A checker counting any difference from faint to plain must find the five changes and
// nothing else: lossy compression and the two metafile players add no patch of their own.
TEST_F(SamplePictures, DecodedFilesDifferInExactlyFivePatchesEachInItsRectangle) {
  for (const SamplePair& pair : *pairs_) {
    const QImage original = load(made_->picture(pair.originalFile()));
    const QImage copy = load(made_->picture(pair.copyFile()));
    for (int tolerance : {12, 24}) {
      EXPECT_EQ(sample_tests::judgePair(original, copy, pair.differences, tolerance), "")
          << pair.name << " at tolerance " << tolerance;
    }
    // Outside the rectangles only compression noise of a few levels is left.
    EXPECT_EQ(sample_tests::differingOutside(original, copy, pair.differences, 16), 0) << pair.name;
  }
}

TEST_F(SamplePictures, EveryChangeIsPlainInTheDecodedCopy) {
  for (const SamplePair& pair : *pairs_) {
    const QImage original = load(made_->picture(pair.originalFile()));
    const QImage copy = load(made_->picture(pair.copyFile()));
    for (const QRect& r : pair.differences) {
      EXPECT_GE(sample_tests::differingPixels(original, copy, r, 39), sample_maker::kMinStrongPixels / 2)
          << pair.name << " rectangle at " << r.x() << "," << r.y();
    }
  }
}

TEST_F(SamplePictures, FilesShowTheirScenes) {
  for (const SamplePair& pair : *pairs_) {
    const bool smooth = sample_maker::paintsSmoothly(pair.originalFormat);
    const QImage painted = sample_maker::paintScene(pair.original, smooth);
    const QImage paintedCopy = sample_maker::paintScene(pair.copy, smooth);
    EXPECT_LT(sample_tests::meanChannelDifference(load(made_->picture(pair.originalFile())), painted), 3.0)
        << pair.name;
    EXPECT_LT(sample_tests::meanChannelDifference(load(made_->picture(pair.copyFile())), paintedCopy), 3.0)
        << pair.name;
    if (pair.originalFormat == PictureFormat::Bmp || pair.originalFormat == PictureFormat::Gif) {
      EXPECT_EQ(sample_tests::differingPixels(load(made_->picture(pair.originalFile())), painted, painted.rect()), 0)
          << pair.name << " is stored without loss";
    }
  }
}

// Whatever the seed, the pair checker sees exactly the five chosen differences of each
// pair, in every format, each inside its own rectangle.
TEST(SamplePairCheck, PairsOfOtherSeedsPassThePairCheck) {
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    const auto made = sample_tests::makeFolder(seed);
    auto db = picture_db::Database::openExisting(made->file("images.mdb"));
    const auto pairs = picture_db::allPairsWithDifferences(db);
    ASSERT_EQ(pairs.size(), sample_maker::sampleSceneCount());
    for (const auto& pair : pairs) {
      const pair_check::PairReport report = pair_check::checkStoredPair(made->path(), pair);
      EXPECT_TRUE(report.sound() && report.differences.size() == 5)
          << "seed " << seed << ", " << pair.pair.original << ": " << report.differences.size() << " differences, "
          << report.problems.size() << " problems";
    }
  }
}
