// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The check of a pair as the database holds it: its two files loaded from the
// application folder's Images (metafiles through the renderer process) and its rows.
#include <string>
#include <utility>
#include <vector>

#include "pair_check/pair_checker.h"
#include "picture_db/check_queries.h"

namespace pair_check {

// The picture named in a FOTO column; "(none)" or an empty name is not read at all.
PictureSide loadSide(const std::string& appDir, const std::string& fileName);

// Both pictures of a pair, read side by side.
std::pair<PictureSide, PictureSide> loadBothSides(const std::string& appDir, const std::string& original,
                                                  const std::string& copy);

std::vector<Rect> rectsOf(const std::vector<picture_db::DifferenceRect>& rows);

// checkPair, with a failure of the comparison itself (memory) told as unreadable pictures.
PairReport checkLoadedPair(const PictureSide& original, const PictureSide& copy, const std::vector<Rect>& rects);

// sideBySide reads the two pictures at once; callers that already keep every core busy
// with pairs of their own read them one after the other. The pictures decode into the
// memory of the pair the thread checked before.
PairReport checkStoredPair(const std::string& appDir, const picture_db::PairWithDifferences& pair,
                           bool sideBySide = true);

}  // namespace pair_check
