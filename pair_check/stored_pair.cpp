// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/stored_pair.h"

#include <future>
#include <limits>
#include <system_error>

#include "storage/app_folders.h"
#include "toolkit/failure_reasons.h"
#include "toolkit/picture_loader.h"

namespace pair_check {

namespace {
// A thread's last pictures, into which it decodes its next pair: a run over thousands of
// pairs of one size then allocates no picture after its first pair. Large pictures are
// not kept, so that an idle thread never holds much.
struct KeptPictures {
  QImage original, copy;
};
constexpr qint64 kMostKeptPixels = 4 * 1024 * 1024;

KeptPictures& keptPictures() {
  thread_local KeptPictures kept;
  return kept;
}

void keep(QImage& slot, QImage&& image) {
  slot = qint64(image.width()) * image.height() <= kMostKeptPixels ? std::move(image) : QImage();
}

PictureSide loadInto(const std::string& appDir, const std::string& fileName, QImage&& reuse) {
  if (fileName.empty() || fileName == picture_db::kNoFile) return {QImage(), QStringLiteral("nessun file assegnato")};
  return toolkit::loadPicture(QString::fromStdString(storage::picturePath(appDir, fileName)), std::move(reuse));
}

std::pair<PictureSide, PictureSide> loadBothInto(const std::string& appDir, const std::string& original,
                                                 const std::string& copy, KeptPictures& kept) {
  // Decoding is most of the time of a large pair: the two pictures decode at once, or
  // one after the other when no thread can be started for it.
  std::future<PictureSide> first;
  try {
    first = std::async(std::launch::async, [&] { return loadInto(appDir, original, std::move(kept.original)); });
  } catch (const std::system_error&) {
    return {loadInto(appDir, original, std::move(kept.original)), loadInto(appDir, copy, std::move(kept.copy))};
  }
  PictureSide second = loadInto(appDir, copy, std::move(kept.copy));
  return {first.get(), std::move(second)};
}
}  // namespace

PictureSide loadSide(const std::string& appDir, const std::string& fileName) {
  return loadInto(appDir, fileName, QImage());
}

std::pair<PictureSide, PictureSide> loadBothSides(const std::string& appDir, const std::string& original,
                                                  const std::string& copy) {
  KeptPictures none;
  return loadBothInto(appDir, original, copy, none);
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
  KeptPictures& kept = keptPictures();
  auto [original, copy] = sideBySide ? loadBothInto(appDir, pair.pair.original, pair.pair.copy, kept)
                                     : std::pair(loadInto(appDir, pair.pair.original, std::move(kept.original)),
                                                 loadInto(appDir, pair.pair.copy, std::move(kept.copy)));
  PairReport report = checkLoadedPair(original, copy, rectsOf(pair.rects));
  keep(kept.original, std::move(original.image));
  keep(kept.copy, std::move(copy.image));
  return report;
}

}  // namespace pair_check
