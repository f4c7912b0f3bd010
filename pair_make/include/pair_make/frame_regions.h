// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The objects and regions of a photo that a change can follow: segments of the
// mean-shift filtered picture and stable blobs (MSER), each with its outline filled,
// ranked by how much they stand out from what surrounds them.
#include <opencv2/core.hpp>
#include <vector>

namespace pair_make {

// The frame as every change reads it. rgb is CV_8UC3, lab CV_32FC3 (L 0-100).
struct Frame {
  cv::Mat rgb, lab;
  cv::Mat saliency;  // CV_32F, 1 on average over the frame
};

Frame makeFrame(const cv::Mat& rgb);

struct Region {
  cv::Rect box;  // within the frame
  cv::Mat mask;  // box-sized CV_8U, 255 on the object
  int area = 0;
  double contrast = 0;  // mean colour against a ring around it, in ΔE
  double saliency = 0;  // mean saliency inside
  double score = 0;
  // A piece of a surface (a watershed cell) rather than an object: it can be recoloured
  // or given another texture, but not moved, turned or taken away.
  bool surface = false;
};

// Regions whose area lies within [minArea, maxArea], at least `edge` pixels from the
// frame's edge, best first.
std::vector<Region> findRegions(const Frame& frame, int minArea, int maxArea, int edge);

// Spectral-residual saliency: what the eye goes to first, CV_32F of the picture's size.
cv::Mat spectralResidualSaliency(const cv::Mat& rgb);

// ΔE (CIE76) between two Lab pictures, pixel by pixel, and its mean over a mask.
cv::Mat deltaE(const cv::Mat& labA, const cv::Mat& labB);
double meanDeltaE(const cv::Mat& labA, const cv::Mat& labB, const cv::Mat& mask);

// The ring of pixels within `width` of the mask, outside it.
cv::Mat ringAround(const cv::Mat& mask, int width);

}  // namespace pair_make
