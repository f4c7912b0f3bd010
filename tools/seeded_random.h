// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Choices drawn from a seeded generator. std::mt19937's output is the same on every
// standard library, its distributions are not: these helpers use the raw output only,
// so one seed gives the same pictures everywhere.
#include <cstdint>
#include <random>
#include <vector>

namespace sample_maker {

// A whole number in [lo, hi].
inline int pickInt(std::mt19937& rng, int lo, int hi) {
  const auto span = static_cast<std::uint32_t>(hi - lo) + 1u;
  return lo + static_cast<int>(rng() % span);
}

template <typename T>
const T& pickOne(std::mt19937& rng, const std::vector<T>& options) {
  return options[static_cast<std::size_t>(pickInt(rng, 0, static_cast<int>(options.size()) - 1))];
}

}  // namespace sample_maker
