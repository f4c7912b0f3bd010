// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/pair_noise.h"

#include <algorithm>
#include <cstdlib>
#include <opencv2/core/hal/intrin.hpp>
#include <vector>

namespace pair_check {

namespace {
constexpr int kBlock = 16;
// Blocks with less detail than this say little about the gain: their errors are the
// encoder's rounding, which the fixed tolerances cover anyway.
constexpr double kDetailedBlock = 3.0;
}  // namespace

void largestChannelDifference(const cv::Mat& a, const cv::Mat& b, cv::Mat& out) {
  CV_Assert(a.type() == CV_8UC4 && b.type() == CV_8UC4 && a.size() == b.size());
  out.create(a.rows, a.cols, CV_8UC1);
  for (int y = 0; y < a.rows; ++y) {
    const uchar* pa = a.ptr<uchar>(y);
    const uchar* pb = b.ptr<uchar>(y);
    uchar* o = out.ptr<uchar>(y);
    int x = 0;
#if CV_SIMD
    // Whole vectors of pixels at once, their channels taken apart.
    for (; x <= a.cols - cv::v_uint8::nlanes; x += cv::v_uint8::nlanes) {
      cv::v_uint8 a0, a1, a2, a3, b0, b1, b2, b3;
      cv::v_load_deinterleave(pa + 4 * x, a0, a1, a2, a3);
      cv::v_load_deinterleave(pb + 4 * x, b0, b1, b2, b3);
      cv::v_store(o + x, cv::v_max(cv::v_absdiff(a0, b0), cv::v_max(cv::v_absdiff(a1, b1), cv::v_absdiff(a2, b2))));
    }
#endif
    for (; x < a.cols; ++x) {
      const uchar* p = pa + 4 * x;
      const uchar* q = pb + 4 * x;
      o[x] = uchar(std::max({std::abs(p[0] - q[0]), std::abs(p[1] - q[1]), std::abs(p[2] - q[2])}));
    }
  }
}

double noiseGain(const cv::Mat& smoothedDifference, const cv::Mat& detail) {
  const int blocksX = (detail.cols + kBlock - 1) / kBlock, blocksY = (detail.rows + kBlock - 1) / kBlock;
  std::vector<double> ratios;
  ratios.reserve(size_t(blocksX) * size_t(blocksY));
  // Every other row is enough for a mean over a block.
  for (int by = 0; by < blocksY; ++by) {
    const int top = by * kBlock, bottom = std::min(detail.rows, top + kBlock);
    for (int bx = 0; bx < blocksX; ++bx) {
      const int left = bx * kBlock, right = std::min(detail.cols, left + kBlock);
      long diffSum = 0, detailSum = 0, pixels = 0;
      for (int y = top; y < bottom; y += 2) {
        const uchar* d = smoothedDifference.ptr<uchar>(y);
        const uchar* t = detail.ptr<uchar>(y);
        for (int x = left; x < right; ++x) {
          diffSum += d[x];
          detailSum += t[x];
        }
        pixels += right - left;
      }
      const double meanDetail = double(detailSum) / double(pixels);
      if (meanDetail >= kDetailedBlock) ratios.push_back(double(diffSum) / double(pixels) / meanDetail);
    }
  }
  if (ratios.empty()) return 0;
  // The median: the edits cover a minority of the blocks and cannot move it far.
  const auto middle = ratios.begin() + std::ptrdiff_t(ratios.size() / 2);
  std::nth_element(ratios.begin(), middle, ratios.end());
  return *middle;
}

}  // namespace pair_check
