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
