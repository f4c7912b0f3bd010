// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How much two pictures of a pair differ where nothing was changed. Recompression leaves
// errors that grow with the picture's own detail (fur, foliage, stars), so the noise is
// told per pixel as the pair's gain times the local detail; the gain is measured on the
// pair itself, over the many places where only the encoder differs. Internal to the finder.
#include <opencv2/core.hpp>

namespace pair_check {

// Per pixel of two four-byte pictures, the largest difference of the first three
// channels, one byte a pixel.
void largestChannelDifference(const cv::Mat& a, const cv::Mat& b, cv::Mat& out);

// How much the smoothed differences grow with the detail, measured over blocks of the
// picture: 0 for a lossless pair, where unchanged places do not differ at all.
double noiseGain(const cv::Mat& smoothedDifference, const cv::Mat& detail);

}  // namespace pair_check
