// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A sample pair: a scene, its copy with five chosen changes, and the rectangles a
// player must find.
#include <QRect>

#include <random>
#include <string>
#include <vector>

#include "tools/change_kinds.h"
#include "tools/picture_format.h"
#include "tools/scene_pieces.h"
#include "tools/scene.h"

namespace sample_maker {

inline constexpr int kDifferencesPerPair = 5;

// A scene and the pieces that its copy may gain.
struct SceneDesign {
  std::string name;  // file name stem: "strada"
  PictureFormat originalFormat = PictureFormat::Jpeg;
  PictureFormat copyFormat = PictureFormat::Jpeg;
  Layout layout;
  std::vector<Piece> extras;
};

struct SamplePair {
  std::string name;
  PictureFormat originalFormat = PictureFormat::Jpeg;
  PictureFormat copyFormat = PictureFormat::Jpeg;
  Scene original;
  Scene copy;
  std::vector<PieceChange> changes;  // the five made in the copy
  std::vector<QRect> differences;    // the rectangle of each change, same order

  std::string originalFile() const;  // "strada.jpg"
  std::string copyFile() const;      // "strada_C.jpg"
};

// Pixels of margin around the pixels a change alters, so that a click on its edge hits.
inline constexpr int kDifferenceMargin = 4;
// Free pixels between the rectangles of two changes, so they are never seen as one.
inline constexpr int kRectangleSpacing = 10;
// The least width and height of a change, and how many of its pixels must change plainly.
inline constexpr int kMinChangeSide = 12;
inline constexpr int kMinStrongPixels = 100;
// A rectangle may cover at most this share of the picture, or it is found at a glance.
inline constexpr double kMaxDifferenceShare = 0.10;
// No kind of change is used more than this often in one pair.
inline constexpr int kMaxChangesOfOneKind = 2;

bool isMetafile(PictureFormat format);

// Tries changes drawn from rng until five qualify: each alters one patch of pixels, at
// least 12 x 12 of them plainly, well inside the picture, apart from the others. The
// rectangle is the bounds of the altered pixels with the margin. Throws
// std::runtime_error when the scene offers fewer than five.
SamplePair makePair(const SceneDesign& design, std::mt19937& rng);

}  // namespace sample_maker
