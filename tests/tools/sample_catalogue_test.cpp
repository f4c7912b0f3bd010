// The delivered scenes: every seed gives six or more pairs of five fair differences.
#include <gtest/gtest.h>

#include <set>

#include "tools/sample_catalogue.h"
#include "tools/sample_designs.h"

using namespace sample_maker;

TEST(SampleCatalogue, EveryCandidateChangeNamesAnObjectOfItsScene) {
  using Design = SceneDesign (*)(std::mt19937&);
  for (Design design : {houseAndTree, harbour, dinnerTable, street, garden, nightSky, beach}) {
    std::mt19937 rng(3);
    const SceneDesign d = design(rng);
    EXPECT_GT(d.candidates.size(), static_cast<std::size_t>(kDifferencesPerPair) + 3) << d.name << ": room to choose";
    EXPECT_EQ(d.scene.width, kSampleWidth);
    EXPECT_EQ(d.scene.height, kSampleHeight);
    for (const SceneChange& c : d.candidates) {
      EXPECT_NO_THROW(applyChange(d.scene, c)) << d.name << ": " << c.object;
    }
  }
}

TEST(SampleCatalogue, ManySeedsGiveCompletePairs) {
  std::set<std::vector<std::string>> choicesOfFirstPair;
  for (std::uint32_t seed = 0; seed < 25; ++seed) {
    const auto pairs = makeSamplePairs(seed);
    ASSERT_GE(pairs.size(), 6u);
    std::set<std::string> names;
    for (const SamplePair& p : pairs) {
      names.insert(p.name);
      ASSERT_EQ(p.changes.size(), 5u) << p.name << " seed " << seed;
      ASSERT_EQ(p.differences.size(), 5u);
      for (std::size_t i = 0; i < 5; ++i) {
        const QRect& r = p.differences[i];
        EXPECT_TRUE(QRect(0, 0, p.original.width, p.original.height).contains(r)) << p.name;
        EXPECT_LE(r.width() * r.height(), kMaxDifferenceShare * p.original.width * p.original.height);
        for (std::size_t j = i + 1; j < 5; ++j) {
          EXPECT_FALSE(r.intersects(p.differences[j])) << p.name << " seed " << seed;
        }
      }
    }
    EXPECT_EQ(names.size(), pairs.size()) << "file names are unique";
    std::vector<std::string> chosen;
    for (const SceneChange& c : pairs.front().changes) {
      chosen.push_back(c.object);
    }
    choicesOfFirstPair.insert(chosen);
  }
  EXPECT_GT(choicesOfFirstPair.size(), 5u) << "the seed chooses the differences";
}

TEST(SampleCatalogue, FormatsOfThePairs) {
  std::multiset<std::pair<PictureFormat, PictureFormat>> formats;
  for (const SamplePair& p : makeSamplePairs(kDefaultSeed)) {
    formats.insert({p.originalFormat, p.copyFormat});
  }
  EXPECT_GE(formats.count({PictureFormat::Jpeg, PictureFormat::Jpeg}), 1u);
  EXPECT_GE(formats.count({PictureFormat::Gif, PictureFormat::Gif}), 1u);
  EXPECT_GE(formats.count({PictureFormat::Bmp, PictureFormat::Bmp}), 1u);
  EXPECT_EQ(formats.count({PictureFormat::Wmf, PictureFormat::Emf}), 1u);
}
