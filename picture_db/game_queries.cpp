#include "picture_db/game_queries.h"

#include <SQLiteCpp/Statement.h>

#include "picture_db/row_reading.h"

namespace picture_db {

void resetFoundMarks(Database& db) {
  try {
    db.sqlite().exec("UPDATE COORDINATE SET INDOVINATO='N'");
  } catch (...) {
    rethrowAsDbError();
  }
}

std::vector<PairId> candidatePairIds(Database& db) {
  try {
    SQLite::Statement q(db.sqlite(),
                        "SELECT FOTO.ID_FOTO,ORIGINALE,COPIA FROM FOTO INNER JOIN COORDINATE ON "
                        "FOTO.ID_FOTO=COORDINATE.ID_FOTO  WHERE COORDINATE.INDOVINATO='N' "
                        "GROUP BY FOTO.ID_FOTO,ORIGINALE,COPIA");
    std::vector<PairId> ids;
    while (q.executeStep()) ids.push_back(q.getColumn("ID_FOTO").getInt());
    return ids;
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
  try {
    SQLite::Statement q(db.sqlite(),
                        "SELECT rowid AS ROW_ID,* FROM COORDINATE WHERE INDOVINATO='N' AND ID_FOTO=?");
    q.bind(1, id);
    std::vector<DifferenceRect> rows;
    while (q.executeStep()) rows.push_back(readDifferenceRect(q));
    return rows;
  } catch (...) {
    rethrowAsDbError();
  }
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
