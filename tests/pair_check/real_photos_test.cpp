// SPDX-License-Identifier: GPL-2.0-or-later
// Real photographs edited five times and saved again as an author does: only the edits
// are differences, each exactly once, whatever the quality the copy was saved at.
#include <gtest/gtest.h>

#include <QFile>
#include <string>

#include "pair_check/pair_checker.h"
#include "pair_check/proposal.h"
#include "support/drawn_pairs.h"
#include "support/photo_edits.h"
#include "toolkit/picture_loader.h"

using pair_check::Difference;
using pair_check::Rect;
using photo_edits::EditedPhoto;

namespace {
struct Variant {
  const char* format;
  int quality;
};
const Variant kVariants[] = {{"JPEG", 70}, {"JPEG", 80}, {"JPEG", 90}, {"BMP", -1}};

bool boxMeets(const Difference& d, const QRect& r) {
  return d.box.x1 <= r.right() && r.left() <= d.box.x2 && d.box.y1 <= r.bottom() && r.top() <= d.box.y2;
}

bool holdsPoint(const Difference& d, QPoint p) {
  return d.box.x1 <= p.x() && p.x() <= d.box.x2 && d.box.y1 <= p.y() && p.y() <= d.box.y2;
}

// The rectangle an author draws round an edit: a few pixels of room on every side.
Rect markedAround(const QRect& box) {
  return Rect{double(box.left() - 6), double(box.top() - 6), double(box.right() + 6), double(box.bottom() + 6)};
}

class RealPhotos : public ::testing::TestWithParam<QString> {
 protected:
  void SetUp() override {
    const QStringList names = photo_edits::photoNames();
    ASSERT_GE(names.size(), 10);
    QFile file(photo_edits::photoFolder() + '/' + GetParam());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    originalBytes = file.readAll();
    original = toolkit::decodePicture(originalBytes);
    ASSERT_TRUE(original.ok()) << original.error.toStdString();
    // Something from the next photo is what gets pasted in.
    const QString donorName = names[(names.indexOf(GetParam()) + 1) % names.size()];
    const toolkit::LoadedPicture donor = toolkit::decodePicture([&] {
      QFile d(photo_edits::photoFolder() + '/' + donorName);
      d.open(QIODevice::ReadOnly);
      return d.readAll();
    }());
    ASSERT_TRUE(donor.ok());
    edited = photo_edits::editFiveTimes(original.image, donor.image, int(names.indexOf(GetParam())));
  }

  pair_check::PictureSide copyAs(const Variant& v) const {
    return toolkit::decodePicture(photo_edits::encoded(edited.copy, v.format, v.quality));
  }

  static std::string name(const Variant& v) { return std::string(v.format) + " " + std::to_string(v.quality); }

  QByteArray originalBytes;
  pair_check::PictureSide original;
  EditedPhoto edited;
};
}  // namespace

TEST_P(RealPhotos, EveryEditIsOneDifferenceAndNothingElseIs) {
  for (const Variant& v : kVariants) {
    const pair_check::PairReport report = pair_check::checkPair(original, copyAs(v), {});
    for (const photo_edits::Edit& e : edited.edits) {
      int meeting = 0, holdingCentre = 0;
      for (const Difference& d : report.differences) {
        meeting += boxMeets(d, e.box) ? 1 : 0;
        holdingCentre += holdsPoint(d, e.box.center()) ? 1 : 0;
      }
      EXPECT_EQ(meeting, 1) << name(v) << ": " << photo_edits::editName(e.kind) << " at " << e.box.x() << ","
                            << e.box.y() << " (strength " << e.strength << ")"
                            << drawn_pairs::describe(report.differences);
      EXPECT_EQ(holdingCentre, 1) << name(v) << ": " << photo_edits::editName(e.kind) << " at " << e.box.x() << ","
                                  << e.box.y() << " (strength " << e.strength << ")"
                                  << drawn_pairs::describe(report.differences);
    }
    for (const Difference& d : report.differences) {
      const auto edits = std::count_if(edited.edits.begin(), edited.edits.end(),
                                       [&](const photo_edits::Edit& e) { return boxMeets(d, e.box); });
      EXPECT_EQ(edits, 1) << name(v) << ": a difference on " << edits << " edits:" << drawn_pairs::describe({d});
    }
  }
}

TEST_P(RealPhotos, MarkedPairsAreSoundAndAcceptedProposalsMakeThemSound) {
  std::vector<Rect> marked;
  for (const photo_edits::Edit& e : edited.edits) marked.push_back(markedAround(e.box));
  for (const Variant& v : kVariants) {
    const pair_check::PictureSide copy = copyAs(v);
    const pair_check::PairReport report = pair_check::checkPair(original, copy, marked);
    EXPECT_TRUE(report.sound()) << name(v) << ": " << report.problems.size() << " problems, first "
                                << pair_check::kindName(report.problems.front().kind)
                                << drawn_pairs::describe(report.differences);

    const pair_check::PairReport unmarked = pair_check::checkPair(original, copy, {});
    std::vector<Rect> accepted;
    for (const pair_check::Proposal& p : pair_check::proposeRects(unmarked)) accepted.push_back(p.rect);
    const pair_check::PairReport again = pair_check::checkPair(original, copy, accepted);
    EXPECT_TRUE(again.sound()) << name(v) << ": " << again.problems.size() << " problems after accepting "
                               << accepted.size() << " proposals" << drawn_pairs::describe(unmarked.differences);
    EXPECT_TRUE(pair_check::proposeRects(again).empty()) << name(v);
  }
}

INSTANTIATE_TEST_SUITE_P(Corpus, RealPhotos, ::testing::ValuesIn(photo_edits::photoNames()),
                         [](const ::testing::TestParamInfo<QString>& info) {
                           return info.param.section('.', 0, 0).toStdString();
                         });

TEST_P(RealPhotos, ThePhotoSavedAgainWithoutAnEditHasNoDifference) {
  for (int quality : {60, 70, 85}) {
    const pair_check::PictureSide resaved =
        toolkit::decodePicture(photo_edits::encoded(original.image, "JPEG", quality));
    const pair_check::PairReport report = pair_check::checkPair(original, resaved, {});
    EXPECT_TRUE(report.differences.empty()) << "quality " << quality << drawn_pairs::describe(report.differences);
  }
}
