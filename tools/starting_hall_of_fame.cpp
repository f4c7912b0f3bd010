// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/starting_hall_of_fame.h"

namespace sample_maker {

const std::vector<StartingScore>& startingHallOfFame() {
  // Modest scores a first good game can beat.
  static const std::vector<StartingScore> scores = {
      {"Giulia", 900},  {"Marco", 810}, {"Francesca", 720}, {"Alessandro", 630}, {"Chiara", 540},
      {"Lorenzo", 450}, {"Sofia", 360}, {"Matteo", 270},    {"Elena", 180},      {"Nicolò", 90},
  };
  return scores;
}

}  // namespace sample_maker
