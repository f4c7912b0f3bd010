// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The library of scene pieces: things drawn from a few flat shapes, placed, sized,
// mirrored and coloured by the scenes that use them. A piece is drawn around its anchor,
// the middle of its foot, so that scaling and mirroring keep it standing in place.
#include <QColor>
#include <QPoint>

#include <string>
#include <initializer_list>
#include <utility>
#include <vector>

#include "tools/scene.h"

namespace sample_maker {

enum class PieceKind {
  // Ground and walls: a plain block w x h, never changed.
  Block,
  // Sky and weather
  Sun,
  Cloud,
  Moon,
  Star,
  Bird,
  Kite,
  Balloon,
  // Buildings
  House,
  Tower,
  Shop,
  Window,
  Door,
  StreetLamp,
  TrafficLight,
  Fence,
  // Nature
  Tree,
  Pine,
  Bush,
  Flower,
  Rock,
  Mushroom,
  // Vehicles
  Car,
  Bus,
  Boat,
  Bicycle,
  Wagon,
  Tractor,
  // Animals
  Cat,
  Dog,
  Cow,
  Duck,
  Fish,
  Hen,
  Sheep,
  // Furniture
  Table,
  Chair,
  Shelf,
  Lamp,
  Clock,
  Frame,
  Cupboard,
  Blackboard,
  Stove,
  PlantPot,
  Rug,
  Bed,
  // People
  Person,
  Child,
  // Food
  Apple,
  Pear,
  Bread,
  Cake,
  Cup,
  Plate,
  Bottle,
  Cheese,
  Melon,
  Crate,
  // Signs
  Sign,
  Flag,
  Umbrella,
  Awning,
};

struct Piece {
  std::string name;  // unique in its scene; every shape of the piece carries it
  PieceKind kind = PieceKind::Block;
  QPoint at;        // the anchor: bottom middle (Block: top-left corner)
  int scale = 100;  // percent of the piece's natural size
  QColor colour;    // the main colour
  QColor accent;    // a second colour; invalid: the piece's own choice
  int variant = 0;  // a detail: panes of a window, petals of a flower, a sign's word...
  bool mirrored = false;
  int w = 0, h = 0;    // Block only
  bool fixed = false;  // ground, walls and sky: never changed
};

// The piece's shapes in picture coordinates.
std::vector<Shape> drawPiece(const Piece& piece);

// How many distinct details (variants) a kind knows; 1 when it has none.
int variantCount(PieceKind kind);

// Shorthands for the scenes.
Piece piece(std::string name, PieceKind kind, int x, int y, QColor colour, int scale = 100, int variant = 0,
            QColor accent = QColor());
Piece block(std::string name, int x, int y, int w, int h, QColor colour);

namespace pieces {

// Drawing in the piece's own coordinates: y grows downwards, the anchor is (0, 0), so
// most points have y <= 0. Every family file implements its kinds here.
using Shapes = std::vector<Shape>;

// A family's drawings, one for each kind in the same order; `otherwise` draws the
// family's remaining kind.
using PieceDrawing = Shapes (*)(const Piece&);
Shapes drawByKind(const Piece& p, std::initializer_list<PieceKind> kinds, std::initializer_list<PieceDrawing> drawings,
                  PieceDrawing otherwise);
Shapes sky(const Piece& p);
Shapes buildings(const Piece& p);
Shapes nature(const Piece& p);
Shapes vehicles(const Piece& p);
Shapes animals(const Piece& p);
Shapes furniture(const Piece& p);
Shapes people(const Piece& p);
Shapes food(const Piece& p);
Shapes signs(const Piece& p);

// Words of the signs, drawn in strokes of the sign's accent colour.
Shapes lettering(const std::string& word, int left, int baseline, int letterHeight, QColor ink);
const std::vector<std::string>& signWords();

// The accent, or a fallback when the piece has none.
inline QColor accentOr(const Piece& p, QColor fallback) { return p.accent.isValid() ? p.accent : fallback; }

}  // namespace pieces

}  // namespace sample_maker
