#include "picture_db/database.h"

#include <sqlite3.h>

#include <filesystem>

namespace picture_db {

namespace {
// Long enough to ride out the other program's short transactions.
constexpr int kBusyTimeoutMs = 15000;

void applyConnectionSettings(SQLite::Database& db) {
  db.setBusyTimeout(kBusyTimeoutMs);
  // "x" is an identifier, never a string: a typo cannot silently become a literal.
  sqlite3_db_config(db.getHandle(), SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
  sqlite3_db_config(db.getHandle(), SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
}
}  // namespace

void rethrowAsDbError() {
  try {
    throw;
  } catch (const DbError&) {
    throw;
  } catch (const std::exception& e) {
    throw DbError(e.what());
  }
}

Database::Database(std::unique_ptr<SQLite::Database> db, std::string path)
    : db_(std::move(db)), path_(std::move(path)) {}

Database Database::openExisting(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    throw DbError("file not found");
  }
  try {
    auto db = std::make_unique<SQLite::Database>(path, SQLite::OPEN_READWRITE);
    applyConnectionSettings(*db);
    // Reading the schema proves the file is a database before anyone relies on it.
    db->exec("SELECT count(*) FROM sqlite_master");
    return Database(std::move(db), path);
  } catch (...) {
    rethrowAsDbError();
  }
}

Database Database::createNew(const std::string& path) {
  try {
    auto db = std::make_unique<SQLite::Database>(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    applyConnectionSettings(*db);
    return Database(std::move(db), path);
  } catch (...) {
    rethrowAsDbError();
  }
}

}  // namespace picture_db
