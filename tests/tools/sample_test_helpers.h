// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Shared by the sample maker's tests: a folder made by the maker, and pixel comparisons.
#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "picture_db/records.h"
#include "tools/app_data_maker.h"

namespace sample_tests {

struct MadeFolder {
  QTemporaryDir dir;
  sample_maker::AppDataReport report;
  std::string log;

  std::string path() const { return dir.path().toStdString(); }
  std::string file(const std::string& relative) const { return path() + "/" + relative; }
  std::string picture(const std::string& name) const { return file("Images/" + name); }
};

// Runs the maker on a new temporary folder.
std::unique_ptr<MadeFolder> makeFolder(std::uint32_t seed);
// Runs it again on a folder it already made.
void makeAgain(MadeFolder& folder, std::uint32_t seed);

QByteArray readFile(const std::string& path);

// A stored rectangle as a QRect: left, top, and edges past the right and bottom pixel.
QRect storedRect(const picture_db::DifferenceRect& r);

// Pixels inside area whose colours differ by more than tolerance in a channel.
int differingPixels(const QImage& a, const QImage& b, const QRect& area, int tolerance = 0);
// Pixels outside every rectangle whose colours differ by more than tolerance in a channel.
int differingOutside(const QImage& a, const QImage& b, const std::vector<QRect>& rects, int tolerance = 0);
// Average absolute difference per colour channel over the whole picture.
double meanChannelDifference(const QImage& a, const QImage& b);

// A patch where two pictures differ, as a pair checker sees it: pixels differing by more
// than a tolerance, those up to joinDistance apart counted as one patch, patches of
// fewer than minPixels dropped as noise.
struct ChangedPatch {
  QRect bounds;
  std::vector<QPoint> pixels;
};
std::vector<ChangedPatch> changedPatches(const QImage& a, const QImage& b, int tolerance, int joinDistance = 5,
                                         int minPixels = 12);

// What is wrong with a pair under the strictest judging: exactly one patch for each
// rectangle, at least 90% of its pixels strictly inside that rectangle and no other;
// empty when nothing is.
std::string judgePair(const QImage& original, const QImage& copy, const std::vector<QRect>& rects, int tolerance);

}  // namespace sample_tests
