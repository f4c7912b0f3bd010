// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/sample_pair.h"

#include <QPainter>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "tools/pixel_difference.h"

namespace sample_maker {

namespace {

// Attempts per pair before the scene is judged too poor; far more than any scene needs.
constexpr int kMaxAttempts = 2000;

// The pair check joins changes closer than half the smaller one's size: two changes keep
// at least that much room between them, and never less than kRectangleSpacing.
bool apart(const QRect& r, const std::vector<QRect>& taken) {
  return std::none_of(taken.begin(), taken.end(), [&](const QRect& t) {
    const int smaller = std::min(std::max(r.width(), r.height()), std::max(t.width(), t.height()));
    const int gap = std::max(kRectangleSpacing, smaller / 2 + 2);
    return t.intersects(r.adjusted(-gap, -gap, gap, gap));
  });
}

struct Candidate {
  PieceChange change;
  QRect touched;  // every pixel the change could alter
  QRect rect;
};

// A painting as the game shows it from its file: JPEG loses a little.
QImage asStored(const QImage& painted, bool lossy) {
  if (!lossy) return painted;
  return QImage::fromData(encodeRaster(painted, PictureFormat::Jpeg), "JPG").convertToFormat(QImage::Format_RGB32);
}

struct Base {
  QImage painted;
  QImage stored;
};

bool qualifies(const SceneDesign& design, const Base& base, bool smooth, bool lossy, const PieceChange& change,
               Candidate& out) {
  const bool metafile = isMetafile(design.originalFormat);
  const Scene before = sceneOf(design.layout, metafile);
  const Scene after = sceneOf(applyChange(design.layout, change), metafile);
  const QRect picture(0, 0, design.layout.width, design.layout.height);
  const QRect touched =
      (objectBounds(before, change.piece) | objectBounds(after, change.piece)).adjusted(-2, -2, 2, 2) & picture;
  if (touched.isEmpty()) return false;
  const QImage changed = paintScene(after, smooth);
  const DifferenceShape d = measureDifference(base.painted, changed, touched);
  if (d.bounds.isEmpty() || !d.onePatch || d.strongPixels < kMinStrongPixels ||
      d.strongBounds.width() < kMinChangeSide || d.strongBounds.height() < kMinChangeSide) {
    return false;
  }
  const QRect rect = d.bounds.adjusted(-kDifferenceMargin, -kDifferenceMargin, kDifferenceMargin, kDifferenceMargin);
  if (!picture.adjusted(2, 2, -2, -2).contains(rect) ||
      static_cast<double>(rect.width()) * rect.height() > kMaxDifferenceShare * picture.width() * picture.height()) {
    return false;
  }
  // Lossy pictures are judged as decoded too, around the blocks the change touches.
  if (lossy && !blurredOnePatch(base.stored, asStored(changed, true), touched.adjusted(-8, -8, 8, 8) & picture)) {
    return false;
  }
  out = Candidate{change, touched, rect};
  return true;
}

}  // namespace

bool isMetafile(PictureFormat format) { return format == PictureFormat::Wmf || format == PictureFormat::Emf; }

std::string SamplePair::originalFile() const { return name + "." + fileExtension(originalFormat); }

std::string SamplePair::copyFile() const { return name + "_C." + fileExtension(copyFormat); }

SamplePair makePair(const SceneDesign& design, std::mt19937& rng) {
  const bool metafile = isMetafile(design.originalFormat);
  const bool smooth = paintsSmoothly(design.originalFormat) && paintsSmoothly(design.copyFormat);
  SamplePair pair;
  pair.name = design.name;
  pair.originalFormat = design.originalFormat;
  pair.copyFormat = design.copyFormat;
  pair.original = sceneOf(design.layout, metafile);
  const bool lossy = design.originalFormat == PictureFormat::Jpeg || design.copyFormat == PictureFormat::Jpeg;
  const QImage base = paintScene(pair.original, smooth);
  const Base judged{base, asStored(base, lossy)};

  std::vector<QRect> touched;
  std::set<std::string> usedPieces;
  int perKind[kChangeKinds] = {};
  for (int attempt = 0; attempt < kMaxAttempts && static_cast<int>(pair.changes.size()) < kDifferencesPerPair;
       ++attempt) {
    const auto kind = static_cast<ChangeKind>(pickInt(rng, 0, kChangeKinds - 1));
    PieceChange change;
    if (perKind[static_cast<int>(kind)] >= kMaxChangesOfOneKind ||
        !proposeChange(design.layout, design.extras, kind, rng, change) || usedPieces.count(change.piece) != 0) {
      continue;
    }
    Candidate c;
    // Changes whose pixels could meet would not stay apart once both are made.
    if (!qualifies(design, judged, smooth, lossy, change, c) || !apart(c.rect, pair.differences) ||
        !apart(c.touched, touched)) {
      continue;
    }
    ++perKind[static_cast<int>(kind)];
    usedPieces.insert(change.piece);
    touched.push_back(c.touched);
    pair.changes.push_back(change);
    pair.differences.push_back(c.rect);
  }
  if (static_cast<int>(pair.changes.size()) < kDifferencesPerPair) {
    throw std::runtime_error("the scene '" + design.name + "' offers only " + std::to_string(pair.changes.size()) +
                             " usable changes");
  }
  Layout copy = design.layout;
  for (const PieceChange& change : pair.changes) copy = applyChange(copy, change);
  pair.copy = sceneOf(copy, metafile);

  // Made together, the changes must still show exactly where each showed alone.
  const QImage painted = paintScene(pair.copy, smooth);
  for (std::size_t i = 0; i < pair.differences.size(); ++i) {
    const QRect& r = pair.differences[i];
    const QRect bounds = measureDifference(base, painted, touched[i]).bounds;
    if (bounds.adjusted(-kDifferenceMargin, -kDifferenceMargin, kDifferenceMargin, kDifferenceMargin) != r) {
      throw std::logic_error("the changes of '" + design.name + "' disturb one another");
    }
  }
  QImage outside = painted;
  {
    QPainter p(&outside);
    for (const QRect& t : touched) p.drawImage(t.topLeft(), base.copy(t));
  }
  if (outside != base) throw std::logic_error("the copy of '" + design.name + "' differs outside its changes");
  return pair;
}

}  // namespace sample_maker
