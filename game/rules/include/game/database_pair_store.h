// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The game's store on images.mdb, and where the pictures of its pairs are read from.
#include <QImage>
#include <optional>
#include <string>

#include "game/pair_store.h"
#include "picture_db/database.h"

namespace game {

class DatabasePairStore : public PairStore {
 public:
  // Opens an existing database; throws picture_db::DbError.
  void open(const std::string& path);
  bool isOpen() const { return PictureDb.has_value(); }
  void close() { PictureDb.reset(); }
  // The open database, for how it waits on other programs.
  picture_db::Database& database() { return *PictureDb; }

  void resetFoundMarks() override;
  std::vector<picture_db::PairId> candidatePairIds() override;
  std::optional<std::pair<std::int64_t, std::int64_t>> pairRowRange() override;
  std::optional<picture_db::PairId> candidateAtRow(std::int64_t row) override;
  std::optional<picture_db::PictureRecord> pictureRecord(picture_db::PairId id) override;
  std::vector<picture_db::DifferenceRect> unfoundDifferences(picture_db::PairId id) override;
  void markFound(std::int64_t rowid) override;
  std::vector<picture_db::HallOfFameEntry> hallOfFame() override;
  void enterHallOfFame(const std::string& name, std::int64_t score) override;

 private:
  std::optional<picture_db::Database> PictureDb;  // open until the game ends
};

// A picture of the Images folder of appDir; a null image when it cannot be read or is too
// large to hold, which costs its pair.
QImage readPairPicture(const std::string& appDir, const std::string& fileName);

}  // namespace game
