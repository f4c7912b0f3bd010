// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One change of the copy, made from one region of the frame: the new pixels of a small
// part of the frame and the object they change.
#include <cstdint>
#include <functional>
#include <opencv2/core.hpp>
#include <optional>
#include <random>

#include "pair_make/frame_regions.h"
#include "pair_make/made_pair.h"

namespace pair_make {

using Random = std::mt19937_64;

// A whole number in [0, n): the same on every platform, unlike the library's distributions.
inline int randomBelow(Random& random, int n) { return n <= 0 ? 0 : int(random() % std::uint64_t(n)); }
inline double randomBetween(Random& random, double low, double high) {
  return low + (high - low) * double(random() >> 11) / double(1ULL << 53);
}

struct Patch {
  ChangeKind kind = ChangeKind::Removed;
  cv::Rect roi;          // the part of the frame the patch replaces
  cv::Mat pixels;        // roi-sized RGB
  cv::Mat footprint;     // roi-sized CV_8U: the changed object
  cv::Rect box() const;  // the footprint's box in the frame
  cv::Rect seen;         // the box of the pixels it visibly changes, in the frame
};

// Whether a changed object may lie in this box of the frame (spacing, quarters).
using PlaceAllowed = std::function<bool(const cv::Rect&)>;

// The change of this kind made on the region, or nothing when the region does not lend
// itself to it.
std::optional<Patch> makeRemoved(const Frame& frame, const Region& region, Random& random);
std::optional<Patch> makeDetail(const Frame& frame, const Region& region, Random& random);
std::optional<Patch> makeAdded(const Frame& frame, const Region& region, Random& random, const PlaceAllowed& allowed);
std::optional<Patch> makeRecoloured(const Frame& frame, const Region& region, Random& random);
std::optional<Patch> makeMirrored(const Frame& frame, const Region& region);
std::optional<Patch> makeResized(const Frame& frame, const Region& region, Random& random);

// The source pixels blended into the frame at roi within mask (both roi-sized) with
// Poisson blending, so that no seam shows; nothing when the mask reaches the roi's edge.
std::optional<Patch> blendInto(const Frame& frame, ChangeKind kind, const cv::Rect& roi, const cv::Mat& source,
                               const cv::Mat& mask);

// The region's mask placed in a frame-sized or roi-sized picture.
cv::Mat regionMaskIn(const Region& region, const cv::Rect& roi, int grow = 0);

}  // namespace pair_make
