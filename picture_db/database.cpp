// SPDX-License-Identifier: GPL-2.0-or-later
#include "picture_db/database.h"

#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <thread>

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

struct Database::LockWait {
  int limitMs = 0;
  std::function<void(bool)> whileWaiting;
  std::function<bool()> stopWaiting;
  std::chrono::steady_clock::time_point start;
};

namespace {
int onBusy(void* arg, int count) {
  auto* wait = static_cast<Database::LockWait*>(arg);
  const auto now = std::chrono::steady_clock::now();
  if (count == 0) wait->start = now;
  const bool givingUp = now - wait->start >= std::chrono::milliseconds(wait->limitMs);
  if (wait->whileWaiting) wait->whileWaiting(givingUp);
  if (givingUp || (wait->stopWaiting && wait->stopWaiting())) return 0;
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return 1;
}
}  // namespace

void Database::setLockWait(int limitMs, std::function<void(bool givingUp)> whileWaiting,
                           std::function<bool()> stopWaiting) {
  lockWait_ = std::make_shared<LockWait>();
  lockWait_->limitMs = limitMs;
  lockWait_->whileWaiting = std::move(whileWaiting);
  lockWait_->stopWaiting = std::move(stopWaiting);
  sqlite3_busy_handler(db_->getHandle(), onBusy, lockWait_.get());
}

void Database::leaveLogOnClose() { sqlite3_db_config(db_->getHandle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr); }

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
