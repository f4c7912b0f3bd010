// SPDX-License-Identifier: GPL-2.0-or-later
#include "picture_db/schema.h"

namespace picture_db {

void createSchema(Database& db) {
  // Write-ahead logging lets the game read while the editor writes (and the other way
  // round) instead of waiting on each other's locks; the mode stays with the file.
  try {
    db.sqlite().exec("PRAGMA journal_mode=WAL");
  } catch (...) {
    rethrowAsDbError();
  }
  db.inTransaction([&] {
    db.sqlite().exec(
        "CREATE TABLE FOTO ("
        " ID_FOTO INTEGER NOT NULL UNIQUE,"
        " ORIGINALE TEXT COLLATE NOCASE,"
        " COPIA TEXT COLLATE NOCASE)");
    db.sqlite().exec(
        "CREATE TABLE COORDINATE ("
        " ID_FOTO INTEGER,"
        " X1 INTEGER, Y1 INTEGER, X2 INTEGER, Y2 INTEGER,"
        " INDOVINATO TEXT)");
    db.sqlite().exec("CREATE INDEX COORDINATE_PAIR_FOUND ON COORDINATE (ID_FOTO, INDOVINATO)");
    // Holds only the found rectangles: the reset at start-up finds them without a scan.
    db.sqlite().exec("CREATE INDEX COORDINATE_FOUND ON COORDINATE (INDOVINATO) WHERE INDOVINATO IS NOT 'N'");
    db.sqlite().exec(
        "CREATE TABLE HALL_OF_FAME ("
        " NOME TEXT COLLATE NOCASE,"
        " PUNTEGGIO INTEGER)");
  });
}

}  // namespace picture_db
