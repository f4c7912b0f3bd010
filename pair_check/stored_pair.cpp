// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/stored_pair.h"

#include <future>
#include <limits>
#include <system_error>

#include "storage/app_folders.h"
#include "toolkit/failure_reasons.h"
#include "toolkit/picture_loader.h"

namespace pair_check {

PictureSide loadSide(const std::string& appDir, const std::string& fileName) {
  if (fileName.empty() || fileName == picture_db::kNoFile) return {QImage(), QStringLiteral("nessun file assegnato")};
  return toolkit::loadPicture(QString::fromStdString(storage::picturePath(appDir, fileName)));
}

std::pair<PictureSide, PictureSide> loadBothSides(const std::string& appDir, const std::string& original,
                                                  const std::string& copy) {
  // Decoding is most of the time of a large pair: the two pictures decode at once, or
  // one after the other when no thread can be started for it.
  std::future<PictureSide> first;
  try {
    first = std::async(std::launch::async, [&] { return loadSide(appDir, original); });
  } catch (const std::system_error&) {
    return {loadSide(appDir, original), loadSide(appDir, copy)};
  }
  PictureSide second = loadSide(appDir, copy);
  return {first.get(), std::move(second)};
}

std::vector<Rect> rectsOf(const std::vector<picture_db::DifferenceRect>& rows) {
  constexpr double kNull = std::numeric_limits<double>::quiet_NaN();
  std::vector<Rect> rects;
  rects.reserve(rows.size());
  for (const auto& row : rows) {
    rects.push_back({row.x1.value_or(kNull), row.y1.value_or(kNull), row.x2.value_or(kNull), row.y2.value_or(kNull)});
  }
  return rects;
}

PairReport checkLoadedPair(const PictureSide& original, const PictureSide& copy, const std::vector<Rect>& rects) {
  try {
    return checkPair(original, copy, rects);
  } catch (const std::exception& e) {
    // Two large pictures may not fit in memory at once: the pair cannot be compared.
    const QString why = toolkit::failureReason(e);
    return checkPair({QImage(), why}, {QImage(), why}, rects);
  }
}

PairReport checkStoredPair(const std::string& appDir, const picture_db::PairWithDifferences& pair, bool sideBySide) {
  auto [original, copy] = sideBySide
                              ? loadBothSides(appDir, pair.pair.original, pair.pair.copy)
                              : std::pair(loadSide(appDir, pair.pair.original), loadSide(appDir, pair.pair.copy));
  return checkLoadedPair(original, copy, rectsOf(pair.rects));
}

}  // namespace pair_check
