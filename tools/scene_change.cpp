#include "tools/scene_change.h"

#include <algorithm>
#include <stdexcept>

namespace sample_maker {

SceneChange SceneChange::remove(std::string object) {
  SceneChange c;
  c.kind = Kind::Remove;
  c.object = std::move(object);
  return c;
}

SceneChange SceneChange::recolour(std::string object, QColor colour) {
  SceneChange c;
  c.kind = Kind::Recolour;
  c.object = std::move(object);
  c.colour = colour;
  return c;
}

SceneChange SceneChange::move(std::string object, QPoint offset) {
  SceneChange c;
  c.kind = Kind::Move;
  c.object = std::move(object);
  c.offset = offset;
  return c;
}

SceneChange SceneChange::add(std::string object, std::vector<Shape> shapes, std::string paintedBefore) {
  SceneChange c;
  c.kind = Kind::Add;
  c.object = std::move(object);
  for (Shape& s : shapes) {
    s.object = c.object;
  }
  c.added = std::move(shapes);
  c.paintedBefore = std::move(paintedBefore);
  return c;
}

Scene applyChange(const Scene& scene, const SceneChange& change) {
  const bool present = hasObject(scene, change.object);
  if (change.kind == SceneChange::Kind::Add ? present : !present) {
    throw std::invalid_argument("change of object '" + change.object +
                                (present ? "' which is already there" : "' which the scene lacks"));
  }
  Scene result = scene;
  auto& shapes = result.shapes;
  const auto ofObject = [&](const Shape& s) { return s.object == change.object; };
  switch (change.kind) {
    case SceneChange::Kind::Remove:
      shapes.erase(std::remove_if(shapes.begin(), shapes.end(), ofObject), shapes.end());
      break;
    case SceneChange::Kind::Recolour:
      for (Shape& s : shapes) {
        if (ofObject(s) && s.fill.isValid()) {
          s.fill = change.colour;
        }
      }
      break;
    case SceneChange::Kind::Move:
      for (Shape& s : shapes) {
        if (ofObject(s)) {
          for (QPoint& p : s.points) {
            p += change.offset;
          }
        }
      }
      break;
    case SceneChange::Kind::Add: {
      auto at = shapes.end();
      if (!change.paintedBefore.empty()) {
        at = std::find_if(shapes.begin(), shapes.end(),
                          [&](const Shape& s) { return s.object == change.paintedBefore; });
        if (at == shapes.end()) {
          throw std::invalid_argument("new object '" + change.object + "' goes under '" +
                                      change.paintedBefore + "' which the scene lacks");
        }
      }
      shapes.insert(at, change.added.begin(), change.added.end());
      break;
    }
  }
  return result;
}

QRect changeBounds(const Scene& scene, const SceneChange& change) {
  return objectBounds(scene, change.object) | objectBounds(applyChange(scene, change), change.object);
}

}  // namespace sample_maker
