// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/scene_pieces.h"

#include <algorithm>
#include <map>

namespace sample_maker {

namespace {

// Every kind's drawing, looked up by its kind; Block is drawn here.
const pieces::KindDrawing& drawingOf(PieceKind kind) {
  static const std::map<PieceKind, pieces::KindDrawing> drawings = [] {
    std::map<PieceKind, pieces::KindDrawing> all;
    for (const pieces::Family* family :
         {&pieces::sky(), &pieces::buildings(), &pieces::nature(), &pieces::vehicles(), &pieces::animals(),
          &pieces::furniture(), &pieces::people(), &pieces::food(), &pieces::signs()}) {
      for (const pieces::KindDrawing& d : *family) all.emplace(d.kind, d);
    }
    const auto block = [](const Piece& p) -> pieces::Shapes { return {box("", 0, 0, p.w, p.h, p.colour)}; };
    all.emplace(PieceKind::Block, pieces::KindDrawing{PieceKind::Block, "Block", block, 1, false});
    return all;
  }();
  return drawings.at(kind);
}

int scaled(int v, int scale) {
  // Rounds half away from zero, the same on every machine.
  const int n = v * scale;
  return n >= 0 ? (n + 50) / 100 : -((-n + 50) / 100);
}

}  // namespace

std::vector<Shape> drawPiece(const Piece& p) {
  std::vector<Shape> shapes = drawingOf(p.kind).draw(p);
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

int variantCount(PieceKind kind) { return drawingOf(kind).variants; }

bool floats(PieceKind kind) { return drawingOf(kind).floats; }

const char* pieceKindName(PieceKind kind) { return drawingOf(kind).name; }

std::optional<PieceKind> pieceKindNamed(const std::string& name) {
  for (int k = 0; k <= static_cast<int>(PieceKind::Awning); ++k) {
    if (name == drawingOf(static_cast<PieceKind>(k)).name) return static_cast<PieceKind>(k);
  }
  return std::nullopt;
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

}  // namespace sample_maker
