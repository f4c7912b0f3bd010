// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reading rows by column name into records; shared by the statements of both programs.
#include <SQLiteCpp/Statement.h>

#include <optional>
#include <string>
#include <vector>

#include "picture_db/records.h"

namespace picture_db {

// Column by name without regard to case, as the engine names them ("Punteggio" finds PUNTEGGIO).
SQLite::Column column(SQLite::Statement& q, const char* name);
bool hasColumn(SQLite::Statement& q, const char* name);

std::optional<double> optionalNumber(const SQLite::Column& c);
std::optional<std::string> optionalText(const SQLite::Column& c);

// Expects the columns named idColumn, ORIGINALE and COPIA.
PictureRecord readPictureRecord(SQLite::Statement& q, const char* idColumn);
// Expects ROW_ID, X1, Y1, X2, Y2 and, when present, INDOVINATO.
DifferenceRect readDifferenceRect(SQLite::Statement& q);

class Database;
// Every row a statement with the pair's number as its one parameter selects, as records
// (columns as readDifferenceRect expects them). Failures throw DbError.
std::vector<DifferenceRect> differenceRowsOfPair(Database& db, const char* sql, PairId id);

}  // namespace picture_db
