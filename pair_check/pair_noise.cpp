// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/pair_noise.h"

#include <algorithm>
#include <vector>

namespace pair_check {

namespace {
constexpr int kBlock = 16;
// Blocks with less detail than this say little about the gain: their errors are the
// encoder's rounding, which the fixed tolerances cover anyway.
constexpr double kDetailedBlock = 3.0;
}  // namespace

void largestChannel(const cv::Mat& fourChannels, cv::Mat& out) {
  CV_Assert(fourChannels.type() == CV_8UC4);
  out.create(fourChannels.rows, fourChannels.cols, CV_8UC1);
  for (int y = 0; y < fourChannels.rows; ++y) {
    const uchar* in = fourChannels.ptr<uchar>(y);
    uchar* o = out.ptr<uchar>(y);
    for (int x = 0; x < fourChannels.cols; ++x, in += 4) o[x] = std::max({in[0], in[1], in[2]});
  }
}

double noiseGain(const cv::Mat& smoothedDifference, const cv::Mat& detail) {
  const int blocksX = (detail.cols + kBlock - 1) / kBlock, blocksY = (detail.rows + kBlock - 1) / kBlock;
  std::vector<double> ratios;
  ratios.reserve(size_t(blocksX) * size_t(blocksY));
  std::vector<long> diffSum(static_cast<size_t>(blocksX)), detailSum(static_cast<size_t>(blocksX));
  for (int by = 0; by < blocksY; ++by) {
    std::fill(diffSum.begin(), diffSum.end(), 0);
    std::fill(detailSum.begin(), detailSum.end(), 0);
    const int top = by * kBlock, bottom = std::min(detail.rows, top + kBlock);
    for (int y = top; y < bottom; ++y) {
      const uchar* d = smoothedDifference.ptr<uchar>(y);
      const uchar* t = detail.ptr<uchar>(y);
      for (int x = 0; x < detail.cols; ++x) {
        diffSum[size_t(x / kBlock)] += d[x];
        detailSum[size_t(x / kBlock)] += t[x];
      }
    }
    for (int bx = 0; bx < blocksX; ++bx) {
      const int width = std::min(kBlock, detail.cols - bx * kBlock);
      const double pixels = double(width) * (bottom - top);
      const double meanDetail = detailSum[size_t(bx)] / pixels;
      if (meanDetail >= kDetailedBlock) ratios.push_back(diffSum[size_t(bx)] / pixels / meanDetail);
    }
  }
  if (ratios.empty()) return 0;
  // The median: the edits cover a minority of the blocks and cannot move it far.
  const auto middle = ratios.begin() + std::ptrdiff_t(ratios.size() / 2);
  std::nth_element(ratios.begin(), middle, ratios.end());
  return *middle;
}

}  // namespace pair_check
