// SPDX-License-Identifier: GPL-2.0-or-later
#include "picture_db/hall_of_fame.h"

#include <SQLiteCpp/Statement.h>

#include "picture_db/row_reading.h"

namespace picture_db {

std::vector<HallOfFameEntry> hallOfFame(Database& db) {
  try {
    SQLite::Statement q(db.sqlite(),
                        "SELECT rowid AS ROW_ID,NOME,PUNTEGGIO FROM HALL_OF_FAME "
                        "ORDER BY PUNTEGGIO DESC,NOME ASC");
    std::vector<HallOfFameEntry> rows;
    while (q.executeStep()) {
      HallOfFameEntry e;
      e.rowid = column(q, "ROW_ID").getInt64();
      e.name = optionalText(column(q, "NOME"));
      e.score = optionalNumber(column(q, "PUNTEGGIO"));
      rows.push_back(std::move(e));
    }
    return rows;
  } catch (...) {
    rethrowAsDbError();
  }
}

bool qualifiesForHallOfFame(const std::vector<HallOfFameEntry>& ranked, std::int64_t score) {
  if (ranked.size() < kHallOfFameSize) return true;
  // A missing score ranks below every real one.
  const auto& last = ranked.back();
  return !last.score || static_cast<double>(score) > *last.score;
}

void enterHallOfFame(Database& db, const std::string& name, std::int64_t score) {
  db.inTransaction([&] {
    const auto ranked = hallOfFame(db);
    SQLite::Statement insert(db.sqlite(), "INSERT INTO HALL_OF_FAME (NOME,PUNTEGGIO) VALUES(?,?)");
    insert.bind(1, name);
    insert.bind(2, static_cast<std::int64_t>(score));
    insert.exec();
    if (ranked.size() >= kHallOfFameSize) {
      SQLite::Statement drop(db.sqlite(), "DELETE FROM HALL_OF_FAME WHERE rowid=?");
      drop.bind(1, static_cast<std::int64_t>(ranked.back().rowid));
      drop.exec();
    }
  });
}

}  // namespace picture_db
