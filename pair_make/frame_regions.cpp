// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_make/frame_regions.h"

#include <algorithm>
#include <cmath>
#include <opencv2/features2d.hpp>
#include <opencv2/imgproc.hpp>

namespace pair_make {

namespace {

// The object's outer outline filled: highlights and holes become part of it, and a
// ragged edge is smoothed so that a change follows a shape, not single pixels.
cv::Mat solidShape(const cv::Mat& raw) {
  cv::Mat closed;
  cv::morphologyEx(raw, closed, cv::MORPH_CLOSE, cv::getStructuringElement(cv::MORPH_ELLIPSE, {5, 5}));
  std::vector<std::vector<cv::Point>> contours;
  cv::findContours(closed, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
  cv::Mat solid = cv::Mat::zeros(raw.size(), CV_8U);
  if (contours.empty()) return solid;
  const auto largest = std::max_element(contours.begin(), contours.end(), [](const auto& a, const auto& b) {
    return cv::contourArea(a) < cv::contourArea(b);
  });
  cv::drawContours(solid, std::vector<std::vector<cv::Point>>{*largest}, 0, 255, cv::FILLED);
  cv::morphologyEx(solid, solid, cv::MORPH_OPEN, cv::getStructuringElement(cv::MORPH_ELLIPSE, {3, 3}));
  return solid;
}

// A full-frame raw mask made into a region; false when it is no usable object.
bool toRegion(const Frame& frame, const cv::Mat& fullMask, cv::Rect box, int minArea, int maxArea, int edge,
              Region& out) {
  const cv::Rect frameRect(0, 0, frame.rgb.cols, frame.rgb.rows);
  const int pad = 4;
  cv::Rect padded = cv::Rect(box.x - pad, box.y - pad, box.width + 2 * pad, box.height + 2 * pad) & frameRect;
  cv::Mat shape = solidShape(fullMask(padded));
  const cv::Rect tight = cv::boundingRect(shape);
  if (tight.area() == 0) return false;
  out.box = cv::Rect(tight.x + padded.x, tight.y + padded.y, tight.width, tight.height);
  if (out.box.x < edge || out.box.y < edge || out.box.br().x > frameRect.width - edge ||
      out.box.br().y > frameRect.height - edge) {
    return false;
  }
  out.mask = shape(tight).clone();
  out.area = cv::countNonZero(out.mask);
  if (out.area < minArea || out.area > maxArea) return false;
  // Threads and slivers make poor changes: too thin to see, or mostly background.
  if (std::min(out.box.width, out.box.height) < 8) return false;
  if (out.area < 0.3 * out.box.area()) return false;
  if (std::max(out.box.width, out.box.height) > 4 * std::min(out.box.width, out.box.height)) return false;
  // Measured in a window around the object, not over the whole frame: there are hundreds.
  constexpr int kRing = 6;
  const cv::Rect window = cv::Rect(out.box.x - kRing - 1, out.box.y - kRing - 1, out.box.width + 2 * kRing + 2,
                                   out.box.height + 2 * kRing + 2) &
                          frameRect;
  cv::Mat local = cv::Mat::zeros(window.size(), CV_8U);
  out.mask.copyTo(local(cv::Rect(out.box.tl() - window.tl(), out.box.size())));
  const cv::Mat ring = ringAround(local, kRing);
  const cv::Scalar inside = cv::mean(frame.lab(window), local), around = cv::mean(frame.lab(window), ring);
  out.contrast = std::sqrt(std::pow(inside[0] - around[0], 2) + std::pow(inside[1] - around[1], 2) +
                           std::pow(inside[2] - around[2], 2));
  out.saliency = cv::mean(frame.saliency(window), local)[0];
  out.score = std::min(out.contrast, 40.0) / 40.0 + 0.5 * std::min(out.saliency, 3.0) / 3.0;
  return true;
}

double overlapShare(const Region& a, const Region& b) {
  const int both = (a.box & b.box).area();
  return double(both) / (a.box.area() + b.box.area() - both);
}

// Segments: pixels of similar colour in the mean-shift filtered picture, grown from a
// grid of seeds; a filled segment is a barrier to the next.
void addSegments(const Frame& frame, const cv::Mat& shifted, int tolerance, int minArea, int maxArea, int edge,
                 std::vector<Region>& out) {
  cv::Mat filled = cv::Mat::zeros(shifted.rows + 2, shifted.cols + 2, CV_8U);
  for (int y = 3; y < shifted.rows; y += 6) {
    for (int x = 3; x < shifted.cols; x += 6) {
      if (filled.at<uchar>(y + 1, x + 1)) continue;
      cv::Rect box;
      const int area = cv::floodFill(shifted, filled, {x, y}, {}, &box, cv::Scalar::all(tolerance),
                                     cv::Scalar::all(tolerance), 4 | cv::FLOODFILL_MASK_ONLY | (1 << 8));
      // This fill alone wrote ones; earlier segments hold 255.
      cv::Mat inBox = filled(cv::Rect(box.x + 1, box.y + 1, box.width, box.height));
      cv::Mat grown = inBox == 1;
      inBox.setTo(255, grown);
      if (area < minArea / 2 || area > maxArea) continue;
      cv::Mat full = cv::Mat::zeros(shifted.size(), CV_8U);
      grown.copyTo(full(box));
      Region r;
      if (toRegion(frame, full, box, minArea, maxArea, edge, r)) out.push_back(std::move(r));
    }
  }
}

// Stable blobs of one channel: dark or light (or more red, more blue...) objects on a
// plainer ground.
void addBlobs(const Frame& frame, const cv::Mat& grey, int minArea, int maxArea, int edge, std::vector<Region>& out) {
  auto mser = cv::MSER::create(5, std::max(30, minArea / 2), maxArea, 0.25, 0.2);
  std::vector<std::vector<cv::Point>> blobs;
  std::vector<cv::Rect> boxes;
  mser->detectRegions(grey, blobs, boxes);
  for (size_t i = 0; i < blobs.size(); ++i) {
    cv::Mat full = cv::Mat::zeros(grey.size(), CV_8U);
    for (const cv::Point& p : blobs[i]) full.at<uchar>(p) = 255;
    Region r;
    if (toRegion(frame, full, boxes[i], minArea, maxArea, edge, r)) out.push_back(std::move(r));
  }
}

// Cells of a watershed grown from a grid of seeds at about the size wanted: in a photo
// of large surfaces they are the pieces whose borders lie on the picture's own edges.
void addCells(const Frame& frame, int step, int minArea, int maxArea, int edge, std::vector<Region>& out) {
  cv::Mat markers = cv::Mat::zeros(frame.rgb.size(), CV_32S);
  int label = 0;
  for (int y = step / 2; y < markers.rows; y += step) {
    // A seed of some size: single-pixel seeds are swamped by their neighbours in texture.
    for (int x = step / 2; x < markers.cols; x += step) cv::circle(markers, {x, y}, step / 4, ++label, cv::FILLED);
  }
  // The frame's edge is a seed of its own: the cells beside it stop short of it instead
  // of being cut off by it.
  const int edgeLabel = label + 1;
  cv::rectangle(markers, cv::Rect(0, 0, markers.cols, markers.rows), edgeLabel, 1);
  cv::Mat bgr, grey, gx, gy, strength;
  cv::cvtColor(frame.rgb, bgr, cv::COLOR_RGB2BGR);
  cv::watershed(bgr, markers);
  cv::cvtColor(frame.rgb, grey, cv::COLOR_RGB2GRAY);
  cv::Sobel(grey, gx, CV_32F, 1, 0);
  cv::Sobel(grey, gy, CV_32F, 0, 1);
  cv::magnitude(gx, gy, strength);
  const double typical = cv::mean(strength)[0];
  const cv::Mat borders = markers == -1;
  std::vector<cv::Rect> boxes(size_t(label) + 1);
  for (int y = 0; y < markers.rows; ++y) {
    const int* row = markers.ptr<int>(y);
    for (int x = 0; x < markers.cols; ++x) {
      if (row[x] >= 1 && row[x] <= label) boxes[size_t(row[x])] |= cv::Rect(x, y, 1, 1);
    }
  }
  const cv::Rect frameRect(0, 0, markers.cols, markers.rows);
  for (int l = 1; l <= label; ++l) {
    const cv::Rect box = boxes[size_t(l)];
    if (box.area() == 0) continue;
    const cv::Rect window = cv::Rect(box.x - 1, box.y - 1, box.width + 2, box.height + 2) & frameRect;
    cv::Mat cell = cv::Mat::zeros(markers.size(), CV_8U);
    cell(window).setTo(255, markers(window) == l);
    cv::Mat grownCell;
    cv::dilate(cell(window), grownCell, cv::Mat());
    const cv::Mat border = grownCell & borders(window);
    const double borderStrength = cv::mean(strength(window), border)[0] / std::max(1e-6, typical);
    Region r;
    if (!toRegion(frame, cell, box, minArea, maxArea, edge, r)) continue;
    // A cell whose border runs through flat colour is a plain shape: a last resort, and
    // only a surface to recolour or retexture.
    if (borderStrength < 1.2) {
      r.score *= 0.4;
      r.surface = true;
    }
    out.push_back(std::move(r));
  }
}

}  // namespace

cv::Mat ringAround(const cv::Mat& mask, int width) {
  cv::Mat grown;
  cv::dilate(mask, grown, cv::getStructuringElement(cv::MORPH_ELLIPSE, {2 * width + 1, 2 * width + 1}));
  return grown - mask;
}

cv::Mat deltaE(const cv::Mat& labA, const cv::Mat& labB) {
  cv::Mat diff = labA - labB;
  cv::Mat squared;
  cv::multiply(diff, diff, squared);
  std::vector<cv::Mat> parts;
  cv::split(squared, parts);
  cv::Mat distance;
  cv::sqrt(parts[0] + parts[1] + parts[2], distance);
  return distance;
}

double meanDeltaE(const cv::Mat& labA, const cv::Mat& labB, const cv::Mat& mask) {
  return cv::mean(deltaE(labA, labB), mask)[0];
}

cv::Mat spectralResidualSaliency(const cv::Mat& rgb) {
  constexpr int kSide = 64;
  cv::Mat grey, small;
  cv::cvtColor(rgb, grey, cv::COLOR_RGB2GRAY);
  cv::resize(grey, small, {kSide, kSide}, 0, 0, cv::INTER_AREA);
  small.convertTo(small, CV_32F, 1.0 / 255);
  cv::Mat planes[] = {small, cv::Mat::zeros(small.size(), CV_32F)};
  cv::Mat spectrum;
  cv::merge(planes, 2, spectrum);
  cv::dft(spectrum, spectrum);
  cv::split(spectrum, planes);
  cv::Mat magnitude, phase, logAmplitude, averaged;
  cv::cartToPolar(planes[0], planes[1], magnitude, phase);
  cv::log(magnitude + 1e-6f, logAmplitude);
  cv::blur(logAmplitude, averaged, {3, 3});
  cv::Mat residual;
  cv::exp(logAmplitude - averaged, residual);
  cv::polarToCart(residual, phase, planes[0], planes[1]);
  cv::merge(planes, 2, spectrum);
  cv::dft(spectrum, spectrum, cv::DFT_INVERSE | cv::DFT_SCALE);
  cv::split(spectrum, planes);
  cv::Mat power;
  cv::magnitude(planes[0], planes[1], power);
  cv::multiply(power, power, power);
  cv::GaussianBlur(power, power, {7, 7}, 2.5);
  cv::Mat saliency;
  cv::resize(power, saliency, rgb.size(), 0, 0, cv::INTER_LINEAR);
  const double average = cv::mean(saliency)[0];
  if (average > 0) saliency /= average;
  return saliency;
}

Frame makeFrame(const cv::Mat& rgb) {
  Frame f;
  f.rgb = rgb;
  cv::Mat asFloat;
  rgb.convertTo(asFloat, CV_32F, 1.0 / 255);
  cv::cvtColor(asFloat, f.lab, cv::COLOR_RGB2Lab);
  f.saliency = spectralResidualSaliency(rgb);
  return f;
}

std::vector<Region> findRegions(const Frame& frame, int minArea, int maxArea, int edge) {
  std::vector<Region> all;
  cv::Mat shifted;
  cv::pyrMeanShiftFiltering(frame.rgb, shifted, 5, 18, 1);
  for (int tolerance : {4, 9, 14}) addSegments(frame, shifted, tolerance, minArea, maxArea, edge, all);
  cv::Mat grey;
  cv::cvtColor(frame.rgb, grey, cv::COLOR_RGB2GRAY);
  addBlobs(frame, grey, minArea, maxArea, edge, all);
  // Colour blobs: objects that stand out by hue more than by lightness.
  std::vector<cv::Mat> lab;
  cv::split(frame.lab, lab);
  for (int c : {1, 2}) {
    cv::Mat channel;
    lab[size_t(c)].convertTo(channel, CV_8U, 2.0, 128);
    addBlobs(frame, channel, minArea, maxArea, edge, all);
  }
  const int step = std::max(8, int(std::sqrt(0.5 * (minArea + maxArea))));
  for (int cellStep : {step * 5 / 4, step, step * 3 / 4}) addCells(frame, cellStep, minArea, maxArea, edge, all);
  std::stable_sort(all.begin(), all.end(), [](const Region& a, const Region& b) { return a.score > b.score; });
  // Nested blobs and segments name the same object many times: keep the best of each.
  std::vector<Region> kept;
  for (Region& r : all) {
    const bool seen = std::any_of(kept.begin(), kept.end(), [&](const Region& k) { return overlapShare(k, r) > 0.5; });
    if (!seen) kept.push_back(std::move(r));
    if (kept.size() >= 120) break;
  }
  return kept;
}

}  // namespace pair_make
