// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The library of scene pieces: things drawn from a few flat shapes, placed, sized,
// mirrored and coloured by the scenes that use them. A piece is drawn around its anchor,
// the middle of its foot, so that scaling and mirroring keep it standing in place.
#include <QColor>
#include <QPoint>

#include <string>
#include <vector>

#include "tools/scene.h"

namespace sample_maker {

struct Piece {
  std::string name;  // unique in its scene; every shape of the piece carries it
  // What it is, as the scene tables name it ("StreetLamp"). "Block" is ground and walls:
  // a plain block w x h, never changed.
  std::string kind = "Block";
  QPoint at;        // the anchor: bottom middle (Block: top-left corner)
  int scale = 100;  // percent of the piece's natural size
  QColor colour;    // the main colour
  QColor accent;    // a second colour; invalid: the piece's own choice
  int variant = 0;  // a detail: panes of a window, petals of a flower, a sign's word...
  bool mirrored = false;
  int w = 0, h = 0;    // Block only
  bool fixed = false;  // ground, walls and sky: never changed
};

// A scene as placed pieces, painted in order over a background.
struct Layout {
  int width = 0;
  int height = 0;
  QColor background;
  std::vector<Piece> pieces;

  void add(Piece p) { pieces.push_back(std::move(p)); }
  // The index of the piece of that name, or -1.
  int indexOf(const std::string& name) const;
};

// The layout's shapes. For a metafile every filled shape gets an outline of its own
// colour, and wide lines become polygons: the two metafile players disagree on the edges of
// unoutlined shapes and on the ends of wide lines.
Scene sceneOf(const Layout& layout, bool forMetafile);

// The piece's shapes in picture coordinates.
std::vector<Shape> drawPiece(const Piece& piece);

// Every kind of piece there is, "Block" included.
std::vector<std::string> pieceKinds();
// How many distinct details (variants) a kind knows; 1 when it has none.
int variantCount(const std::string& kind);
// Whether pieces of the kind hang in the air, and so may move up and down too.
bool floats(const std::string& kind);

Piece piece(std::string name, std::string kind, int x, int y, QColor colour, int scale = 100, int variant = 0,
            QColor accent = QColor());
Piece block(std::string name, int x, int y, int w, int h, QColor colour);

namespace pieces {

// Drawing in the piece's own coordinates: y grows downwards, the anchor is (0, 0), so
// most points have y <= 0.
using Shapes = std::vector<Shape>;

// What a family file tells of each of its kinds.
struct KindDrawing {
  const char* kind;
  Shapes (*draw)(const Piece&);
  int variants;
  bool floats;
};
using Family = std::vector<KindDrawing>;
const Family& outdoors();
const Family& town();
const Family& indoors();

// Words of the signs, drawn in strokes of the sign's accent colour.
Shapes lettering(const std::string& word, int left, int baseline, int letterHeight, QColor ink);
const std::vector<std::string>& signWords();

// The accent, or a fallback when the piece has none.
inline QColor accentOr(const Piece& p, QColor fallback) { return p.accent.isValid() ? p.accent : fallback; }

}  // namespace pieces

}  // namespace sample_maker
