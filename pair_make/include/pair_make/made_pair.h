// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A photo made into a pair: the two pictures as they are saved and the five changes of
// the copy, each with the rectangle the pair check proposes for it.
#include <QByteArray>
#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

#include "pair_check/pair_report.h"

namespace pair_make {

// The game's picture.
inline constexpr int kFrameWidth = 380;
inline constexpr int kFrameHeight = 436;
inline constexpr int kChangesPerPair = 5;
// Both pictures of a made pair are saved at this JPEG quality.
inline constexpr int kJpegQuality = 92;

enum class Level { Facile, Normale, Difficile };
enum class ChangeKind { Removed, Recoloured, Mirrored, Added, Resized, Detail };

// "removed", "recoloured", ... as the JSON report names them.
const char* kindName(ChangeKind kind);
// "facile", "normale", "difficile"; nothing for any other text.
std::optional<Level> levelOfName(const QString& name);

struct MadeChange {
  ChangeKind kind = ChangeKind::Removed;
  QRect area;             // the changed pixels' box
  QPolygon outline;       // the changed object's outline, for showing it
  pair_check::Rect rect;  // the stored rectangle: the check's proposal on the saved files
};

struct MadePair {
  QByteArray originalJpeg, copyJpeg;  // the files' bytes
  QImage original, copy;              // both decoded again from those bytes
  std::vector<MadeChange> changes;    // five, in the order they were drawn
};

// A photo that cannot be made into a pair; what() is the reason in Italian, without the
// file's name.
class PhotoRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kNoFairPlaces = "In questa foto non si trovano cinque punti adatti.";

}  // namespace pair_make
