// SPDX-License-Identifier: GPL-2.0-or-later
// Rules of the game that need no window: the hit test, the markers, the score text,
// the uniform pick and the choice of a showable pair.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "game/click_rules.h"
#include "game/game_random.h"
#include "game/pair_chooser.h"

using namespace game;
using picture_db::DifferenceRect;

namespace {
DifferenceRect rect(double x1, double y1, double x2, double y2) {
  DifferenceRect r;
  r.x1 = x1;
  r.y1 = y1;
  r.x2 = x2;
  r.y2 = y2;
  return r;
}
}  // namespace

TEST(ClickRules, HitsOnlyStrictlyInside) {
  const auto r = rect(10, 20, 30, 40);
  EXPECT_TRUE(clickHits(r, 11, 21));
  EXPECT_TRUE(clickHits(r, 29.5, 39.5));
  EXPECT_FALSE(clickHits(r, 10, 25));  // on each edge
  EXPECT_FALSE(clickHits(r, 30, 25));
  EXPECT_FALSE(clickHits(r, 20, 20));
  EXPECT_FALSE(clickHits(r, 20, 40));
  EXPECT_FALSE(clickHits(r, -5, -5));
  EXPECT_FALSE(clickHits(rect(0, 0, 0, 0), 0, 0));  // a new, unmarked rectangle
  auto open = r;
  open.y2.reset();
  EXPECT_FALSE(clickHits(open, 20, 30));
}

TEST(ClickRules, MarkersFillFromTheLeft) {
  FoundMarkers m;
  EXPECT_EQ(m.lowestFree(), 0);
  m.use(0);
  m.use(2);
  EXPECT_EQ(m.lowestFree(), 1);
  m.use(1);
  m.use(3);
  m.use(4);
  EXPECT_EQ(m.lowestFree(), std::nullopt);
  EXPECT_EQ(m.usedCount(), 5);
  m.reset();
  EXPECT_EQ(m.usedCount(), 0);
}

TEST(GameRandom, SameSeedSamePicksAndIndexStaysInRange) {
  GameRandom a(4242), b(4242), c(4243);
  std::vector<std::size_t> fromA, fromB, fromC;
  for (int i = 0; i < 50; ++i) {
    fromA.push_back(a.pickIndex(7));
    fromB.push_back(b.pickIndex(7));
    fromC.push_back(c.pickIndex(7));
  }
  EXPECT_EQ(fromA, fromB);
  EXPECT_NE(fromA, fromC);
  for (auto i : fromA) EXPECT_LT(i, 7u);
  GameRandom one(1);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(one.pickIndex(1), 0u);
}

TEST(GameRandom, PickIsTheWholePartOfRTimesN) {
  // The pick is floor(r x n) of the next real of the same sequence.
  GameRandom reals(99), picks(99);
  for (int i = 0; i < 200; ++i) {
    const double r = reals.nextReal();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
    EXPECT_EQ(picks.pickIndex(3), static_cast<std::size_t>(r * 3));
  }
}

TEST(GameRandom, EveryCandidateHasTheSameChance) {
  GameRandom random(20240101);
  std::map<std::size_t, int> counts;
  const int draws = 30000;
  for (int i = 0; i < draws; ++i) ++counts[random.pickIndex(3)];
  ASSERT_EQ(counts.size(), 3u);
  for (const auto& [index, count] : counts) {
    EXPECT_NEAR(count, draws / 3.0, draws * 0.015) << "index " << index;
  }
}

TEST(GameRandom, ColourComponentsStayBelow255) {
  GameRandom random(5);
  std::set<int> seen;
  for (int i = 0; i < 20000; ++i) {
    const int c = random.colourComponent();
    ASSERT_GE(c, 0);
    ASSERT_LE(c, 254);
    seen.insert(c);
  }
  EXPECT_EQ(seen.size(), 255u);
}

namespace {
struct FakeSource {
  std::map<picture_db::PairId, picture_db::PictureRecord> rows;
  std::set<std::string> readable;
  std::vector<picture_db::PairId> asked;
  PairSource source() {
    PairSource s;
    s.record = [this](picture_db::PairId id) -> std::optional<picture_db::PictureRecord> {
      asked.push_back(id);
      auto it = rows.find(id);
      if (it == rows.end()) return std::nullopt;
      return it->second;
    };
    s.picture = [this](const std::string& name) {
      if (!readable.count(name)) return QImage();
      QImage img(4, 4, QImage::Format_RGB32);
      img.fill(Qt::red);
      return img;
    };
    return s;
  }
};
}  // namespace

TEST(PairChooser, LeavesOutPairsThatCannotBeShownAndDrawsAgain) {
  FakeSource fake;
  fake.rows[1] = {1, "(none)", "(none)"};
  fake.rows[2] = {2, "a.bmp", "missing.bmp"};
  fake.rows[3] = {3, "b.bmp", "b_C.bmp"};
  fake.readable = {"a.bmp", "b.bmp", "b_C.bmp"};
  for (std::uint32_t seed = 0; seed < 20; ++seed) {
    GameRandom random(seed);
    fake.asked.clear();
    auto chosen = chooseShowablePair({1, 2, 3, 4}, random, fake.source());  // 4 has no FOTO row
    ASSERT_TRUE(chosen) << "seed " << seed;
    EXPECT_EQ(chosen->record.id, 3);
    EXPECT_FALSE(chosen->original.isNull());
    EXPECT_FALSE(chosen->copy.isNull());
    EXPECT_EQ(std::set<picture_db::PairId>(fake.asked.begin(), fake.asked.end()).size(), fake.asked.size())
        << "a pair left out is not drawn again";
  }
}

TEST(PairChooser, NothingWhenNoCandidateCanBeShown) {
  FakeSource fake;
  fake.rows[1] = {1, "(none)", "(none)"};
  GameRandom random(3);
  EXPECT_FALSE(chooseShowablePair({1, 2}, random, fake.source()));
  EXPECT_FALSE(chooseShowablePair({}, random, fake.source()));
  EXPECT_EQ(fake.asked.size(), 2u);
}

namespace {
// Candidates stored at chosen row numbers of a table of 100 rows.
CandidateSource rowsOf(const std::map<std::int64_t, picture_db::PairId>& candidates, int* listed) {
  CandidateSource c;
  c.rowRange = [] { return std::optional<std::pair<std::int64_t, std::int64_t>>({1, 100}); };
  c.candidateAtRow = [candidates](std::int64_t row) -> std::optional<picture_db::PairId> {
    auto it = candidates.find(row);
    if (it == candidates.end()) return std::nullopt;
    return it->second;
  };
  c.all = [candidates, listed] {
    ++*listed;
    std::vector<picture_db::PairId> ids;
    for (const auto& [row, id] : candidates) ids.push_back(id);
    return ids;
  };
  return c;
}
}  // namespace

TEST(PairDraw, EveryCandidateHasTheSameChanceWhetherDrawnByRowOrFromTheList) {
  FakeSource fake;
  for (picture_db::PairId id : {1, 2, 3}) {
    fake.rows[id] = {id, "p" + std::to_string(id), "p" + std::to_string(id) + "_C"};
    fake.readable.insert({"p" + std::to_string(id), "p" + std::to_string(id) + "_C"});
  }
  // Three candidates among 100 rows: most draws miss and fall back to the list.
  int listed = 0;
  const CandidateSource sparse = rowsOf({{5, 1}, {50, 2}, {97, 3}}, &listed);
  std::map<picture_db::PairId, int> picked;
  constexpr int kDraws = 3000;
  GameRandom random(11);
  for (int i = 0; i < kDraws; ++i) ++picked[drawShowablePair(sparse, random, fake.source())->record.id];
  for (picture_db::PairId id : {1, 2, 3}) {
    EXPECT_NEAR(picked[id], kDraws / 3, kDraws / 20) << "pair " << id;
  }
  EXPECT_GT(listed, 0) << "the list is the fallback";

  // Every row a candidate, as at every start: found without listing.
  std::map<std::int64_t, picture_db::PairId> full;
  for (std::int64_t row = 1; row <= 100; ++row) full[row] = static_cast<picture_db::PairId>(1 + row % 3);
  listed = 0;
  picked.clear();
  for (int i = 0; i < kDraws; ++i) ++picked[drawShowablePair(rowsOf(full, &listed), random, fake.source())->record.id];
  EXPECT_EQ(listed, 0);
  for (picture_db::PairId id : {1, 2, 3}) EXPECT_NEAR(picked[id], kDraws / 3, kDraws / 20) << "pair " << id;
}

TEST(PairDraw, APairThatCannotBeShownIsLeftOutAndNothingComesWhenNoneCan) {
  FakeSource fake;
  fake.rows[1] = {1, "a.bmp", "missing.bmp"};
  fake.rows[2] = {2, "b.bmp", "b_C.bmp"};
  fake.readable = {"a.bmp", "b.bmp", "b_C.bmp"};
  std::map<std::int64_t, picture_db::PairId> rows;
  for (std::int64_t row = 1; row <= 100; ++row) rows[row] = row <= 90 ? 1 : 2;
  int listed = 0;
  for (std::uint32_t seed = 0; seed < 20; ++seed) {
    GameRandom random(seed);
    auto chosen = drawShowablePair(rowsOf(rows, &listed), random, fake.source());
    ASSERT_TRUE(chosen) << "seed " << seed;
    EXPECT_EQ(chosen->record.id, 2);
  }
  fake.readable = {"a.bmp"};
  GameRandom random(1);
  EXPECT_FALSE(drawShowablePair(rowsOf(rows, &listed), random, fake.source()));
  CandidateSource empty;
  empty.rowRange = [] { return std::optional<std::pair<std::int64_t, std::int64_t>>(); };
  empty.candidateAtRow = [](std::int64_t) { return std::optional<picture_db::PairId>(); };
  empty.all = [] { return std::vector<picture_db::PairId>(); };
  EXPECT_FALSE(drawShowablePair(empty, random, fake.source()));
}
