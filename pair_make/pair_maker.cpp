// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_make/pair_maker.h"

#include <QBuffer>
#include <QImageWriter>
#include <algorithm>
#include <numeric>
#include <opencv2/imgproc.hpp>
#include <set>

#include "pair_make/change_patch.h"
#include "pair_make/check_bridge.h"
#include "pair_make/photo_fit.h"
#include "pair_make/placement.h"
#include "toolkit/picture_loader.h"

namespace pair_make {

namespace {
constexpr int kSettleRounds = 8;
constexpr int kFreshStarts = 3;
constexpr int kAttemptsPerChange = 90;
constexpr double kFrameArea = double(kFrameWidth) * kFrameHeight;

QRect toQRect(const cv::Rect& r) { return {r.x, r.y, r.width, r.height}; }

QByteArray jpegBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(kJpegQuality);
  if (!writer.write(image)) throw PhotoRefused("la codifica JPEG non è riuscita");
  return bytes;
}

QImage decoded(const QByteArray& bytes) {
  toolkit::LoadedPicture p = toolkit::decodePicture(bytes);
  if (!p.ok()) throw PhotoRefused(p.error.toStdString());
  return p.image;
}

QImage toQImage(const cv::Mat& rgb) {
  return QImage(rgb.data, rgb.cols, rgb.rows, int(rgb.step), QImage::Format_RGB888).copy();
}

QPolygon outlineOf(const Patch& p) {
  std::vector<std::vector<cv::Point>> contours;
  cv::findContours(p.footprint.clone(), contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
  QPolygon outline;
  if (contours.empty()) return outline;
  const auto& largest = *std::max_element(contours.begin(), contours.end(), [](const auto& a, const auto& b) {
    return cv::contourArea(a) < cv::contourArea(b);
  });
  for (const cv::Point& q : largest) outline << QPoint(q.x + p.roi.x, q.y + p.roi.y);
  return outline;
}

// What a player sees of a change: the pixels it turns by more than a just noticeable
// step, their number and their mean colour change (ΔE).
struct Visible {
  int pixels = 0;
  double deltaE = 0;
  cv::Rect box;  // in the frame
};
Visible visibleChange(const Frame& frame, const Patch& p) {
  constexpr float kNoticeable = 5;
  cv::Mat asFloat, lab;
  p.pixels.convertTo(asFloat, CV_32F, 1.0 / 255);
  cv::cvtColor(asFloat, lab, cv::COLOR_RGB2Lab);
  const cv::Mat distance = deltaE(lab, frame.lab(p.roi));
  const cv::Mat changed = (distance > kNoticeable) & p.footprint;
  const int pixels = cv::countNonZero(changed);
  const cv::Rect box = cv::boundingRect(changed);
  return {pixels, pixels ? cv::mean(distance, changed)[0] : 0.0, box + p.roi.tl()};
}
}  // namespace

LevelRules rulesFor(Level level) {
  switch (level) {
    case Level::Facile: return {0.015, 0.05, 15};
    case Level::Normale: return {0.005, 0.03, 15};
    case Level::Difficile: return {0.002, 0.01, 8};
  }
  return {0.005, 0.03, 15};
}

struct PairMaker::State {
  LevelRules rules;
  Random random;
  Frame frame;
  std::vector<Region> regions;
  std::vector<Patch> patches;
  std::vector<int> regionOf;  // per patch
  std::set<int> spent;        // regions drawn once: a redraw looks elsewhere
  QByteArray originalJpeg;
  QImage original;
  MadePair made;

  int minArea() const { return int(rules.minShare * kFrameArea); }
  int maxArea() const { return int(rules.maxShare * kFrameArea); }

  std::vector<QRect> takenExcept(int index) const {
    std::vector<QRect> taken;
    for (size_t i = 0; i < patches.size(); ++i) {
      if (int(i) != index) taken.push_back(toQRect(patches[i].box()));
    }
    return taken;
  }

  std::optional<Patch> makeOfKind(ChangeKind kind, const Region& region, const std::vector<QRect>& taken) {
    const QSize size(kFrameWidth, kFrameHeight);
    switch (kind) {
      case ChangeKind::Removed: return makeRemoved(frame, region, random);
      case ChangeKind::Detail: return makeDetail(frame, region, random);
      case ChangeKind::Recoloured: return makeRecoloured(frame, region, random);
      case ChangeKind::Mirrored: return makeMirrored(frame, region);
      case ChangeKind::Resized: return makeResized(frame, region, random);
      case ChangeKind::Added:
        return makeAdded(frame, region, random,
                         [&](const cv::Rect& box) { return placeAllowed(toQRect(box), taken, size); });
    }
    return std::nullopt;
  }

  // One fair change that keeps its distances to the others (all but `index`), of a kind
  // the others lack where one fits.
  std::optional<std::pair<Patch, int>> drawOne(int index, bool onlyNewKinds = false) {
    const std::vector<QRect> taken = takenExcept(index);
    std::set<ChangeKind> present;
    for (size_t i = 0; i < patches.size(); ++i) {
      if (int(i) != index) present.insert(patches[i].kind);
    }
    std::vector<ChangeKind> kinds{ChangeKind::Removed, ChangeKind::Recoloured, ChangeKind::Mirrored,
                                  ChangeKind::Added,   ChangeKind::Resized,    ChangeKind::Detail};
    for (size_t i = kinds.size(); i > 1; --i) std::swap(kinds[i - 1], kinds[size_t(randomBelow(random, int(i)))]);
    std::stable_partition(kinds.begin(), kinds.end(), [&](ChangeKind k) { return !present.count(k); });
    if (onlyNewKinds) {
      kinds.erase(std::remove_if(kinds.begin(), kinds.end(), [&](ChangeKind k) { return present.count(k) > 0; }),
                  kinds.end());
    }

    std::vector<std::pair<double, int>> order;
    for (size_t r = 0; r < regions.size(); ++r) {
      if (!spent.count(int(r))) order.push_back({regions[r].score + randomBetween(random, 0, 0.5), int(r)});
    }
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    const QSize size(kFrameWidth, kFrameHeight);
    int attempts = 0;
    for (ChangeKind kind : kinds) {
      int triesOfKind = 0;
      for (const auto& [score, r] : order) {
        const Region& region = regions[size_t(r)];
        if (kind != ChangeKind::Added && !placeAllowed(toQRect(region.box).adjusted(-3, -3, 3, 3), taken, size)) {
          continue;
        }
        // Taking an object away or copying it shows only as much as it stands out.
        const bool showsByContrast = kind == ChangeKind::Removed || kind == ChangeKind::Added;
        if (showsByContrast && region.contrast < 0.8 * rules.minDeltaE) continue;
        const bool keepsPlace = kind == ChangeKind::Recoloured || kind == ChangeKind::Detail;
        if (region.surface && !keepsPlace) continue;
        if (++attempts > kAttemptsPerChange) return std::nullopt;
        if (++triesOfKind > 15) break;
        std::optional<Patch> p = makeOfKind(kind, region, taken);
        if (!p || !placeAllowed(toQRect(p->box()), taken, size)) continue;
        const Visible seen = visibleChange(frame, *p);
        // The object's size sets the level; most of it must visibly change.
        const int covered = cv::countNonZero(p->footprint);
        if (covered < minArea() || covered > maxArea() || seen.pixels < minArea() / 2) continue;
        if (seen.deltaE < rules.minDeltaE) continue;
        p->seen = seen.box;
        return std::make_pair(std::move(*p), r);
      }
    }
    return std::nullopt;
  }

  void replace(int index, bool onlyNewKinds = false) {
    std::optional<std::pair<Patch, int>> drawn = drawOne(index, onlyNewKinds);
    if (!drawn) throw PhotoRefused(kNoFairPlaces);
    spent.insert(drawn->second);
    if (index < int(patches.size())) {
      patches[size_t(index)] = std::move(drawn->first);
      regionOf[size_t(index)] = drawn->second;
    } else {
      patches.push_back(std::move(drawn->first));
      regionOf.push_back(drawn->second);
    }
  }

  bool enoughKinds() const {
    std::set<ChangeKind> kinds;
    for (const Patch& p : patches) kinds.insert(p.kind);
    return kinds.size() >= 3;
  }

  // A change whose kind another change shares, redrawn as a kind none has; false when
  // none of them can be.
  bool diversify() {
    for (size_t i = 0; i < patches.size(); ++i) {
      const auto same =
          std::count_if(patches.begin(), patches.end(), [&](const Patch& p) { return p.kind == patches[i].kind; });
      if (same < 2) continue;
      try {
        replace(int(i), true);
        return true;
      } catch (const PhotoRefused&) {
      }
    }
    return false;
  }

  // The copy as saved, checked; changes the check does not see as one difference each
  // are drawn again.
  void settle() {
    for (int round = 0; round < kSettleRounds; ++round) {
      cv::Mat copy = frame.rgb.clone();
      std::vector<QRect> areas, seen;
      for (const Patch& p : patches) {
        p.pixels.copyTo(copy(p.roi), p.footprint);
        areas.push_back(toQRect(p.box()));
        seen.push_back(toQRect(p.seen));
      }
      const QByteArray copyJpeg = jpegBytes(toQImage(copy));
      const QImage copyDecoded = decoded(copyJpeg);
      const CheckedChanges checked = checkMadeChanges(original, copyDecoded, areas, seen);
      if (checked.sound() && enoughKinds()) {
        made = MadePair{originalJpeg, copyJpeg, original, copyDecoded, {}};
        for (size_t i = 0; i < patches.size(); ++i) {
          made.changes.push_back({patches[i].kind, seen[i], outlineOf(patches[i]), checked.rects[i]});
        }
        return;
      }
      if (checked.sound()) {
        if (!diversify()) break;
        continue;
      }
      for (int i : checked.misfits) replace(i);
    }
    throw PhotoRefused(kNoFairPlaces);
  }

  void drawFive() {
    patches.clear();
    regionOf.clear();
    for (int i = 0; i < kChangesPerPair; ++i) replace(i);
    settle();
  }
};

PairMaker::PairMaker(const QImage& frame, Level level, std::uint64_t seed) : state_(std::make_unique<State>()) {
  State& s = *state_;
  s.rules = rulesFor(level);
  s.random.seed(seed);
  const QImage rgb = frame.convertToFormat(QImage::Format_RGB888);
  if (rgb.size() != QSize(kFrameWidth, kFrameHeight)) throw PhotoRefused("la foto non è adattata al riquadro");
  cv::Mat pixels =
      cv::Mat(rgb.height(), rgb.width(), CV_8UC3, const_cast<uchar*>(rgb.constBits()), size_t(rgb.bytesPerLine()))
          .clone();
  s.frame = makeFrame(pixels);
  s.originalJpeg = jpegBytes(rgb);
  s.original = decoded(s.originalJpeg);
  s.regions = findRegions(s.frame, int(s.minArea() * 0.6), s.maxArea(), kMinEdge + 2);
  if (int(s.regions.size()) < kChangesPerPair) throw PhotoRefused(kNoFairPlaces);
  // Five places that fit together may depend on which came first: a few fresh starts
  // before the photo is refused.
  for (int start = 1;; ++start) {
    try {
      s.spent.clear();
      s.drawFive();
      return;
    } catch (const PhotoRefused&) {
      if (start == kFreshStarts) throw;
    }
  }
}

PairMaker::~PairMaker() = default;

const MadePair& PairMaker::pair() const { return state_->made; }

const MadePair& PairMaker::redrawAll() {
  State& s = *state_;
  try {
    s.drawFive();
  } catch (const PhotoRefused&) {
    // Few places in this photo: the ones drawn before may come back.
    s.spent.clear();
    s.drawFive();
  }
  return s.made;
}

const MadePair& PairMaker::redraw(int index) {
  State& s = *state_;
  if (index < 0 || index >= int(s.patches.size())) return s.made;
  s.replace(index);
  s.settle();
  return s.made;
}

MadePair makePairFromPhoto(const QString& path, Level level, std::uint64_t seed) {
  const QImage frame = cropToFrame(loadPhotoCoveringFrame(path));
  PairMaker maker(frame, level, seed);
  return maker.pair();
}

const char* kindName(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::Removed: return "removed";
    case ChangeKind::Recoloured: return "recoloured";
    case ChangeKind::Mirrored: return "mirrored";
    case ChangeKind::Added: return "added";
    case ChangeKind::Resized: return "resized";
    case ChangeKind::Detail: return "detail";
  }
  return "";
}

std::optional<Level> levelOfName(const QString& name) {
  if (name == QLatin1String("facile")) return Level::Facile;
  if (name == QLatin1String("normale")) return Level::Normale;
  if (name == QLatin1String("difficile")) return Level::Difficile;
  return std::nullopt;
}

}  // namespace pair_make
