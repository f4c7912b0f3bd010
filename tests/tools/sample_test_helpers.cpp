// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/sample_test_helpers.h"

#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace sample_tests {

std::unique_ptr<MadeFolder> makeFolder(std::uint32_t seed) {
  auto folder = std::make_unique<MadeFolder>();
  if (!folder->dir.isValid()) {
    throw std::runtime_error("no temporary folder");
  }
  makeAgain(*folder, seed);
  return folder;
}

void makeAgain(MadeFolder& folder, std::uint32_t seed) {
  std::ostringstream log;
  folder.report = sample_maker::makeAppData(folder.path(), seed, log);
  folder.log = log.str();
}

QByteArray readFile(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    throw std::runtime_error("cannot read " + path);
  }
  return file.readAll();
}

QRect storedRect(const picture_db::DifferenceRect& r) {
  const int x1 = static_cast<int>(r.x1.value_or(0)), y1 = static_cast<int>(r.y1.value_or(0));
  const int x2 = static_cast<int>(r.x2.value_or(0)), y2 = static_cast<int>(r.y2.value_or(0));
  return QRect(x1, y1, x2 - x1, y2 - y1);
}

namespace {
int channelGap(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}
}  // namespace

int differingPixels(const QImage& a, const QImage& b, const QRect& area, int tolerance) {
  int count = 0;
  const QRect inside = area.intersected(a.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      count += channelGap(a.pixel(x, y), b.pixel(x, y)) > tolerance ? 1 : 0;
    }
  }
  return count;
}

int differingOutside(const QImage& a, const QImage& b, const std::vector<QRect>& rects, int tolerance) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const bool inside = std::any_of(rects.begin(), rects.end(), [&](const QRect& r) { return r.contains(x, y); });
      if (!inside && channelGap(a.pixel(x, y), b.pixel(x, y)) > tolerance) {
        ++count;
      }
    }
  }
  return count;
}

double meanChannelDifference(const QImage& a, const QImage& b) {
  double total = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  }
  return total / (3.0 * a.width() * a.height());
}

}  // namespace sample_tests

namespace sample_tests {

std::vector<ChangedPatch> changedPatches(const QImage& a, const QImage& b, int tolerance, int joinDistance,
                                         int minPixels) {
  const int w = a.width(), h = a.height();
  std::vector<char> mask(static_cast<std::size_t>(w) * h, 0), seen(mask.size(), 0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x)
      mask[static_cast<std::size_t>(y) * w + x] = channelGap(a.pixel(x, y), b.pixel(x, y)) > tolerance;
  }
  std::vector<ChangedPatch> patches;
  for (int start = 0; start < w * h; ++start) {
    if (!mask[start] || seen[start]) continue;
    ChangedPatch patch;
    std::vector<int> stack{start};
    seen[start] = 1;
    while (!stack.empty()) {
      const int at = stack.back();
      stack.pop_back();
      const QPoint p(at % w, at / w);
      patch.pixels.push_back(p);
      patch.bounds |= QRect(p, QSize(1, 1));
      for (int dy = -joinDistance; dy <= joinDistance; ++dy) {
        for (int dx = -joinDistance; dx <= joinDistance; ++dx) {
          const int nx = p.x() + dx, ny = p.y() + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          const int n = ny * w + nx;
          if (mask[n] && !seen[n]) {
            seen[n] = 1;
            stack.push_back(n);
          }
        }
      }
    }
    if (static_cast<int>(patch.pixels.size()) >= minPixels) patches.push_back(std::move(patch));
  }
  return patches;
}

std::string judgePair(const QImage& original, const QImage& copy, const std::vector<QRect>& rects, int tolerance) {
  std::ostringstream faults;
  if (original.size() != copy.size()) return "the two pictures differ in size";
  const auto patches = changedPatches(original, copy, tolerance);
  if (patches.size() != rects.size()) faults << patches.size() << " patches differ, not " << rects.size() << "; ";
  std::vector<int> patchesOfRect(rects.size(), 0);
  for (const ChangedPatch& patch : patches) {
    int holders = 0;
    for (std::size_t r = 0; r < rects.size(); ++r) {
      const QRect& rect = rects[r];
      const auto inside = std::count_if(patch.pixels.begin(), patch.pixels.end(), [&](const QPoint& p) {
        return p.x() > rect.left() && p.x() < rect.left() + rect.width() && p.y() > rect.top() &&
               p.y() < rect.top() + rect.height();
      });
      if (inside * 10 >= static_cast<long>(patch.pixels.size()) * 9) {
        ++holders;
        ++patchesOfRect[r];
      }
    }
    if (holders != 1) {
      faults << "the patch at " << patch.bounds.x() << "," << patch.bounds.y() << " (" << patch.bounds.width() << "x"
             << patch.bounds.height() << ", " << patch.pixels.size() << " pixels) lies in " << holders
             << " rectangles; ";
    }
  }
  for (std::size_t r = 0; r < rects.size(); ++r) {
    if (patchesOfRect[r] != 1) {
      faults << "rectangle " << rects[r].x() << "," << rects[r].y() << " holds " << patchesOfRect[r] << " patches; ";
    }
  }
  return faults.str();
}

}  // namespace sample_tests
