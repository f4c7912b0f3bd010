// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/difference_finder.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <opencv2/imgproc.hpp>

namespace pair_check {

namespace {
// The pictures are compared smoothed only in the tiles where any pixel changed.
constexpr int kTile = 64;

// Four bytes a pixel, alpha last and always opaque; wrapped, not copied, when the picture
// is already so.
QImage asRgb32(const QImage& image) {
  if (image.format() == QImage::Format_RGB32) return image;
  return image.convertToFormat(QImage::Format_RGB32);
}

cv::Mat wrap(const QImage& image) {
  return cv::Mat(image.height(), image.width(), CV_8UC4, const_cast<uchar*>(image.constBits()),
                 static_cast<size_t>(image.bytesPerLine()));
}

// 255 where any channel differs by more than the tolerance.
cv::Mat changedPixels(const cv::Mat& a, const cv::Mat& b, int tolerance) {
  cv::Mat diff;
  cv::absdiff(a, b, diff);
  cv::threshold(diff, diff, tolerance, 255, cv::THRESH_BINARY);
  // The four channel bytes of a pixel read as one number: not zero when any of them is.
  const cv::Mat perPixel(diff.rows, diff.cols, CV_32SC1, diff.data, diff.step);
  cv::Mat changed;
  cv::compare(perPixel, 0, changed, cv::CMP_NE);
  return changed;
}

// Keeps only the pixels that changed in the smoothed pictures too: lossy noise averages
// away there, while a real change stays. Done tile by tile where anything changed, since
// smoothing two whole large pictures costs more than all the rest.
void keepSmoothedChanges(const cv::Mat& a, const cv::Mat& b, cv::Mat& changed, const FinderTuning& tuning) {
  const cv::Size kernel(tuning.smoothing, tuning.smoothing);
  for (int y = 0; y < changed.rows; y += kTile) {
    for (int x = 0; x < changed.cols; x += kTile) {
      const cv::Rect tile(x, y, std::min(kTile, changed.cols - x), std::min(kTile, changed.rows - y));
      cv::Mat part = changed(tile);
      if (cv::countNonZero(part) == 0) continue;
      // A view into the whole picture: the smoothing reads the pixels around the tile.
      cv::Mat smoothA, smoothB;
      cv::blur(a(tile), smoothA, kernel, cv::Point(-1, -1), cv::BORDER_REPLICATE);
      cv::blur(b(tile), smoothB, kernel, cv::Point(-1, -1), cv::BORDER_REPLICATE);
      cv::bitwise_and(part, changedPixels(smoothA, smoothB, tuning.channelTolerance), part);
    }
  }
}
}  // namespace

FoundDifferences findDifferences(const QImage& original, const QImage& copy, const FinderTuning& tuning) {
  FoundDifferences found;
  const QImage a = asRgb32(original), b = asRgb32(copy);
  const cv::Mat matA = wrap(a), matB = wrap(b);
  cv::Mat changed = changedPixels(matA, matB, tuning.channelTolerance);
  if (tuning.smoothing > 1) keepSmoothedChanges(matA, matB, changed, tuning);
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
