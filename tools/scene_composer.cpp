// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/scene_composer.h"

#include <vector>

#include "tools/seeded_random.h"

namespace sample_maker {

Composer::Composer(SceneDesign& design, std::mt19937& rng, QColor background) : design_(design), rng_(rng) {
  design_.layout = Layout{};
  design_.layout.width = kSampleWidth;
  design_.layout.height = kSampleHeight;
  design_.layout.background = background;
  design_.extras.clear();
}

void Composer::background(QColor colour) { design_.layout.background = colour; }

Piece& Composer::put(PieceKind kind, int x, int y, QColor colour, int scale, int variant, QColor accent) {
  design_.layout.add(piece("p" + std::to_string(++count_), kind, x, y, colour, scale, variant, accent));
  return design_.layout.pieces.back();
}

void Composer::band(int x, int y, int w, int h, QColor colour) {
  design_.layout.add(block("b" + std::to_string(++count_), x, y, w, h, colour));
}

void Composer::extra(PieceKind kind, int x, int y, QColor colour, int scale, int variant) {
  design_.extras.push_back(
      piece("extra" + std::to_string(design_.extras.size() + 1), kind, x, y, colour, scale, variant));
}

int Composer::near(int v, int spread) { return v + pickInt(rng_, -spread, spread); }

QColor Composer::oneOf(std::initializer_list<QColor> colours) { return oneOf(std::vector<QColor>(colours)); }

QColor Composer::oneOf(const std::vector<QColor>& colours) { return pickOne(rng_, colours); }

int Composer::pick(int lo, int hi) { return pickInt(rng_, lo, hi); }

}  // namespace sample_maker
