// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The check of one picture pair: both pictures and the stored rectangles in, the
// differences found and the problems out. Touches no file and no database.
#include <QImage>
#include <QString>
#include <vector>

#include "pair_check/pair_report.h"
#include "toolkit/picture_loader.h"

namespace pair_check {

// The game has five found-markers: a pair needs exactly five rectangles.
inline constexpr int kRectanglesPerPair = 5;
// A rectangle stands for a difference when this share of its pixels lies strictly inside.
inline constexpr double kCoverage = 0.9;

// One picture of the pair as the picture loader gives it; a null image carries why.
using PictureSide = toolkit::LoadedPicture;

PairReport checkPair(const PictureSide& original, const PictureSide& copy, const std::vector<Rect>& rects);

}  // namespace pair_check
