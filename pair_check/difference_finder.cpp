// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/difference_finder.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <opencv2/imgproc.hpp>

#include "pair_check/pair_noise.h"
#include "pair_check/piece_joining.h"

namespace pair_check {

namespace {
// Side of the box over which the picture's detail is averaged: about a JPEG block.
constexpr int kDetailBox = 9;

// Whole-picture buffers, kept per thread: a run over thousands of pairs of one size
// then allocates them once, not once a pair.
struct Buffers {
  cv::Mat smoothA, smoothB, raw, smoothed, detailA, detailB, detail, heart, rim, labels, stats, centroids;
};
Buffers& threadBuffers() {
  thread_local Buffers buffers;
  return buffers;
}

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

// The per-pixel tolerance: the fixed floor, or the expected noise times a factor where
// that is higher.
void tolerance(const cv::Mat& detail, double gainTimesFactor, int floor, cv::Mat& out) {
  if (gainTimesFactor <= 0) {
    out.create(detail.size(), CV_8UC1);
    out.setTo(floor);
    return;
  }
  detail.convertTo(out, CV_8U, gainTimesFactor);
  cv::max(out, floor, out);
}

// The hearts of changes: pixels above the heart tolerance as they are and smoothed.
// The rims: smoothed pixels above the rim tolerance, closed over small gaps.
// Returns the pair's noise gain.
double heartsAndRims(const cv::Mat& a, const cv::Mat& b, const FinderTuning& tuning, Buffers& buf) {
  // A small Gaussian: it averages like a box of its size, at half the cost.
  const cv::Size kernel(tuning.smoothing, tuning.smoothing);
  cv::GaussianBlur(a, buf.smoothA, kernel, 0, 0, cv::BORDER_REPLICATE);
  cv::GaussianBlur(b, buf.smoothB, kernel, 0, 0, cv::BORDER_REPLICATE);
  largestChannelDifference(a, b, buf.raw);
  largestChannelDifference(buf.smoothA, buf.smoothB, buf.smoothed);

  double gain = 0;
  if (cv::countNonZero(buf.smoothed) > 0) {
    largestChannelDifference(a, buf.smoothA, buf.detailA);
    largestChannelDifference(b, buf.smoothB, buf.detailB);
    cv::max(buf.detailA, buf.detailB, buf.detail);
    cv::blur(buf.detail, buf.detail, cv::Size(kDetailBox, kDetailBox), cv::Point(-1, -1), cv::BORDER_REPLICATE);
    gain = noiseGain(buf.smoothed, buf.detail);
  } else {
    buf.detail.create(a.size(), CV_8UC1);
  }

  // A rim pixel changed itself too: the smoothing alone spreads a change by a pixel.
  tolerance(buf.detail, gain * tuning.rimOverNoise, tuning.rimTolerance, buf.rim);
  cv::compare(buf.smoothed, buf.rim, buf.rim, cv::CMP_GT);
  cv::compare(buf.raw, tuning.rimTolerance, buf.detailA, cv::CMP_GT);
  cv::bitwise_and(buf.rim, buf.detailA, buf.rim);

  tolerance(buf.detail, gain * tuning.heartOverNoise, tuning.channelTolerance, buf.heart);
  cv::compare(buf.smoothed, buf.heart, buf.heart, cv::CMP_GT);
  cv::compare(buf.raw, tuning.channelTolerance, buf.raw, cv::CMP_GT);
  cv::bitwise_and(buf.heart, buf.raw, buf.heart);
  cv::bitwise_or(buf.rim, buf.heart, buf.rim);
  if (tuning.closing > 1) {
    const cv::Mat kernel = cv::getStructuringElement(cv::MORPH_RECT, cv::Size(tuning.closing, tuning.closing));
    cv::morphologyEx(buf.rim, buf.rim, cv::MORPH_CLOSE, kernel);
  }
  return gain;
}

// Joins pieces into objects, then objects that came near each other as they grew, until
// every two objects lie apart: their rectangles can then never have to overlap.
std::vector<int> joinedObjects(const std::vector<Piece>& pieces, int minGap) {
  std::vector<int> objectOf = joinPieces(pieces, minGap);
  for (;;) {
    const int objects = pieces.empty() ? 0 : *std::max_element(objectOf.begin(), objectOf.end()) + 1;
    std::vector<Piece> whole(static_cast<size_t>(objects), Piece{0, 0, -1, -1, 0});
    for (size_t p = 0; p < pieces.size(); ++p) {
      Piece& o = whole[size_t(objectOf[p])];
      const Piece& q = pieces[p];
      o = o.right < o.left ? q
                           : Piece{std::min(o.left, q.left), std::min(o.top, q.top), std::max(o.right, q.right),
                                   std::max(o.bottom, q.bottom), o.pixels + q.pixels};
    }
    const std::vector<int> objectOfObject = joinPieces(whole, minGap);
    const int joined = whole.empty() ? 0 : *std::max_element(objectOfObject.begin(), objectOfObject.end()) + 1;
    if (joined == objects) return objectOf;
    for (int& o : objectOf) o = objectOfObject[size_t(o)];
  }
}

// Per label, how many heart pixels it holds.
std::vector<int> heartPixelsPerLabel(const cv::Mat& labels, const cv::Mat& heart, int labelCount) {
  std::vector<int> count(size_t(labelCount), 0);
  for (int y = 0; y < labels.rows; ++y) {
    const int* l = labels.ptr<int>(y);
    const uchar* h = heart.ptr<uchar>(y);
    for (int x = 0; x < labels.cols; ++x) {
      if (h[x]) ++count[size_t(l[x])];
    }
  }
  return count;
}
}  // namespace

FoundDifferences findDifferences(const QImage& original, const QImage& copy, const FinderTuning& tuning) {
  Buffers& buf = threadBuffers();
  const QImage a = asRgb32(original), b = asRgb32(copy);
  const double gain = heartsAndRims(wrap(a), wrap(b), tuning, buf);
  const int fewest = gain > 0 ? tuning.minPixelsWhenNoisy : tuning.minPixels;

  // Labelled only where anything changed: most of a pair did not.
  const cv::Rect active = cv::boundingRect(buf.rim);
  if (active.empty()) return {};
  const cv::Mat rim = buf.rim(active), heart = buf.heart(active);
  const int labelCount = cv::connectedComponentsWithStats(rim, buf.labels, buf.stats, buf.centroids, 8, CV_32S);
  const std::vector<int> hearts = heartPixelsPerLabel(buf.labels, heart, labelCount);
  std::vector<Piece> pieces;
  std::vector<int> labelOfPiece;
  for (int label = 1; label < labelCount; ++label) {
    // Too few pixels stand out from the noise: a speck, or the encoder's.
    if (hearts[size_t(label)] < fewest) continue;
    const int left = active.x + buf.stats.at<int>(label, cv::CC_STAT_LEFT);
    const int top = active.y + buf.stats.at<int>(label, cv::CC_STAT_TOP);
    pieces.push_back({left, top, left + buf.stats.at<int>(label, cv::CC_STAT_WIDTH) - 1,
                      top + buf.stats.at<int>(label, cv::CC_STAT_HEIGHT) - 1, hearts[size_t(label)]});
    labelOfPiece.push_back(label);
  }
  const std::vector<int> objectOf = joinedObjects(pieces, tuning.minJoiningGap);
  const int objects = pieces.empty() ? 0 : *std::max_element(objectOf.begin(), objectOf.end()) + 1;

  std::vector<Difference> differences(static_cast<size_t>(objects));
  std::vector<bool> started(static_cast<size_t>(objects), false);
  for (size_t p = 0; p < pieces.size(); ++p) {
    Difference& d = differences[size_t(objectOf[p])];
    const Piece& piece = pieces[p];
    const Rect box{double(piece.left), double(piece.top), double(piece.right), double(piece.bottom)};
    if (!started[size_t(objectOf[p])]) {
      d.box = box;
      started[size_t(objectOf[p])] = true;
    } else {
      d.box = Rect{std::min(d.box.x1, box.x1), std::min(d.box.y1, box.y1), std::max(d.box.x2, box.x2),
                   std::max(d.box.y2, box.y2)};
    }
    d.pixels += piece.pixels;
  }
  // Largest first; equal sizes top to bottom, then left to right, so the order never depends on labelling.
  std::vector<int> order(static_cast<size_t>(objects));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int i, int j) {
    const Difference &p = differences[size_t(i)], &q = differences[size_t(j)];
    if (p.pixels != q.pixels) return p.pixels > q.pixels;
    if (p.box.y1 != q.box.y1) return p.box.y1 < q.box.y1;
    return p.box.x1 < q.box.x1;
  });
  std::vector<int> rankOf(static_cast<size_t>(objects));
  FoundDifferences found;
  for (int rank = 0; rank < objects; ++rank) {
    rankOf[size_t(order[size_t(rank)])] = rank;
    found.differences.push_back(differences[size_t(order[size_t(rank)])]);
  }
  found.differenceOfLabel.assign(size_t(labelCount), -1);
  for (size_t p = 0; p < pieces.size(); ++p)
    found.differenceOfLabel[size_t(labelOfPiece[p])] = rankOf[size_t(objectOf[p])];
  found.labels = buf.labels;
  found.hearts = heart;
  found.origin = active.tl();
  return found;
}

int pixelsStrictlyInside(const FoundDifferences& found, size_t i, const Rect& r) {
  if (r.isEmpty()) return 0;
  const Rect& box = found.differences[i].box;
  // Whole pixels strictly between the edges, within the region's box; doubles first so
  // that huge stored values never overflow an int.
  const double left = std::max(std::floor(r.x1) + 1, box.x1), right = std::min(std::ceil(r.x2) - 1, box.x2);
  const double top = std::max(std::floor(r.y1) + 1, box.y1), bottom = std::min(std::ceil(r.y2) - 1, box.y2);
  if (left > right || top > bottom) return 0;
  int inside = 0;
  const int dx = found.origin.x, dy = found.origin.y;
  for (int y = int(top); y <= int(bottom); ++y) {
    const int* l = found.labels.ptr<int>(y - dy) - dx;
    const uchar* h = found.hearts.ptr<uchar>(y - dy) - dx;
    for (int x = int(left); x <= int(right); ++x) {
      inside += h[x] && found.differenceOfLabel[size_t(l[x])] == int(i) ? 1 : 0;
    }
  }
  return inside;
}

}  // namespace pair_check
