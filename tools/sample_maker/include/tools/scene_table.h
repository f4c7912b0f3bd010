// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Scenes as plain tables: one line a piece, painted in the order of the lines.
//   scene NAME                               starts the table of a scene ("strada")
//   background R,G,B                         the colour behind everything
//   band X Y W H R,G,B                       ground, walls, water: never changed
//   KIND X Y R,G,B [SCALE [VARIANT [ACCENT]]] [mirrored]
//                                            a piece; ACCENT is R,G,B or - for none
//   extra KIND X Y R,G,B [SCALE [VARIANT]]   a piece the copy may gain
// Lines that are empty or start with # are notes.
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/sample_pair.h"

namespace sample_maker {

class SceneTableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Every sample picture fills the game's picture area exactly.
inline constexpr int kSampleWidth = 380;
inline constexpr int kSampleHeight = 436;

// The scenes of one text, each 380 x 436, in JPEG until the catalogue says otherwise.
// Pieces are named after their line ("p12", "b3"), extras "extra1".... Throws
// SceneTableError naming the source and the line of the first fault.
std::vector<SceneDesign> readSceneTables(const std::string& source, const std::string& text);

}  // namespace sample_maker
