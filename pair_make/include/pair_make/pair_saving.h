// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A made pair put into an application folder: both pictures into Images/ under names
// taken from the photo's, then the pair and its five rectangles in one transaction.
#include <QString>
#include <string>

#include "pair_make/made_pair.h"
#include "picture_db/database.h"
#include "picture_db/records.h"

namespace pair_make {

struct SavedPair {
  picture_db::PairId id = 0;
  std::string original, copy;  // file names in Images/
};

// The photo's name without its extension, made fit for the picture names of a package
// (no folder signs, no control characters, no leading dot, short enough for "_C.jpg").
std::string baseNameForPhoto(const QString& photoPath);

// "<base>.jpg" and "<base>_C.jpg", or with "_2", "_3"... after base when either name is
// taken in the folder (whatever the case) or by a pair.
std::pair<std::string, std::string> freePictureNames(picture_db::Database& db, const std::string& imagesDir,
                                                     const std::string& base);

// Writes the pair as the pair number `id`. On any failure nothing stays behind: the
// files written are removed and the transaction is rolled back; the exception goes on.
SavedPair savePair(picture_db::Database& db, const std::string& appDir, const QString& photoPath, const MadePair& pair,
                   picture_db::PairId id);

}  // namespace pair_make
