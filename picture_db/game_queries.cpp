// SPDX-License-Identifier: GPL-2.0-or-later
#include "picture_db/game_queries.h"

#include <SQLiteCpp/Statement.h>

#include "picture_db/row_reading.h"

namespace picture_db {

void resetFoundMarks(Database& db) {
  try {
    // Every row ends up "N"; rows already "N" are left alone, so a start-up on a large
    // database writes only the marks of the last game (found through COORDINATE_FOUND).
    // A database made before that index existed gets it once, so that its start-ups
    // stop reading every rectangle; with the index in place this changes nothing.
    db.sqlite().exec(
        "CREATE INDEX IF NOT EXISTS COORDINATE_FOUND ON COORDINATE (INDOVINATO) WHERE INDOVINATO IS NOT 'N'");
    db.sqlite().exec("UPDATE COORDINATE SET INDOVINATO='N' WHERE INDOVINATO IS NOT 'N'");
  } catch (...) {
    rethrowAsDbError();
  }
}

std::vector<PairId> candidatePairIds(Database& db) {
  try {
    // The pairs joined to an unfound rectangle, each once. Asked as EXISTS rather than a
    // grouped join, and for the number alone: one index probe per pair instead of sorting
    // every rectangle, which keeps start-up on thousands of pairs as quick as on ten.
    SQLite::Statement q(db.sqlite(),
                        "SELECT FOTO.ID_FOTO FROM FOTO WHERE EXISTS "
                        "(SELECT 1 FROM COORDINATE WHERE COORDINATE.ID_FOTO=FOTO.ID_FOTO "
                        "AND COORDINATE.INDOVINATO='N')");
    std::vector<PairId> ids;
    while (q.executeStep()) ids.push_back(q.getColumn("ID_FOTO").getInt());
    return ids;
  } catch (...) {
    rethrowAsDbError();
  }
}

std::optional<std::pair<std::int64_t, std::int64_t>> pairRowRange(Database& db) {
  try {
    // Two lookups at the ends of the table; asked together they would scan it.
    SQLite::Statement q(db.sqlite(), "SELECT (SELECT min(rowid) FROM FOTO), (SELECT max(rowid) FROM FOTO)");
    if (!q.executeStep() || q.getColumn(0).isNull()) return std::nullopt;
    return std::pair{q.getColumn(0).getInt64(), q.getColumn(1).getInt64()};
  } catch (...) {
    rethrowAsDbError();
  }
}

std::optional<PairId> candidateAtRow(Database& db, std::int64_t row) {
  try {
    SQLite::Statement q(db.sqlite(),
                        "SELECT FOTO.ID_FOTO FROM FOTO WHERE FOTO.rowid=? AND EXISTS "
                        "(SELECT 1 FROM COORDINATE WHERE COORDINATE.ID_FOTO=FOTO.ID_FOTO "
                        "AND COORDINATE.INDOVINATO='N')");
    q.bind(1, static_cast<std::int64_t>(row));
    if (!q.executeStep()) return std::nullopt;
    return q.getColumn(0).getInt();
  } catch (...) {
    rethrowAsDbError();
  }
}

std::optional<PictureRecord> pictureRecord(Database& db, PairId id) {
  try {
    SQLite::Statement q(db.sqlite(), "SELECT * FROM FOTO WHERE ID_FOTO=?");
    q.bind(1, id);
    if (!q.executeStep()) return std::nullopt;
    return readPictureRecord(q, "ID_FOTO");
  } catch (...) {
    rethrowAsDbError();
  }
}

std::vector<DifferenceRect> unfoundDifferences(Database& db, PairId id) {
  return differenceRowsOfPair(db, "SELECT rowid AS ROW_ID,* FROM COORDINATE WHERE INDOVINATO='N' AND ID_FOTO=?", id);
}

void markFound(Database& db, std::int64_t rowid) {
  try {
    SQLite::Statement q(db.sqlite(), "UPDATE COORDINATE SET INDOVINATO='S' WHERE rowid=?");
    q.bind(1, static_cast<std::int64_t>(rowid));
    q.exec();
  } catch (...) {
    rethrowAsDbError();
  }
}

}  // namespace picture_db
