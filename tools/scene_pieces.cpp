// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/scene_pieces.h"

#include <algorithm>

namespace sample_maker {

namespace {

int familyOf(PieceKind k) {
  const int v = static_cast<int>(k);
  if (v <= static_cast<int>(PieceKind::Block)) return 0;
  if (v <= static_cast<int>(PieceKind::Balloon)) return 1;
  if (v <= static_cast<int>(PieceKind::Fence)) return 2;
  if (v <= static_cast<int>(PieceKind::Mushroom)) return 3;
  if (v <= static_cast<int>(PieceKind::Tractor)) return 4;
  if (v <= static_cast<int>(PieceKind::Sheep)) return 5;
  if (v <= static_cast<int>(PieceKind::Bed)) return 6;
  if (v <= static_cast<int>(PieceKind::Child)) return 7;
  if (v <= static_cast<int>(PieceKind::Crate)) return 8;
  return 9;
}

pieces::Shapes localShapes(const Piece& p) {
  switch (familyOf(p.kind)) {
    case 1: return pieces::sky(p);
    case 2: return pieces::buildings(p);
    case 3: return pieces::nature(p);
    case 4: return pieces::vehicles(p);
    case 5: return pieces::animals(p);
    case 6: return pieces::furniture(p);
    case 7: return pieces::people(p);
    case 8: return pieces::food(p);
    case 9: return pieces::signs(p);
    default: return {box("", 0, 0, p.w, p.h, p.colour)};
  }
}

int scaled(int v, int scale) {
  // Rounds half away from zero, the same on every machine.
  const int n = v * scale;
  return n >= 0 ? (n + 50) / 100 : -((-n + 50) / 100);
}

}  // namespace

std::vector<Shape> drawPiece(const Piece& p) {
  std::vector<Shape> shapes = localShapes(p);
  for (Shape& s : shapes) {
    s.object = p.name;
    if (p.kind == PieceKind::Block) {
      for (QPoint& q : s.points) q += p.at;
      continue;
    }
    for (QPoint& q : s.points) {
      const int x = p.mirrored ? -q.x() : q.x();
      q = QPoint(p.at.x() + scaled(x, p.scale), p.at.y() + scaled(q.y(), p.scale));
    }
    if ((s.kind == ShapeKind::Rectangle || s.kind == ShapeKind::Ellipse) && s.points.size() == 2) {
      const QPoint a = s.points[0], b = s.points[1];
      s.points = {QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                  QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))};
    }
    if (s.penWidth > 0) s.penWidth = std::max(1, scaled(s.penWidth, p.scale));
  }
  return shapes;
}

int variantCount(PieceKind kind) {
  switch (kind) {
    case PieceKind::House:
    case PieceKind::Window:
    case PieceKind::Tower:
    case PieceKind::Shelf:
    case PieceKind::Flower:
    case PieceKind::Clock:
    case PieceKind::Person:
    case PieceKind::Bus:
    case PieceKind::Cake:
    case PieceKind::Boat:
    case PieceKind::Crate:
    case PieceKind::Frame:
    case PieceKind::Blackboard:
    case PieceKind::Door:
    case PieceKind::Fence:
    case PieceKind::Tree: return 3;
    case PieceKind::Sign:
    case PieceKind::Shop: return static_cast<int>(pieces::signWords().size());
    case PieceKind::Star:
    case PieceKind::Moon:
    case PieceKind::Cat:
    case PieceKind::Cupboard:
    case PieceKind::TrafficLight:
    case PieceKind::Child:
    case PieceKind::Cow: return 2;
    default: return 1;
  }
}

Piece piece(std::string name, PieceKind kind, int x, int y, QColor colour, int scale, int variant, QColor accent) {
  Piece p;
  p.name = std::move(name);
  p.kind = kind;
  p.at = QPoint(x, y);
  p.colour = colour;
  p.scale = scale;
  p.variant = variant;
  p.accent = accent;
  return p;
}

Piece block(std::string name, int x, int y, int w, int h, QColor colour) {
  Piece p = piece(std::move(name), PieceKind::Block, x, y, colour);
  p.w = w;
  p.h = h;
  p.fixed = true;
  return p;
}

namespace pieces {

Shapes drawByKind(const Piece& p, std::initializer_list<PieceKind> kinds, std::initializer_list<PieceDrawing> drawings,
                  PieceDrawing otherwise) {
  auto draw = drawings.begin();
  for (auto kind = kinds.begin(); kind != kinds.end() && draw != drawings.end(); ++kind, ++draw) {
    if (*kind == p.kind) return (*draw)(p);
  }
  return otherwise(p);
}

}  // namespace pieces

}  // namespace sample_maker
