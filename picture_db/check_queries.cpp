// SPDX-License-Identifier: GPL-2.0-or-later
#include "picture_db/check_queries.h"

#include <SQLiteCpp/Statement.h>

#include "picture_db/editor_queries.h"
#include "picture_db/game_queries.h"
#include "picture_db/row_reading.h"

namespace picture_db {

std::vector<PairWithDifferences> allPairsWithDifferences(Database& db) {
  try {
    // One pass over both tables: a query per pair costs far more on a few thousand pairs.
    SQLite::Statement q(db.sqlite(),
                        "Select F.rowid as FOTO_ROW,F.ID_Foto as ID,F.Originale,F.Copia,C.rowid as ROW_ID,"
                        "C.X1,C.Y1,C.X2,C.Y2 From FOTO F Left Join Coordinate C On C.ID_Foto=F.ID_Foto "
                        "Order By F.rowid,C.rowid");
    std::vector<PairWithDifferences> pairs;
    std::int64_t lastFotoRow = 0;
    while (q.executeStep()) {
      // Rows of one FOTO row come together; two pairs that share a number stay apart.
      const std::int64_t fotoRow = column(q, "FOTO_ROW").getInt64();
      if (pairs.empty() || fotoRow != lastFotoRow) {
        pairs.push_back({readPictureRecord(q, "ID"), {}});
        lastFotoRow = fotoRow;
      }
      if (!column(q, "ROW_ID").isNull()) pairs.back().rects.push_back(readDifferenceRect(q));
    }
    return pairs;
  } catch (...) {
    rethrowAsDbError();
  }
}

std::optional<PairWithDifferences> pairWithDifferences(Database& db, PairId id) {
  auto record = pictureRecord(db, id);
  if (!record) return std::nullopt;
  return PairWithDifferences{std::move(*record), pairDifferences(db, id)};
}

std::vector<std::int64_t> storeProposedRects(Database& db, PairId id, const std::vector<ProposedRect>& rects) {
  std::vector<std::int64_t> written;
  db.inTransaction([&] {
    written.clear();
    for (const ProposedRect& r : rects) {
      const std::int64_t rowid = r.replaces ? *r.replaces : addEmptyDifference(db, id);
      if (moveDifference(db, id, rowid, r.edges.x1, r.edges.y1, r.edges.x2, r.edges.y2) != 1) {
        throw DbError("il rettangolo da sostituire non è più nel database");
      }
      written.push_back(rowid);
    }
  });
  return written;
}

}  // namespace picture_db
