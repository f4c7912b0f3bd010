// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A store of pairs held in memory, for playing a game without a database or a window.
// Pictures are made up on request: a pair's files can be shown unless said otherwise.
#include <QColor>
#include <QImage>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "game/pair_store.h"
#include "game/session.h"
#include "support/temp_app_folder.h"

namespace test_support {

class FakePairStore : public game::PairStore {
 public:
  // A pair "<id>.bmp" / "<id>_C.bmp", both pictures of the given colour, and its
  // rectangles in this order.
  void addPair(picture_db::PairId id, const std::vector<Edges>& rects, QColor colour = QColor(40, 120, 200));
  // A pair whose files the reader cannot show.
  void addPairWithoutPictures(picture_db::PairId id, const std::vector<Edges>& rects);
  void addHallOfFame(const std::vector<std::pair<std::string, int>>& entries);

  int unfound(picture_db::PairId id) const;
  // Reads the pictures of the pairs added with them: 200 x 150, of the pair's colour.
  game::Session::PictureReader pictures();

  // When set, every write fails with this text.
  std::optional<std::string> failWrites;
  int markResets = 0;

  void resetFoundMarks() override;
  std::vector<picture_db::PairId> candidatePairIds() override;
  std::optional<std::pair<std::int64_t, std::int64_t>> pairRowRange() override { return std::nullopt; }
  std::optional<picture_db::PairId> candidateAtRow(std::int64_t) override { return std::nullopt; }
  std::optional<picture_db::PictureRecord> pictureRecord(picture_db::PairId id) override;
  std::vector<picture_db::DifferenceRect> unfoundDifferences(picture_db::PairId id) override;
  void markFound(std::int64_t rowid) override;
  std::vector<picture_db::HallOfFameEntry> hallOfFame() override;
  void enterHallOfFame(const std::string& name, std::int64_t score) override;

 private:
  void write() const;
  struct Pair {
    picture_db::PictureRecord record;
    std::vector<picture_db::DifferenceRect> rects;
  };
  std::vector<Pair> pairs_;
  std::map<std::string, QColor> pictures_;
  std::vector<picture_db::HallOfFameEntry> hallOfFame_;
  std::int64_t nextRowid_ = 1;
};

}  // namespace test_support
