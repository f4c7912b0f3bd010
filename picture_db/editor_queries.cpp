// SPDX-License-Identifier: GPL-2.0-or-later
#include "picture_db/editor_queries.h"

#include <sqlite3.h>

#include <algorithm>
#include <limits>

#include <SQLiteCpp/VariadicBind.h>

#include <SQLiteCpp/Statement.h>

#include "picture_db/row_reading.h"

namespace picture_db {

std::vector<PictureRecord> pairsUsingFile(Database& db, const std::string& fileName) {
  try {
    // The file on disk is named exactly so: another case is another file.
    SQLite::Statement q(db.sqlite(),
                        "Select ID_Foto as ID,Originale,Copia From FOTO "
                        "Where Originale = ?1 COLLATE BINARY Or Copia = ?1 COLLATE BINARY Order By ID_Foto");
    q.bind(1, fileName);
    std::vector<PictureRecord> rows;
    while (q.executeStep()) rows.push_back(readPictureRecord(q, "ID"));
    return rows;
  } catch (...) {
    rethrowAsDbError();
  }
}

void forEachPicture(Database& db,
                    const std::function<void(PairId id, std::string_view original, std::string_view copy)>& row) {
  // The engine's own calls: the editor lists every pair at start-up, and the wrapper's
  // column objects cost more than the rows themselves on a list of thousands.
  sqlite3* h = db.sqlite().getHandle();
  sqlite3_stmt* q = nullptr;
  if (sqlite3_prepare_v2(h, "Select ID_Foto as ID,Originale,Copia From FOTO", -1, &q, nullptr) != SQLITE_OK) {
    sqlite3_finalize(q);
    throw DbError(sqlite3_errmsg(h));
  }
  struct Finalizer {
    sqlite3_stmt* q;
    ~Finalizer() { sqlite3_finalize(q); }
  } finalizer{q};
  auto text = [q](int i) {
    // Valid until the next step, which is after row() has taken its copy; "" for null.
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(q, i));
    return t ? std::string_view(t, static_cast<size_t>(sqlite3_column_bytes(q, i))) : std::string_view();
  };
  int rc;
  while ((rc = sqlite3_step(q)) == SQLITE_ROW) row(sqlite3_column_int(q, 0), text(1), text(2));
  if (rc != SQLITE_DONE) throw DbError(sqlite3_errmsg(h));
}

std::vector<PictureRecord> listPictures(Database& db) {
  std::vector<PictureRecord> pairs;
  forEachPicture(db, [&pairs](PairId id, std::string_view original, std::string_view copy) {
    pairs.push_back({id, std::string(original), std::string(copy)});
  });
  return pairs;
}

std::vector<DifferenceRect> pairDifferences(Database& db, PairId id) {
  return differenceRowsOfPair(db, "Select rowid as ROW_ID,X1,Y1,X2,Y2 From Coordinate Where ID_Foto=?", id);
}

std::int64_t addDifference(Database& db, PairId id, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                           std::int64_t y2) {
  try {
    SQLite::Statement q(db.sqlite(), "Insert into coordinate values(?,?,?,?,?,'N')");
    SQLite::bind(q, id, x1, y1, x2, y2);
    q.exec();
    return db.sqlite().getLastInsertRowid();
  } catch (...) {
    rethrowAsDbError();
  }
}

std::int64_t addEmptyDifference(Database& db, PairId id) { return addDifference(db, id, 0, 0, 0, 0); }

int moveDifference(Database& db, PairId id, std::int64_t rowid, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                   std::int64_t y2) {
  try {
    SQLite::Statement q(db.sqlite(), "Update coordinate set x1=?,y1=?,x2=?,y2=? where ID_Foto=? and rowid=?");
    SQLite::bind(q, x1, y1, x2, y2, id, rowid);
    return q.exec();
  } catch (...) {
    rethrowAsDbError();
  }
}

int deleteDifference(Database& db, PairId id, std::int64_t rowid) {
  try {
    SQLite::Statement q(db.sqlite(), "delete from coordinate where ID_Foto=? and rowid=?");
    q.bind(1, id);
    q.bind(2, static_cast<std::int64_t>(rowid));
    return q.exec();
  } catch (...) {
    rethrowAsDbError();
  }
}

void addPicture(Database& db, PairId id, const std::string& original, const std::string& copy) {
  try {
    SQLite::Statement q(db.sqlite(), "Insert into Foto values(?,?,?)");
    q.bind(1, id);
    q.bind(2, original);
    q.bind(3, copy);
    q.exec();
  } catch (...) {
    rethrowAsDbError();
  }
}

void addNewPair(Database& db, PairId id, const std::string& original, const std::string& copy) {
  try {
    SQLite::Statement leftovers(db.sqlite(),
                                "Delete from coordinate where ID_Foto=? and not exists "
                                "(select 1 from foto where id_foto=?)");
    leftovers.bind(1, id);
    leftovers.bind(2, id);
    leftovers.exec();
  } catch (...) {
    rethrowAsDbError();
  }
  addPicture(db, id, original, copy);
}

void addPairWithDifferences(Database& db, PairId id, const std::string& original, const std::string& copy,
                            const std::vector<Rectangle>& rects) {
  db.inTransaction([&] {
    addNewPair(db, id, original, copy);
    for (const Rectangle& r : rects) addDifference(db, id, r.x1, r.y1, r.x2, r.y2);
  });
}

PairId nextPairId(Database& db) {
  PairId largest = 0;
  forEachPicture(db, [&](PairId id, std::string_view, std::string_view) { largest = std::max(largest, id); });
  if (largest == std::numeric_limits<PairId>::max()) throw DbError("non ci sono più numeri liberi per le coppie");
  return largest + 1;
}

void deletePicture(Database& db, PairId id) {
  try {
    SQLite::Statement q(db.sqlite(), "Delete from foto where id_foto=?");
    q.bind(1, id);
    q.exec();
  } catch (...) {
    rethrowAsDbError();
  }
}

void deletePictureWithDifferences(Database& db, PairId id) {
  db.inTransaction([&] {
    SQLite::Statement rects(db.sqlite(), "delete from coordinate where ID_Foto=?");
    rects.bind(1, id);
    rects.exec();
    SQLite::Statement pair(db.sqlite(), "Delete from foto where id_foto=?");
    pair.bind(1, id);
    pair.exec();
  });
}

namespace {
void setFileColumn(Database& db, const char* sql, PairId id, const std::string& fileName) {
  try {
    SQLite::Statement q(db.sqlite(), sql);
    q.bind(1, fileName);
    q.bind(2, id);
    q.exec();
  } catch (...) {
    rethrowAsDbError();
  }
}
}  // namespace

void setOriginalFile(Database& db, PairId id, const std::string& fileName) {
  setFileColumn(db, "Update Foto set originale=? where id_foto=?", id, fileName);
}

void setCopyFile(Database& db, PairId id, const std::string& fileName) {
  setFileColumn(db, "Update Foto set copia=? where id_foto=?", id, fileName);
}

}  // namespace picture_db
