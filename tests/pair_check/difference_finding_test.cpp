// SPDX-License-Identifier: GPL-2.0-or-later
// Where the pictures of drawn pairs differ: each change found once, in every format the
// game shows, and nothing found where only compression noise differs.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <algorithm>

#include "support/drawn_pairs.h"
#include "pair_check/pair_checker.h"
#include "pair_check/proposal.h"
#include "pair_check/stored_pair.h"
#include "support/temp_app_folder.h"

using namespace drawn_pairs;
using pair_check::Difference;

namespace {
pair_check::PairReport checkSaved(const test_support::TempAppFolder& folder, const DrawnPair& pair, const char* format,
                                  const std::vector<pair_check::Rect>& rects = {}) {
  const auto [original, copy] = save(folder, pair, QStringLiteral("coppia"), format);
  return pair_check::checkPair(pair_check::loadSide(folder.dir(), original.toStdString()),
                               pair_check::loadSide(folder.dir(), copy.toStdString()), rects);
}

}  // namespace

class FiveChangesIn : public ::testing::TestWithParam<const char*> {};

TEST_P(FiveChangesIn, EachChangeIsFoundOnceAndNothingElse) {
  test_support::TempAppFolder folder;
  const DrawnPair pair = fiveChanges();
  const pair_check::PairReport report = checkSaved(folder, pair, GetParam());
  ASSERT_EQ(report.size, QSize(kWidth, kHeight));
  ASSERT_EQ(report.differences.size(), 5u) << drawn_pairs::describe(report.differences);
  for (const QRect& change : pair.changes) {
    int meeting = 0;
    for (const Difference& d : report.differences) meeting += meets(d, change) ? 1 : 0;
    EXPECT_EQ(meeting, 1) << "change at " << change.x() << "," << change.y()
                          << drawn_pairs::describe(report.differences);
  }
  for (const Difference& d : report.differences) {
    // Nothing far from a change: the noise of a lossy format stays within its 16-pixel blocks.
    bool near = false;
    for (const QRect& change : pair.changes) {
      const QRect box(QPoint(int(d.box.x1), int(d.box.y1)), QPoint(int(d.box.x2), int(d.box.y2)));
      near = near || change.adjusted(-16, -16, 16, 16).contains(box);
    }
    EXPECT_TRUE(near) << drawn_pairs::describe({d});
  }
  // Largest first.
  for (size_t i = 1; i < report.differences.size(); ++i) {
    EXPECT_GE(report.differences[i - 1].pixels, report.differences[i].pixels);
  }
}

TEST_P(FiveChangesIn, ProposedRectanglesHoldEachChangeAndPassTheirOwnCheck) {
  test_support::TempAppFolder folder;
  const DrawnPair pair = fiveChanges();
  const pair_check::PairReport first = checkSaved(folder, pair, GetParam());
  const std::vector<pair_check::Proposal> proposals = pair_check::proposeRects(first);
  ASSERT_EQ(proposals.size(), 5u);
  std::vector<pair_check::Rect> rects;
  for (const auto& p : proposals) {
    EXPECT_FALSE(p.replaces);
    rects.push_back(p.rect);
  }
  for (const QRect& change : pair.changes) {
    // Every pixel of the changed object is a hit under the game's strict test.
    int holding = 0;
    for (const auto& r : rects) {
      holding += (r.x1 < change.left() && change.right() < r.x2 && r.y1 < change.top() && change.bottom() < r.y2);
    }
    EXPECT_EQ(holding, 1) << "change at " << change.x() << "," << change.y();
  }
  const pair_check::PairReport second = checkSaved(folder, pair, GetParam(), rects);
  EXPECT_TRUE(second.sound()) << second.problems.size() << " problems, first kind "
                              << pair_check::kindName(second.problems.front().kind);
  EXPECT_TRUE(pair_check::proposeRects(second).empty());
}

INSTANTIATE_TEST_SUITE_P(Formats, FiveChangesIn, ::testing::Values("BMP", "JPEG", "GIF"));

TEST(DifferenceTuning, ARecolouringOf25LevelsOverTwelvePixelsSquareIsFoundInJpeg) {
  test_support::TempAppFolder folder;
  const pair_check::PairReport report = checkSaved(folder, recolouredPatch(QRect(200, 240, 12, 12), 25), "JPEG");
  ASSERT_EQ(report.differences.size(), 1u) << drawn_pairs::describe(report.differences);
  EXPECT_TRUE(meets(report.differences[0], QRect(200, 240, 12, 12)));
}

TEST(DifferenceTuning, JpegNoiseOfTheSamePictureIsNoDifference) {
  // The same scene encoded twice at different qualities: every block differs a little.
  test_support::TempAppFolder folder;
  const DrawnPair pair = fiveChanges();
  QByteArray high, low;
  for (auto [quality, bytes] : {std::pair<int, QByteArray*>{95, &high}, {75, &low}}) {
    QBuffer buffer(bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(pair.original.save(&buffer, "JPEG", quality));
  }
  folder.writeFile("a.jpg", high);
  folder.writeFile("b.jpg", low);
  const auto report = pair_check::checkPair(pair_check::loadSide(folder.dir(), "a.jpg"),
                                            pair_check::loadSide(folder.dir(), "b.jpg"), {});
  EXPECT_TRUE(report.differences.empty()) << drawn_pairs::describe(report.differences);
}

TEST(DifferenceTuning, ACopyEditedFromTheDecodedJpegShowsOnlyItsChanges) {
  // As an author makes a copy: open the JPEG, paint the changes, save it again.
  test_support::TempAppFolder folder;
  const DrawnPair pair = fiveChanges();
  const auto [original, unused] = save(folder, pair, QStringLiteral("foto"), "JPEG");
  QImage edited =
      pair_check::loadSide(folder.dir(), original.toStdString()).image.convertToFormat(QImage::Format_RGB32);
  {
    QPainter painter(&edited);
    for (const QRect& change : pair.changes) painter.drawImage(change.topLeft(), pair.copy.copy(change));
  }
  folder.writePicture("foto_modificata.jpg", edited, "JPEG");
  const auto report = pair_check::checkPair(pair_check::loadSide(folder.dir(), original.toStdString()),
                                            pair_check::loadSide(folder.dir(), "foto_modificata.jpg"), {});
  ASSERT_EQ(report.differences.size(), 5u) << drawn_pairs::describe(report.differences);
  for (const QRect& change : pair.changes) {
    EXPECT_EQ(std::count_if(report.differences.begin(), report.differences.end(),
                            [&](const Difference& d) { return meets(d, change); }),
              1);
  }
}

TEST(DifferenceTuning, SpecksAreDroppedAndNearbyChangesOfOneObjectJoin) {
  DrawnPair speck = recolouredPatch(QRect(100, 100, 2, 2), 120);
  auto report = pair_check::checkPair({speck.original, {}}, {speck.copy, {}}, {});
  EXPECT_TRUE(report.differences.empty()) << drawn_pairs::describe(report.differences);

  // An object with a 3-pixel gap through it is still one object.
  DrawnPair split = recolouredPatch(QRect(100, 100, 20, 20), 80);
  for (int y = 100; y < 120; ++y) {
    for (int x = 109; x < 112; ++x) split.copy.setPixel(x, y, split.original.pixel(x, y));
  }
  report = pair_check::checkPair({split.original, {}}, {split.copy, {}}, {});
  ASSERT_EQ(report.differences.size(), 1u) << drawn_pairs::describe(report.differences);
  EXPECT_EQ(report.differences[0].box.x1, 100);
  EXPECT_EQ(report.differences[0].box.x2, 119);
  // Two objects well apart stay two.
  DrawnPair two = recolouredPatch(QRect(100, 100, 20, 20), 80);
  QPainter(&two.copy).fillRect(QRect(200, 300, 20, 20), Qt::red);
  report = pair_check::checkPair({two.original, {}}, {two.copy, {}}, {});
  EXPECT_EQ(report.differences.size(), 2u) << drawn_pairs::describe(report.differences);
}

TEST(DifferenceTuning, IdenticalPicturesOfAnyFormatHaveNoDifference) {
  const DrawnPair pair = fiveChanges();
  const QImage indexed = pair.original.convertToFormat(QImage::Format_Indexed8);
  const auto report =
      pair_check::checkPair({indexed, {}}, {pair.original.convertToFormat(QImage::Format_RGB888), {}}, {});
  EXPECT_TRUE(report.differences.empty()) << drawn_pairs::describe(report.differences);
}
