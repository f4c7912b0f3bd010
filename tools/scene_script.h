// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Scenes written as text and run against a composer. One line, one call:
//   scene NAME                          starts a scene (NAME is its file name stem)
//   background COLOUR                   band X Y W H COLOUR
//   KIND X Y COLOUR [SCALE [VARIANT [ACCENT]]] [mirrored] [at=X,Y]
//   extra KIND X Y COLOUR [SCALE [VARIANT]]
//   use HELPER ARG...                   pieces several scenes share, in C++
//   repeat VAR N                        ... end; or on one line: repeat VAR N: LINE
//   let VAR NUMBER                      a name for a number inside a repeat
// Numbers: + - * / % ( ) on whole numbers, loop names, pick(LO,HI), near(V,SPREAD).
// Colours: R,G,B; oneOf(R,G,B|R,G,B...); nth(NUMBER|R,G,B|R,G,B...). Lines starting with # are notes.
// The fields of a line draw from the seeded generator from the last to the first, so that
// every delivered picture stays the same.
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/scene_composer.h"

namespace sample_maker {

class SceneScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SceneScript {
 public:
  struct Scene;

  // Adds the scenes of one text; throws SceneScriptError naming the source, the line and
  // the scene of the first fault.
  void add(const std::string& source, const std::string& text);

  std::vector<std::string> sceneNames() const;
  bool has(const std::string& scene) const;
  // Faults found only when running (a colour out of range) name their line too.
  void run(const std::string& scene, Composer& c) const;

 private:
  std::map<std::string, std::shared_ptr<const Scene>> scenes_;
};

// The delivered scenes, read once from the program's resources.
const SceneScript& deliveredScenes();

}  // namespace sample_maker
