// SPDX-License-Identifier: GPL-2.0-or-later
// The delivered scenes: enough of them, full of things, and every seed gives complete
// pairs of five fair, mixed differences.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tools/sample_catalogue.h"

using namespace sample_maker;

TEST(SampleCatalogue, ManyFullScenesWithRoomToChoose) {
  ASSERT_GE(sampleSceneCount(), 24u);
  std::set<std::string> names;
  for (std::size_t i = 0; i < sampleSceneCount(); ++i) {
    const SceneDesign& d = sampleDesign(i);
    names.insert(d.name);
    EXPECT_EQ(d.layout.width, 380);
    EXPECT_EQ(d.layout.height, 436);
    const auto changeable =
        std::count_if(d.layout.pieces.begin(), d.layout.pieces.end(), [](const Piece& p) { return !p.fixed; });
    EXPECT_GE(changeable, 30) << d.name << " has " << changeable << ": finding a change takes real looking";
    EXPECT_FALSE(d.extras.empty()) << d.name << ": something may be added";
    std::set<std::string> pieceNames;
    for (const Piece& p : d.layout.pieces) pieceNames.insert(p.name);
    EXPECT_EQ(pieceNames.size(), d.layout.pieces.size()) << d.name << ": piece names are unique";
  }
  EXPECT_EQ(names.size(), sampleSceneCount()) << "file names are unique";
}

TEST(SampleCatalogue, ManySeedsGiveCompleteMixedPairs) {
  std::set<std::vector<std::string>> choicesOfFirstPair;
  std::set<ChangeKind> kindsSeen;
  for (std::uint32_t seed = 0; seed < 4; ++seed) {
    const auto pairs = makeSamplePairs(seed);
    ASSERT_EQ(pairs.size(), sampleSceneCount());
    for (const SamplePair& p : pairs) {
      ASSERT_EQ(p.changes.size(), 5u) << p.name << " seed " << seed;
      ASSERT_EQ(p.differences.size(), 5u);
      std::set<ChangeKind> kinds;
      std::set<std::string> pieces;
      for (std::size_t i = 0; i < 5; ++i) {
        kinds.insert(p.changes[i].kind);
        pieces.insert(p.changes[i].piece);
        const QRect& r = p.differences[i];
        EXPECT_TRUE(QRect(1, 1, p.original.width - 2, p.original.height - 2).contains(r)) << p.name << ": off the edge";
        EXPECT_GE(r.width(), kMinChangeSide + 2 * kDifferenceMargin) << p.name;
        EXPECT_GE(r.height(), kMinChangeSide + 2 * kDifferenceMargin) << p.name;
        EXPECT_LE(r.width() * r.height(), kMaxDifferenceShare * p.original.width * p.original.height);
        for (std::size_t j = i + 1; j < 5; ++j) {
          const QRect wide = r.adjusted(-kRectangleSpacing, -kRectangleSpacing, kRectangleSpacing, kRectangleSpacing);
          EXPECT_FALSE(wide.intersects(p.differences[j])) << p.name << " seed " << seed << ": rectangles too close";
        }
      }
      EXPECT_GE(kinds.size(), 3u) << p.name << ": kinds of change are mixed";
      EXPECT_EQ(pieces.size(), 5u) << p.name << ": one change per piece";
      kindsSeen.insert(kinds.begin(), kinds.end());
    }
    std::vector<std::string> chosen;
    for (const PieceChange& c : pairs.front().changes) chosen.push_back(c.piece);
    choicesOfFirstPair.insert(chosen);
  }
  EXPECT_EQ(kindsSeen.size(), static_cast<std::size_t>(kChangeKinds)) << "every kind of change is used";
  EXPECT_EQ(choicesOfFirstPair.size(), 4u) << "the seed chooses the differences";
}

TEST(SampleCatalogue, FormatsOfThePairs) {
  std::multiset<std::pair<PictureFormat, PictureFormat>> formats;
  const auto pairs = makeSamplePairs(kDefaultSeed);
  for (const SamplePair& p : pairs) formats.insert({p.originalFormat, p.copyFormat});
  EXPECT_GT(formats.count({PictureFormat::Jpeg, PictureFormat::Jpeg}), pairs.size() / 2) << "most are JPEG";
  EXPECT_GE(formats.count({PictureFormat::Gif, PictureFormat::Gif}), 1u);
  EXPECT_GE(formats.count({PictureFormat::Bmp, PictureFormat::Bmp}), 1u);
  EXPECT_GE(formats.count({PictureFormat::Wmf, PictureFormat::Emf}), 2u);
}
