#pragma once
// One deliberate difference between a sample picture and its copy: an object taken
// away, recoloured, moved, or added.
#include <QColor>
#include <QPoint>
#include <QRect>

#include <string>
#include <vector>

#include "tools/scene.h"

namespace sample_maker {

struct SceneChange {
  enum class Kind { Remove, Recolour, Move, Add };

  Kind kind = Kind::Remove;
  std::string object;           // the object acted on (for Add: the new object's name)
  QColor colour;                // Recolour: the new fill of every filled shape of the object
  QPoint offset;                // Move
  std::vector<Shape> added;     // Add: the new object's shapes
  std::string paintedBefore;    // Add: painted just under this object; empty: on top of all

  static SceneChange remove(std::string object);
  static SceneChange recolour(std::string object, QColor colour);
  static SceneChange move(std::string object, QPoint offset);
  static SceneChange add(std::string object, std::vector<Shape> shapes, std::string paintedBefore = {});
};

// The scene with the change made. Throws std::invalid_argument when the change names an
// object the scene lacks, or adds one it already has.
Scene applyChange(const Scene& scene, const SceneChange& change);

// Every pixel the change can alter: the object's bounds before and after it.
QRect changeBounds(const Scene& scene, const SceneChange& change);

}  // namespace sample_maker
