// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The game's one source of chance: the pick of the next pair and the flicker colours.
// Seeded once (seconds since midnight in the program, a fixed number in tests).
#include <cstddef>
#include <cstdint>
#include <random>

namespace game {

class GameRandom {
 public:
  explicit GameRandom(std::uint32_t seed = 0) : engine_(seed) {}
  void seed(std::uint32_t seed) { engine_.seed(seed); }

  // A real r with 0 <= r < 1.
  double nextReal();
  // index = whole part of r x n for a fresh r; every one of n slots has the same chance.
  // n must be greater than zero.
  std::size_t pickIndex(std::size_t n);
  // A colour component from 0 to 254: whole part of r x 255.
  int colourComponent();

 private:
  std::mt19937 engine_;
  std::uniform_real_distribution<double> unit_{0.0, 1.0};
};

}  // namespace game
