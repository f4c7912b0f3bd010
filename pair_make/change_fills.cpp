// SPDX-License-Identifier: GPL-2.0-or-later
// Changes that bring pixels from elsewhere in the frame: removed, detail, added.
#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <opencv2/photo.hpp>

#include "pair_make/change_patch.h"

namespace pair_make {

namespace {
cv::Rect frameRect(const Frame& frame) { return {0, 0, frame.rgb.cols, frame.rgb.rows}; }

cv::Rect grown(const cv::Rect& r, int by) { return {r.x - by, r.y - by, r.width + 2 * by, r.height + 2 * by}; }

double labDistance(const cv::Scalar& a, const cv::Scalar& b) {
  return std::sqrt(std::pow(a[0] - b[0], 2) + std::pow(a[1] - b[1], 2) + std::pow(a[2] - b[2], 2));
}

struct Offer {
  cv::Point shift;
  double fitsAround = 0;    // how unlike the surroundings the source is (ΔE), lower fits
  double unlikeObject = 0;  // how unlike the object it replaces (ΔE)
};

// Places near the object, in its own neighbourhood, whose pixels could take its place.
std::vector<Offer> nearbyOffers(const Frame& frame, const Region& region, const cv::Rect& roi, const cv::Mat& mask) {
  const cv::Mat ring = ringAround(mask, 5);
  const cv::Scalar around = cv::mean(frame.lab(roi), ring);
  const cv::Scalar object = cv::mean(frame.lab(roi), mask);
  std::vector<Offer> offers;
  const int w = region.box.width + 8, h = region.box.height + 8;
  for (double reach : {1.0, 1.6}) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (!dx && !dy) continue;
        const cv::Point shift(int(dx * w * reach), int(dy * h * reach));
        const cv::Rect from(roi.tl() + shift, roi.size());
        if ((from & frameRect(frame)) != from) continue;
        const cv::Scalar there = cv::mean(frame.lab(from), mask);
        offers.push_back({shift, labDistance(there, around), labDistance(there, object)});
      }
    }
  }
  return offers;
}

std::optional<Patch> fillFrom(const Frame& frame, ChangeKind kind, const cv::Rect& roi, const cv::Mat& mask,
                              cv::Point shift) {
  const cv::Mat source = frame.rgb(cv::Rect(roi.tl() + shift, roi.size())).clone();
  return blendInto(frame, kind, roi, source, mask);
}
}  // namespace

std::optional<Patch> makeRemoved(const Frame& frame, const Region& region, Random& random) {
  // The mask reaches past the object's halo, so that the blend meets true background.
  const cv::Rect roi = grown(region.box, 10) & frameRect(frame);
  const cv::Mat mask = regionMaskIn(region, roi, 5);
  std::vector<Offer> offers = nearbyOffers(frame, region, roi, mask);
  std::stable_sort(offers.begin(), offers.end(),
                   [](const Offer& a, const Offer& b) { return a.fitsAround < b.fitsAround; });
  // The background next to the object, brought over it; a small object is filled from its
  // outline instead when no neighbour matches.
  if (!offers.empty() && offers.front().fitsAround < 12) {
    const size_t pick =
        offers.size() > 1 && offers[1].fitsAround < offers[0].fitsAround + 2 ? randomBelow(random, 2) : 0;
    return fillFrom(frame, ChangeKind::Removed, roi, mask, offers[pick].shift);
  }
  if (region.area > 900) return std::nullopt;
  Patch p;
  p.kind = ChangeKind::Removed;
  p.roi = roi;
  p.footprint = mask;
  cv::inpaint(frame.rgb(roi), mask, p.pixels, 5, cv::INPAINT_TELEA);
  return p;
}

std::optional<Patch> makeDetail(const Frame& frame, const Region& region, Random& random) {
  const cv::Rect roi = grown(region.box, 8) & frameRect(frame);
  const cv::Mat mask = regionMaskIn(region, roi, 1);
  std::vector<Offer> offers = nearbyOffers(frame, region, roi, mask);
  // Another texture of the same neighbourhood: unlike the object, not unlike its ground.
  offers.erase(std::remove_if(offers.begin(), offers.end(),
                              [](const Offer& o) { return o.unlikeObject < 12 || o.fitsAround > 15; }),
               offers.end());
  if (offers.empty()) return std::nullopt;
  std::stable_sort(offers.begin(), offers.end(), [](const Offer& a, const Offer& b) {
    return a.fitsAround - 0.5 * a.unlikeObject < b.fitsAround - 0.5 * b.unlikeObject;
  });
  const size_t pick = randomBelow(random, int(std::min<size_t>(2, offers.size())));
  return fillFrom(frame, ChangeKind::Detail, roi, mask, offers[pick].shift);
}

std::optional<Patch> makeAdded(const Frame& frame, const Region& region, Random& random, const PlaceAllowed& allowed) {
  const cv::Rect sourceRoi = grown(region.box, 8) & frameRect(frame);
  const cv::Mat sourceMask = regionMaskIn(region, sourceRoi, 2);
  const cv::Scalar sourceGround = cv::mean(frame.lab(sourceRoi), ringAround(sourceMask, 5));
  // A plain place whose colour is the object's own ground: the copy sits there naturally.
  cv::Mat labSum, grey, edges, edgeSum, salSum;
  cv::integral(frame.lab, labSum, CV_64F);
  cv::cvtColor(frame.rgb, grey, cv::COLOR_RGB2GRAY);
  cv::Sobel(grey, edges, CV_32F, 1, 1);
  cv::integral(cv::abs(edges), edgeSum, CV_64F);
  cv::integral(frame.saliency, salSum, CV_64F);
  auto boxMean = [](const cv::Mat& sum, const cv::Rect& r, int c, int channels) {
    auto at = [&](int y, int x) { return sum.ptr<double>(y)[x * channels + c]; };
    return (at(r.br().y, r.br().x) - at(r.y, r.br().x) - at(r.br().y, r.x) + at(r.y, r.x)) / r.area();
  };
  struct Place {
    cv::Point tl;
    double cost;
  };
  std::vector<Place> places;
  const cv::Size size = sourceRoi.size();
  const cv::Rect keepAway = grown(region.box, std::max(region.box.width, region.box.height) / 2 + 10);
  for (int y = 0; y + size.height <= frame.rgb.rows; y += 6) {
    for (int x = 0; x + size.width <= frame.rgb.cols; x += 6) {
      const cv::Rect target(x, y, size.width, size.height);
      const cv::Rect objectBox(region.box.tl() - sourceRoi.tl() + target.tl(), region.box.size());
      if ((objectBox & keepAway).area() > 0 || !allowed(grown(objectBox, 2))) continue;
      const cv::Scalar mean(boxMean(labSum, target, 0, 3), boxMean(labSum, target, 1, 3),
                            boxMean(labSum, target, 2, 3));
      const double cost =
          labDistance(mean, sourceGround) + 0.2 * boxMean(edgeSum, target, 0, 1) + 8 * boxMean(salSum, target, 0, 1);
      places.push_back({target.tl(), cost});
    }
  }
  std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) { return a.cost < b.cost; });
  // On a ground of another colour the blend would turn the copy into a ghost of it.
  constexpr double kMostCost = 30;
  while (!places.empty() && places.back().cost > kMostCost) places.pop_back();
  if (places.empty()) return std::nullopt;
  const Place& place = places[size_t(randomBelow(random, int(std::min<size_t>(3, places.size()))))];
  const cv::Rect roi(place.tl, size);
  cv::Mat source = frame.rgb(roi).clone();
  frame.rgb(sourceRoi).copyTo(source, sourceMask);
  return blendInto(frame, ChangeKind::Added, roi, source, sourceMask);
}

}  // namespace pair_make
