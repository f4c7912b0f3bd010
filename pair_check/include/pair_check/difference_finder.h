// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where two pictures of the same size differ, as connected regions of changed pixels.
// Internal to the pair check: the only header of it that names OpenCV.
#include <QImage>
#include <opencv2/core.hpp>
#include <vector>

#include "pair_check/pair_report.h"

namespace pair_check {

struct FinderTuning {
  // A pixel counts as changed when a colour channel differs by more than this, both as it
  // is and in the slightly smoothed pictures: above what JPEG at quality 75 leaves (even
  // against the same picture saved at another quality), below a deliberate recolouring
  // of 25 levels in one channel, which keeps a margin of 7 levels for the encoder.
  int channelTolerance = 18;
  // Side of the box that smooths both pictures: it averages away the blocky noise of
  // lossy formats.
  int smoothing = 3;
  // Side of the closing that joins nearby changed pixels into one object.
  int closing = 5;
  // Regions with fewer pixels are noise.
  int minPixels = 12;
};

struct FoundDifferences {
  std::vector<Difference> differences;  // largest first
  std::vector<int> labelOf;             // per difference, its label in labels
  cv::Mat labels;                       // CV_32S, 0 where nothing changed
};

// Both images must be of the same size.
FoundDifferences findDifferences(const QImage& original, const QImage& copy, const FinderTuning& tuning = {});

// How many pixels of difference i lie strictly inside r.
int pixelsStrictlyInside(const FoundDifferences& found, size_t i, const Rect& r);

}  // namespace pair_check
