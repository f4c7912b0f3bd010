// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The ten scores a new images.mdb starts with, best first.
#include <cstdint>
#include <string>
#include <vector>

namespace sample_maker {

struct StartingScore {
  std::string name;
  std::int64_t score;
};

const std::vector<StartingScore>& startingHallOfFame();

}  // namespace sample_maker
