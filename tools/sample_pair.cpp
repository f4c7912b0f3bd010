#include "tools/sample_pair.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "tools/scene_painter.h"
#include "tools/seeded_random.h"

namespace sample_maker {

namespace {

int changedPixels(const QImage& a, const QImage& b, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) {
      count += rowA[x] != rowB[x] ? 1 : 0;
    }
  }
  return count;
}

// Additions first: a later removal must not take away the object an addition is
// painted under.
std::vector<SceneChange> inApplyingOrder(std::vector<SceneChange> changes) {
  std::stable_partition(changes.begin(), changes.end(),
                        [](const SceneChange& c) { return c.kind == SceneChange::Kind::Add; });
  return changes;
}

}  // namespace

std::string SamplePair::originalFile() const { return name + "." + fileExtension(originalFormat); }

std::string SamplePair::copyFile() const { return name + "_C." + fileExtension(copyFormat); }

QRect differenceRectangle(const Scene& scene, const SceneChange& change) {
  const QRect picture(0, 0, scene.width, scene.height);
  return changeBounds(scene, change)
      .adjusted(-kDifferenceMargin, -kDifferenceMargin, kDifferenceMargin, kDifferenceMargin)
      .intersected(picture);
}

SamplePair choosePair(const SceneDesign& design, std::mt19937& rng) {
  std::vector<std::size_t> order(design.candidates.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    order[i] = i;
  }
  shuffleInPlace(rng, order);

  const bool smooth = paintsSmoothly(design.originalFormat) && paintsSmoothly(design.copyFormat);
  const QImage base = paintScene(design.scene, smooth);
  const double maxArea = kMaxDifferenceShare * design.scene.width * design.scene.height;

  SamplePair pair;
  pair.name = design.name;
  pair.originalFormat = design.originalFormat;
  pair.copyFormat = design.copyFormat;
  pair.original = design.scene;
  std::set<std::string> usedObjects;
  for (std::size_t i : order) {
    if (static_cast<int>(pair.changes.size()) == kDifferencesPerPair) {
      break;
    }
    const SceneChange& change = design.candidates[i];
    if (usedObjects.count(change.object) != 0) {
      continue;
    }
    const QRect rect = differenceRectangle(design.scene, change);
    if (rect.isEmpty() || static_cast<double>(rect.width()) * rect.height() > maxArea) {
      continue;
    }
    const bool overlaps = std::any_of(pair.differences.begin(), pair.differences.end(),
                                      [&](const QRect& taken) { return taken.intersects(rect); });
    if (overlaps) {
      continue;
    }
    if (changedPixels(base, paintScene(applyChange(design.scene, change), smooth), rect) < kMinChangedPixels) {
      continue;
    }
    usedObjects.insert(change.object);
    pair.changes.push_back(change);
    pair.differences.push_back(rect);
  }
  if (static_cast<int>(pair.changes.size()) < kDifferencesPerPair) {
    throw std::runtime_error("the scene '" + design.name + "' offers only " + std::to_string(pair.changes.size()) +
                             " usable changes");
  }

  pair.copy = design.scene;
  for (const SceneChange& change : inApplyingOrder(pair.changes)) {
    pair.copy = applyChange(pair.copy, change);
  }
  return pair;
}

}  // namespace sample_maker
