#pragma once
// A sample pair: a scene, its copy with five chosen changes, and the rectangles a
// player must find.
#include <QRect>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tools/picture_format.h"
#include "tools/scene.h"
#include "tools/scene_change.h"

namespace sample_maker {

inline constexpr int kDifferencesPerPair = 5;

// A scene with more possible changes than a pair needs; the seed picks among them.
struct SceneDesign {
  std::string name;  // file name stem: "casa"
  PictureFormat originalFormat = PictureFormat::Bmp;
  PictureFormat copyFormat = PictureFormat::Bmp;
  Scene scene;
  std::vector<SceneChange> candidates;
};

struct SamplePair {
  std::string name;
  PictureFormat originalFormat = PictureFormat::Bmp;
  PictureFormat copyFormat = PictureFormat::Bmp;
  Scene original;
  Scene copy;
  std::vector<SceneChange> changes;  // the five made in the copy
  std::vector<QRect> differences;    // the rectangle of each change, same order

  std::string originalFile() const;  // "casa.jpg"
  std::string copyFile() const;      // "casa_C.jpg"
};

// Pixels of margin around a change's bounds in its rectangle.
inline constexpr int kDifferenceMargin = 3;
// A change must alter at least this many pixels to be worth finding.
inline constexpr int kMinChangedPixels = 30;
// and its rectangle may cover at most this share of the picture, or it is found at a glance.
inline constexpr double kMaxDifferenceShare = 0.10;

// The rectangle a change gets: its bounds with the margin, clipped to the picture.
QRect differenceRectangle(const Scene& scene, const SceneChange& change);

// Picks five candidates in an order drawn from rng, keeping only those that visibly
// change the picture, whose rectangles are small enough and overlap no rectangle
// already taken, one change per object. Throws std::runtime_error when fewer than five
// qualify.
SamplePair choosePair(const SceneDesign& design, std::mt19937& rng);

}  // namespace sample_maker
