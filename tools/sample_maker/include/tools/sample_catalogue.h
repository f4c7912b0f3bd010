// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The delivered sample pairs, in the order of their pair numbers.
#include <cstdint>
#include <vector>

#include "tools/sample_pair.h"

namespace sample_maker {

inline constexpr std::uint32_t kDefaultSeed = 7411;

// How many scenes the catalogue holds, and one of them, read from the scene tables
// compiled into the program.
std::size_t sampleSceneCount();
const SceneDesign& sampleDesign(std::size_t index);

// Every sample pair for a seed; the same seed always gives the same pairs. The seed
// chooses the changes; each scene draws from a generator of its own, so one scene's
// choices never shift another's.
std::vector<SamplePair> makeSamplePairs(std::uint32_t seed);

}  // namespace sample_maker
