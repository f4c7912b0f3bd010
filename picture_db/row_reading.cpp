// SPDX-License-Identifier: GPL-2.0-or-later
#include "picture_db/row_reading.h"

#include <sqlite3.h>
#include <strings.h>

#include "picture_db/database.h"

namespace picture_db {

namespace {
int findColumn(SQLite::Statement& q, const char* name) {
  for (int i = 0; i < q.getColumnCount(); ++i) {
    if (strcasecmp(q.getColumnName(i), name) == 0) return i;
  }
  return -1;
}
}  // namespace

bool hasColumn(SQLite::Statement& q, const char* name) { return findColumn(q, name) >= 0; }

SQLite::Column column(SQLite::Statement& q, const char* name) {
  const int i = findColumn(q, name);
  if (i < 0) throw DbError(std::string("no such column: ") + name, SQLITE_ERROR);
  return q.getColumn(i);
}

std::optional<double> optionalNumber(const SQLite::Column& c) {
  if (c.isNull()) return std::nullopt;
  return c.getDouble();
}

std::optional<std::string> optionalText(const SQLite::Column& c) {
  if (c.isNull()) return std::nullopt;
  return c.getString();
}

PictureRecord readPictureRecord(SQLite::Statement& q, const char* idColumn) {
  PictureRecord r;
  r.id = column(q, idColumn).getInt();
  r.original = optionalText(column(q, "ORIGINALE")).value_or("");
  r.copy = optionalText(column(q, "COPIA")).value_or("");
  return r;
}

DifferenceRect readDifferenceRect(SQLite::Statement& q) {
  DifferenceRect r;
  r.rowid = column(q, "ROW_ID").getInt64();
  r.x1 = optionalNumber(column(q, "X1"));
  r.y1 = optionalNumber(column(q, "Y1"));
  r.x2 = optionalNumber(column(q, "X2"));
  r.y2 = optionalNumber(column(q, "Y2"));
  if (hasColumn(q, "INDOVINATO")) r.found = optionalText(column(q, "INDOVINATO")).value_or("");
  return r;
}

std::vector<DifferenceRect> differenceRowsOfPair(Database& db, const char* sql, PairId id) {
  try {
    SQLite::Statement q(db.sqlite(), sql);
    q.bind(1, id);
    std::vector<DifferenceRect> rows;
    while (q.executeStep()) rows.push_back(readDifferenceRect(q));
    return rows;
  } catch (...) {
    rethrowAsDbError();
  }
}

}  // namespace picture_db
