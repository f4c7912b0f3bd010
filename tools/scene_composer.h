// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the scenes of the sample pairs are built with: the picture's size, and a composer
// that places named pieces with small seeded variations.
#include <random>
#include <vector>

#include "tools/sample_pair.h"
#include "tools/scene_pieces.h"

namespace sample_maker {

// Every sample picture fills the game's picture area exactly.
inline constexpr int kSampleWidth = 380;
inline constexpr int kSampleHeight = 436;

// Fills a design's layout and extras; the scenes are texts run against it.
class Composer {
 public:
  Composer(SceneDesign& design, std::mt19937& rng, QColor background);

  // The colour behind everything: sky, wall or water.
  void background(QColor colour);
  // A piece named after its place in the scene ("p12").
  Piece& put(PieceKind kind, int x, int y, QColor colour, int scale = 100, int variant = 0, QColor accent = QColor());
  // Ground, walls, water: never changed.
  void band(int x, int y, int w, int h, QColor colour);
  // A piece the copy may gain.
  void extra(PieceKind kind, int x, int y, QColor colour, int scale = 100, int variant = 0);

  // v moved by up to spread either way.
  int near(int v, int spread);
  // One of the colours.
  QColor oneOf(std::initializer_list<QColor> colours);
  QColor oneOf(const std::vector<QColor>& colours);
  int pick(int lo, int hi);

 private:
  SceneDesign& design_;
  std::mt19937& rng_;
  int count_ = 0;
};

}  // namespace sample_maker
