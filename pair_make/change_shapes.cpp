// SPDX-License-Identifier: GPL-2.0-or-later
// Changes that keep the object where it is: recoloured, mirrored, resized.
#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <opencv2/photo.hpp>

#include "pair_make/change_patch.h"

namespace pair_make {

namespace {
cv::Rect frameRect(const Frame& frame) { return {0, 0, frame.rgb.cols, frame.rgb.rows}; }

cv::Rect grown(const cv::Rect& r, int by) { return {r.x - by, r.y - by, r.width + 2 * by, r.height + 2 * by}; }

cv::Mat dilated(const cv::Mat& mask, int by) {
  if (by <= 0) return mask.clone();
  cv::Mat out;
  cv::dilate(mask, out, cv::getStructuringElement(cv::MORPH_ELLIPSE, {2 * by + 1, 2 * by + 1}));
  return out;
}
}  // namespace

cv::Rect Patch::box() const {
  const cv::Rect inRoi = cv::boundingRect(footprint);
  return {inRoi.x + roi.x, inRoi.y + roi.y, inRoi.width, inRoi.height};
}

cv::Mat regionMaskIn(const Region& region, const cv::Rect& roi, int grow) {
  cv::Mat mask = cv::Mat::zeros(roi.size(), CV_8U);
  const cv::Rect at = cv::Rect(region.box.tl() - roi.tl(), region.box.size()) & cv::Rect({}, roi.size());
  region.mask(cv::Rect(at.tl() + roi.tl() - region.box.tl(), at.size())).copyTo(mask(at));
  return dilated(mask, grow);
}

std::optional<Patch> blendInto(const Frame& frame, ChangeKind kind, const cv::Rect& roi, const cv::Mat& source,
                               const cv::Mat& mask) {
  const cv::Rect inside = cv::boundingRect(mask);
  if (inside.area() == 0 || inside.x < 2 || inside.y < 2 || inside.br().x > roi.width - 2 ||
      inside.br().y > roi.height - 2) {
    return std::nullopt;
  }
  Patch p;
  p.kind = kind;
  p.roi = roi;
  p.footprint = mask;
  const cv::Mat target = frame.rgb(roi).clone();
  // The centre that puts the mask's box back exactly where it was (OpenCV places the
  // box's top-left corner at centre minus half its size).
  const cv::Point centre(inside.x + inside.width / 2, inside.y + inside.height / 2);
  try {
    cv::seamlessClone(source, target, mask, centre, p.pixels, cv::NORMAL_CLONE);
  } catch (const cv::Exception&) {
    return std::nullopt;
  }
  return p;
}

std::optional<Patch> makeRecoloured(const Frame& frame, const Region& region, Random& random) {
  const cv::Rect roi = grown(region.box, 3) & frameRect(frame);
  const cv::Mat mask = regionMaskIn(region, roi, 1);
  cv::Mat lab = frame.lab(roi).clone();
  const cv::Scalar mean = cv::mean(lab, mask);
  const double chroma = std::hypot(mean[1], mean[2]);
  std::vector<cv::Mat> ch;
  cv::split(lab, ch);
  if (chroma > 18) {
    // A turn of the hue keeps lightness, and with it the object's shading.
    const double turn = randomBetween(random, 60, 110) * (randomBelow(random, 2) ? 1 : -1) * CV_PI / 180;
    const cv::Mat a = ch[1].clone(), b = ch[2].clone();
    ch[1] = a * std::cos(turn) - b * std::sin(turn);
    ch[2] = a * std::sin(turn) + b * std::cos(turn);
  } else {
    // A grey object takes a colour and a shift of lightness; its shading stays.
    const double hue = randomBetween(random, 0, 2 * CV_PI);
    ch[1] += 28 * std::cos(hue);
    ch[2] += 28 * std::sin(hue);
    ch[0] += mean[0] > 50 ? -14 : 14;
  }
  cv::merge(ch, lab);
  cv::Mat rgbFloat, turned;
  cv::cvtColor(lab, rgbFloat, cv::COLOR_Lab2RGB);
  rgbFloat.convertTo(turned, CV_8UC3, 255);
  // A soft edge of two pixels: the new colour fades into the outline, no hard seam.
  cv::Mat alpha;
  mask.convertTo(alpha, CV_32F, 1.0 / 255);
  cv::GaussianBlur(alpha, alpha, {5, 5}, 1.2);
  cv::Mat alpha3;
  cv::merge(std::vector<cv::Mat>{alpha, alpha, alpha}, alpha3);
  cv::Mat original, changed;
  frame.rgb(roi).convertTo(original, CV_32FC3);
  turned.convertTo(changed, CV_32FC3);
  cv::Mat blended = original.mul(cv::Scalar::all(1) - alpha3) + changed.mul(alpha3);
  Patch p;
  p.kind = ChangeKind::Recoloured;
  p.roi = roi;
  blended.convertTo(p.pixels, CV_8UC3);
  p.footprint = alpha > 0.02f;
  return p;
}

std::optional<Patch> makeMirrored(const Frame& frame, const Region& region) {
  const cv::Rect roi = grown(region.box, 6) & frameRect(frame);
  if (roi != grown(region.box, 6)) return std::nullopt;
  const cv::Rect at(region.box.tl() - roi.tl(), region.box.size());
  const cv::Mat own = regionMaskIn(region, roi);
  // The object turned about the axis that changes it most; its outline goes with it.
  std::optional<Patch> best;
  double bestChange = 0;
  for (int axis : {1, 0}) {
    cv::Mat source = frame.rgb(roi).clone();
    cv::flip(frame.rgb(region.box), source(at), axis);
    cv::Mat flippedMask = cv::Mat::zeros(roi.size(), CV_8U);
    cv::flip(region.mask, flippedMask(at), axis);
    cv::Mat mask;
    cv::bitwise_or(own, flippedMask, mask);
    std::optional<Patch> p = blendInto(frame, ChangeKind::Mirrored, roi, source, dilated(mask, 2));
    if (!p) continue;
    cv::Mat diff;
    cv::absdiff(p->pixels, frame.rgb(roi), diff);
    const double change = cv::mean(diff, p->footprint)[0] + cv::mean(diff, p->footprint)[1];
    if (!best || change > bestChange) best = std::move(p), bestChange = change;
  }
  return best;
}

std::optional<Patch> makeResized(const Frame& frame, const Region& region, Random& random) {
  const double factor = randomBetween(random, 1.25, 1.33);
  const cv::Size size(int(std::lround(region.box.width * factor)), int(std::lround(region.box.height * factor)));
  const cv::Point centre(region.box.x + region.box.width / 2, region.box.y + region.box.height / 2);
  const cv::Rect grownBox(centre.x - size.width / 2, centre.y - size.height / 2, size.width, size.height);
  const cv::Rect roi = grown(grownBox, 6);
  if ((roi & frameRect(frame)) != roi) return std::nullopt;
  cv::Mat source = frame.rgb(roi).clone();
  cv::Mat bigger, biggerMask;
  cv::resize(frame.rgb(region.box), bigger, size, 0, 0, cv::INTER_CUBIC);
  cv::resize(region.mask, biggerMask, size, 0, 0, cv::INTER_NEAREST);
  const cv::Rect at(grownBox.tl() - roi.tl(), size);
  bigger.copyTo(source(at));
  cv::Mat mask = cv::Mat::zeros(roi.size(), CV_8U);
  biggerMask.copyTo(mask(at));
  // The old outline is covered too, where the grown one does not reach over it.
  cv::bitwise_or(mask, regionMaskIn(region, roi), mask);
  return blendInto(frame, ChangeKind::Resized, roi, source, dilated(mask, 2));
}

}  // namespace pair_make
