// SPDX-License-Identifier: GPL-2.0-or-later
#include "game/database_pair_store.h"

#include <QString>
#include <new>

#include "picture_db/game_queries.h"
#include "picture_db/hall_of_fame.h"
#include "storage/app_folders.h"
#include "toolkit/picture_loader.h"

namespace game {

void DatabasePairStore::open(const std::string& path) { PictureDb.emplace(picture_db::Database::openExisting(path)); }

void DatabasePairStore::resetFoundMarks() { picture_db::resetFoundMarks(*PictureDb); }

std::vector<picture_db::PairId> DatabasePairStore::candidatePairIds() {
  return picture_db::candidatePairIds(*PictureDb);
}

std::optional<std::pair<std::int64_t, std::int64_t>> DatabasePairStore::pairRowRange() {
  return picture_db::pairRowRange(*PictureDb);
}

std::optional<picture_db::PairId> DatabasePairStore::candidateAtRow(std::int64_t row) {
  return picture_db::candidateAtRow(*PictureDb, row);
}

std::optional<picture_db::PictureRecord> DatabasePairStore::pictureRecord(picture_db::PairId id) {
  return picture_db::pictureRecord(*PictureDb, id);
}

std::vector<picture_db::DifferenceRect> DatabasePairStore::unfoundDifferences(picture_db::PairId id) {
  return picture_db::unfoundDifferences(*PictureDb, id);
}

void DatabasePairStore::markFound(std::int64_t rowid) { picture_db::markFound(*PictureDb, rowid); }

std::vector<picture_db::HallOfFameEntry> DatabasePairStore::hallOfFame() { return picture_db::hallOfFame(*PictureDb); }

void DatabasePairStore::enterHallOfFame(const std::string& name, std::int64_t score) {
  picture_db::enterHallOfFame(*PictureDb, name, score);
}

QImage readPairPicture(const std::string& appDir, const std::string& fileName) {
  try {
    return toolkit::loadPicture(QString::fromStdString(storage::picturePath(appDir, fileName))).image;
  } catch (const std::bad_alloc&) {
    return QImage();
  }
}

}  // namespace game
