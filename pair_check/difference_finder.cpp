// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/difference_finder.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <opencv2/imgproc.hpp>

namespace pair_check {

namespace {
// Four bytes a pixel, alpha last; wrapped, not copied, when the picture is already so.
QImage asRgb32(const QImage& image) {
  if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32) return image;
  return image.convertToFormat(QImage::Format_RGB32);
}

cv::Mat wrap(const QImage& image) {
  return cv::Mat(image.height(), image.width(), CV_8UC4, const_cast<uchar*>(image.constBits()),
                 static_cast<size_t>(image.bytesPerLine()));
}

// Per pixel, the largest difference of the colour channels (alpha left out).
cv::Mat largestChannelDifference(const cv::Mat& a, const cv::Mat& b) {
  cv::Mat diff;
  cv::absdiff(a, b, diff);
  cv::Mat channels[4];
  cv::split(diff, channels);
  cv::Mat largest;
  cv::max(channels[0], channels[1], largest);
  cv::max(largest, channels[2], largest);
  return largest;
}
}  // namespace

FoundDifferences findDifferences(const QImage& original, const QImage& copy, const FinderTuning& tuning) {
  FoundDifferences found;
  const QImage a = asRgb32(original), b = asRgb32(copy);
  const cv::Mat matA = wrap(a), matB = wrap(b);
  cv::Mat changed;
  cv::threshold(largestChannelDifference(matA, matB), changed, tuning.channelTolerance, 255, cv::THRESH_BINARY);
  if (tuning.smoothing > 1) {
    // Changed in the smoothed pictures too: lossy noise averages away there, while the
    // pixel itself must have changed, so the smoothing never widens a region.
    const cv::Size k(tuning.smoothing, tuning.smoothing);
    cv::Mat smoothA, smoothB, smoothChanged;
    cv::blur(matA, smoothA, k, cv::Point(-1, -1), cv::BORDER_REPLICATE);
    cv::blur(matB, smoothB, k, cv::Point(-1, -1), cv::BORDER_REPLICATE);
    cv::threshold(largestChannelDifference(smoothA, smoothB), smoothChanged, tuning.channelTolerance, 255,
                  cv::THRESH_BINARY);
    cv::bitwise_and(changed, smoothChanged, changed);
  }
  if (tuning.closing > 1) {
    const cv::Mat kernel = cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(tuning.closing, tuning.closing));
    cv::morphologyEx(changed, changed, cv::MORPH_CLOSE, kernel);
  }
  cv::Mat stats, centroids;
  const int labels = cv::connectedComponentsWithStats(changed, found.labels, stats, centroids, 8, CV_32S);
  for (int label = 1; label < labels; ++label) {
    const int area = stats.at<int>(label, cv::CC_STAT_AREA);
    if (area < tuning.minPixels) continue;
    const int left = stats.at<int>(label, cv::CC_STAT_LEFT), top = stats.at<int>(label, cv::CC_STAT_TOP);
    Difference d;
    d.box = Rect{double(left), double(top), double(left + stats.at<int>(label, cv::CC_STAT_WIDTH) - 1),
                 double(top + stats.at<int>(label, cv::CC_STAT_HEIGHT) - 1)};
    d.pixels = area;
    found.differences.push_back(d);
    found.labelOf.push_back(label);
  }
  // Largest first; equal sizes top to bottom, then left to right, so the order never depends on labelling.
  std::vector<size_t> order(found.differences.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t i, size_t j) {
    const Difference &p = found.differences[i], &q = found.differences[j];
    if (p.pixels != q.pixels) return p.pixels > q.pixels;
    if (p.box.y1 != q.box.y1) return p.box.y1 < q.box.y1;
    return p.box.x1 < q.box.x1;
  });
  FoundDifferences sorted;
  sorted.labels = found.labels;
  for (size_t i : order) {
    sorted.differences.push_back(found.differences[i]);
    sorted.labelOf.push_back(found.labelOf[i]);
  }
  return sorted;
}

int pixelsStrictlyInside(const FoundDifferences& found, size_t i, const Rect& r) {
  if (r.isEmpty()) return 0;
  const Rect& box = found.differences[i].box;
  // Whole pixels strictly between the edges, within the region's box; doubles first so
  // that huge stored values never overflow an int.
  const double left = std::max(std::floor(r.x1) + 1, box.x1), right = std::min(std::ceil(r.x2) - 1, box.x2);
  const double top = std::max(std::floor(r.y1) + 1, box.y1), bottom = std::min(std::ceil(r.y2) - 1, box.y2);
  if (left > right || top > bottom) return 0;
  const cv::Rect window(int(left), int(top), int(right - left) + 1, int(bottom - top) + 1);
  cv::Mat same;
  cv::compare(found.labels(window), found.labelOf[i], same, cv::CMP_EQ);
  return cv::countNonZero(same);
}

}  // namespace pair_check
