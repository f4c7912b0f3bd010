// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/fake_pair_store.h"

#include <QString>
#include <algorithm>

#include "picture_db/database.h"
#include "picture_db/hall_of_fame.h"

namespace test_support {

namespace {
bool ranksBefore(const picture_db::HallOfFameEntry& a, const picture_db::HallOfFameEntry& b) {
  const double sa = a.score.value_or(-1e300), sb = b.score.value_or(-1e300);
  if (sa != sb) return sa > sb;
  return QString::fromStdString(a.name.value_or(""))
             .compare(QString::fromStdString(b.name.value_or("")), Qt::CaseInsensitive) < 0;
}
}  // namespace

void FakePairStore::addPair(picture_db::PairId id, const std::vector<Edges>& rects, QColor colour) {
  const std::string base = std::to_string(id);
  addPairWithoutPictures(id, rects);
  pairs_.back().record = {id, base + ".bmp", base + "_C.bmp"};
  pictures_[base + ".bmp"] = colour;
  pictures_[base + "_C.bmp"] = colour.lighter(130);
}

void FakePairStore::addPairWithoutPictures(picture_db::PairId id, const std::vector<Edges>& rects) {
  Pair pair{{id, picture_db::kNoFile, picture_db::kNoFile}, {}};
  for (const Edges& e : rects) {
    picture_db::DifferenceRect r;
    r.rowid = nextRowid_++;
    r.x1 = e.x1;
    r.y1 = e.y1;
    r.x2 = e.x2;
    r.y2 = e.y2;
    r.found = "N";
    pair.rects.push_back(r);
  }
  pairs_.push_back(std::move(pair));
}

void FakePairStore::addHallOfFame(const std::vector<std::pair<std::string, int>>& entries) {
  for (const auto& [name, score] : entries) {
    picture_db::HallOfFameEntry e;
    e.rowid = nextRowid_++;
    e.name = name;
    e.score = score;
    hallOfFame_.push_back(e);
  }
  std::stable_sort(hallOfFame_.begin(), hallOfFame_.end(), ranksBefore);
}

int FakePairStore::unfound(picture_db::PairId id) const {
  for (const Pair& p : pairs_) {
    if (p.record.id == id) {
      return static_cast<int>(
          std::count_if(p.rects.begin(), p.rects.end(), [](const auto& r) { return r.found == "N"; }));
    }
  }
  return 0;
}

game::Session::PictureReader FakePairStore::pictures() {
  return [this](const std::string& fileName) {
    const auto it = pictures_.find(fileName);
    if (it == pictures_.end()) return QImage();
    QImage image(200, 150, QImage::Format_RGB32);
    image.fill(it->second);
    return image;
  };
}

void FakePairStore::write() const {
  if (failWrites) throw picture_db::DbError(*failWrites);
}

void FakePairStore::resetFoundMarks() {
  write();
  ++markResets;
  for (Pair& p : pairs_)
    for (auto& r : p.rects) r.found = "N";
}

std::vector<picture_db::PairId> FakePairStore::candidatePairIds() {
  std::vector<picture_db::PairId> ids;
  for (const Pair& p : pairs_) {
    if (unfound(p.record.id) > 0) ids.push_back(p.record.id);
  }
  return ids;
}

std::optional<picture_db::PictureRecord> FakePairStore::pictureRecord(picture_db::PairId id) {
  for (const Pair& p : pairs_) {
    if (p.record.id == id) return p.record;
  }
  return std::nullopt;
}

std::vector<picture_db::DifferenceRect> FakePairStore::unfoundDifferences(picture_db::PairId id) {
  std::vector<picture_db::DifferenceRect> rows;
  for (const Pair& p : pairs_) {
    if (p.record.id != id) continue;
    for (const auto& r : p.rects)
      if (r.found == "N") rows.push_back(r);
  }
  return rows;
}

void FakePairStore::markFound(std::int64_t rowid) {
  write();
  for (Pair& p : pairs_)
    for (auto& r : p.rects)
      if (r.rowid == rowid) r.found = "S";
}

std::vector<picture_db::HallOfFameEntry> FakePairStore::hallOfFame() { return hallOfFame_; }

void FakePairStore::enterHallOfFame(const std::string& name, std::int64_t score) {
  write();
  const bool full = hallOfFame_.size() >= picture_db::kHallOfFameSize;
  if (full) hallOfFame_.pop_back();
  addHallOfFame({{name, static_cast<int>(score)}});
}

}  // namespace test_support
