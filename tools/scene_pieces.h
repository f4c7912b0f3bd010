// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The library of scene pieces: things drawn from a few flat shapes, placed, sized,
// mirrored and coloured by the scenes that use them. A piece is drawn around its anchor,
// the middle of its foot, so that scaling and mirroring keep it standing in place.
#include <QColor>
#include <QPoint>

#include <optional>
#include <string>
#include <vector>

#include "tools/scene.h"

namespace sample_maker {

// Block is ground and walls: a plain block w x h, never changed. The others come in
// families: sky, buildings, nature, vehicles, animals, furniture, people, food, signs.
enum class PieceKind {
  Block,
  Sun,
  Cloud,
  Moon,
  Star,
  Bird,
  Kite,
  Balloon,
  House,
  Tower,
  Shop,
  Window,
  Door,
  StreetLamp,
  TrafficLight,
  Fence,
  Tree,
  Pine,
  Bush,
  Flower,
  Rock,
  Mushroom,
  Car,
  Bus,
  Boat,
  Bicycle,
  Wagon,
  Tractor,
  Cat,
  Dog,
  Cow,
  Duck,
  Fish,
  Hen,
  Sheep,
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
  Person,
  Child,
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
  Sign,
  Flag,
  Umbrella,
  Awning
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
// Whether pieces of the kind hang in the air, and so may move up and down too.
bool floats(PieceKind kind);
// The kind as the scene tables spell it ("StreetLamp"), and back.
const char* pieceKindName(PieceKind kind);
std::optional<PieceKind> pieceKindNamed(const std::string& name);

Piece piece(std::string name, PieceKind kind, int x, int y, QColor colour, int scale = 100, int variant = 0,
            QColor accent = QColor());
Piece block(std::string name, int x, int y, int w, int h, QColor colour);

namespace pieces {

// Drawing in the piece's own coordinates: y grows downwards, the anchor is (0, 0), so
// most points have y <= 0.
using Shapes = std::vector<Shape>;

// What a family file tells of each of its kinds.
struct KindDrawing {
  PieceKind kind;
  const char* name;
  Shapes (*draw)(const Piece&);
  int variants;
  bool floats;
};
using Family = std::vector<KindDrawing>;
const Family& sky();
const Family& buildings();
const Family& nature();
const Family& vehicles();
const Family& animals();
const Family& furniture();
const Family& people();
const Family& food();
const Family& signs();

// Words of the signs, drawn in strokes of the sign's accent colour.
Shapes lettering(const std::string& word, int left, int baseline, int letterHeight, QColor ink);
const std::vector<std::string>& signWords();

// The accent, or a fallback when the piece has none.
inline QColor accentOr(const Piece& p, QColor fallback) { return p.accent.isValid() ? p.accent : fallback; }

}  // namespace pieces

}  // namespace sample_maker
