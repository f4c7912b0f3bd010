// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Makes the copy of a fitted photo: five fair changes of at least three kinds, checked by
// the pair check on the pictures as they are saved. Everything follows from the frame,
// the level and the seed.
#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

#include "pair_make/made_pair.h"

namespace pair_make {

// How large a change is at a level, as a share of the picture, and how much it must
// change the colours it covers.
struct LevelRules {
  double minShare, maxShare;
  double minDeltaE;
};
LevelRules rulesFor(Level level);

class PairMaker {
 public:
  // frame: 380 x 436. Throws PhotoRefused (kNoFairPlaces) when five fair places cannot
  // be found.
  PairMaker(const QImage& frame, Level level, std::uint64_t seed);
  ~PairMaker();
  PairMaker(const PairMaker&) = delete;
  PairMaker& operator=(const PairMaker&) = delete;

  const MadePair& pair() const;
  // Five new changes in place of the present ones.
  const MadePair& redrawAll();
  // Another change in place of change `index`; the others stay as they are.
  const MadePair& redraw(int index);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The whole road from a photo file: read, fitted (centred), made into a pair.
MadePair makePairFromPhoto(const QString& path, Level level, std::uint64_t seed);

}  // namespace pair_make
