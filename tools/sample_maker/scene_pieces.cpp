// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/scene_pieces.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace sample_maker {

namespace {

// Every kind's drawing by its name; Block is drawn here.
const std::map<std::string, pieces::KindDrawing>& drawings() {
  static const std::map<std::string, pieces::KindDrawing> all = [] {
    std::map<std::string, pieces::KindDrawing> kinds;
    for (const pieces::Family* family : {&pieces::outdoors(), &pieces::town(), &pieces::indoors()}) {
      for (const pieces::KindDrawing& d : *family) kinds.emplace(d.kind, d);
    }
    const auto block = [](const Piece& p) -> pieces::Shapes { return {box(0, 0, p.w, p.h, p.colour)}; };
    kinds.emplace("Block", pieces::KindDrawing{"Block", block, 1, false});
    return kinds;
  }();
  return all;
}

const pieces::KindDrawing& drawingOf(const std::string& kind) {
  const auto found = drawings().find(kind);
  if (found == drawings().end()) throw std::invalid_argument("no piece of the kind \"" + kind + "\"");
  return found->second;
}

// A thick line as one outlined quadrilateral per segment: the two metafile players end
// and join wide pens differently, but fill a polygon alike.
void addAsPolygons(const Shape& line, std::vector<Shape>& out) {
  const double half = std::max(1, line.penWidth) / 2.0;
  for (std::size_t i = 1; i < line.points.size(); ++i) {
    const QPointF a = line.points[i - 1], b = line.points[i];
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    if (length == 0) continue;
    const QPointF n((a.y() - b.y()) / length * half, (b.x() - a.x()) / length * half);
    const auto at = [](QPointF p) {
      return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
    };
    out.push_back(polygon({at(a + n), at(b + n), at(b - n), at(a - n)}, line.pen, line.pen, 1));
    out.back().object = line.object;
  }
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
    if (p.kind == "Block") {
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

int Layout::indexOf(const std::string& name) const {
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

Scene sceneOf(const Layout& layout, bool forMetafile) {
  Scene scene;
  scene.width = layout.width;
  scene.height = layout.height;
  scene.background = layout.background;
  for (const Piece& p : layout.pieces) {
    for (Shape& s : drawPiece(p)) {
      if (forMetafile && s.kind == ShapeKind::Polyline) {
        addAsPolygons(s, scene.shapes);
        continue;
      }
      if (forMetafile && s.fill.isValid() && s.kind != ShapeKind::Polyline && (!s.pen.isValid() || s.penWidth <= 0)) {
        s.pen = s.fill;
        s.penWidth = 1;
      }
      scene.shapes.push_back(std::move(s));
    }
  }
  return scene;
}

std::vector<std::string> pieceKinds() {
  std::vector<std::string> kinds;
  for (const auto& entry : drawings()) kinds.push_back(entry.first);
  return kinds;
}

int variantCount(const std::string& kind) { return drawingOf(kind).variants; }

bool floats(const std::string& kind) { return drawingOf(kind).floats; }

Piece piece(std::string name, std::string kind, int x, int y, QColor colour, int scale, int variant, QColor accent) {
  return Piece{std::move(name), std::move(kind), QPoint(x, y), scale, colour, accent, variant};
}

Piece block(std::string name, int x, int y, int w, int h, QColor colour) {
  return Piece{std::move(name), "Block", QPoint(x, y), 100, colour, QColor(), 0, false, w, h, true};
}

}  // namespace sample_maker
