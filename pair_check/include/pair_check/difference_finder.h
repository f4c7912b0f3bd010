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
  // A pixel is at the heart of a change when a colour channel differs by more than this,
  // both as it is and in the slightly smoothed pictures: below a deliberate recolouring
  // of 25 levels in one channel, and a 1-pixel line changed by 60 (30 once smoothed).
  int channelTolerance = 18;
  // Around such a heart, the change reaches as far as the smoothed pictures differ by
  // more than this: the faint rim of a blurred or feathered change belongs to it.
  int rimTolerance = 9;
  // Side of the Gaussian that smooths both pictures: it averages away the blocky noise
  // of lossy formats.
  int smoothing = 3;
  // Where the pair is noisy (a JPEG saved again, dithering), the tolerances grow with the
  // noise expected at each pixel: a heart stands this many times above it, a rim this many.
  double heartOverNoise = 4.0;
  double rimOverNoise = 3.0;
  // Side of the closing that joins nearby changed pixels into one object.
  int closing = 5;
  // Regions whose heart holds fewer pixels are specks, or the encoder's.
  int minPixels = 12;
  // In a noisy pair the encoder now and then leaves a speck that stands out: a change
  // there needs a larger heart.
  int minPixelsWhenNoisy = 24;
  // Pieces closer than about a third of their size, and never less than this, are one
  // change: a mirrored object whose middle stayed, a blurred detail with its rim.
  int minJoiningGap = 6;
};

// A difference's box spans its whole region, rims too; its pixels are the hearts alone,
// the pixels that stand out from the pair's noise: a rectangle must hold those.
struct FoundDifferences {
  std::vector<Difference> differences;  // largest first
  std::vector<int> differenceOfLabel;   // per label in labels, its difference or -1
  // Valid until the next search on the same thread, whose buffers they share.
  // Both cover the part of the picture where anything changed, from origin on.
  cv::Mat labels;  // CV_32S, 0 where nothing changed
  cv::Mat hearts;  // CV_8U, not 0 at the heart pixels
  cv::Point origin;
};

// Both images must be of the same size.
FoundDifferences findDifferences(const QImage& original, const QImage& copy, const FinderTuning& tuning = {});

// How many heart pixels of difference i lie strictly inside r.
int pixelsStrictlyInside(const FoundDifferences& found, size_t i, const Rect& r);

}  // namespace pair_check
