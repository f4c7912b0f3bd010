// SPDX-License-Identifier: GPL-2.0-or-later
#include "picture_db/database.h"

#include <sqlite3.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
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
  } catch (const SQLite::Exception& e) {
    throw DbError(e.what(), e.getErrorCode(), e.getExtendedErrorCode());
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

namespace {
std::unique_ptr<SQLite::Database> openReadWrite(const std::string& path, int busyTimeoutMs) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    throw DbError("file not found", SQLITE_CANTOPEN, SQLITE_CANTOPEN, ENOENT);
  }
  try {
    auto db = std::make_unique<SQLite::Database>(path, SQLite::OPEN_READWRITE);
    applyConnectionSettings(*db);
    db->setBusyTimeout(busyTimeoutMs);
    // Reading the schema proves the file is a database before anyone relies on it.
    db->exec("SELECT count(*) FROM sqlite_master");
    return db;
  } catch (...) {
    rethrowAsDbError();
  }
}
}  // namespace

Database Database::openExisting(const std::string& path) { return Database(openReadWrite(path, kBusyTimeoutMs), path); }

Database Database::openExistingWithoutWaiting(const std::string& path) {
  return Database(openReadWrite(path, 0), path);
}

namespace {
// The file's header says write-ahead logging (format versions 2 and 2).
bool inWalMode(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char header[20] = {};
  return in.read(header, sizeof header) && header[18] == 2 && header[19] == 2;
}

// A URI that names the file as it is, whatever characters its path holds.
std::string immutableUri(const std::string& path) {
  const std::string absolute = std::filesystem::absolute(path).string();
  std::string uri = "file:";
  const char* hex = "0123456789ABCDEF";
  for (unsigned char c : absolute) {
    if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
      uri += char(c);
    } else {
      uri += '%';
      uri += hex[c >> 4];
      uri += hex[c & 15];
    }
  }
  return uri + "?immutable=1";
}

std::unique_ptr<SQLite::Database> readable(const std::string& name, int flags) {
  auto db = std::make_unique<SQLite::Database>(name, flags);
  applyConnectionSettings(*db);
  db->exec("SELECT count(*) FROM sqlite_master");
  return db;
}
}  // namespace

Database Database::openReadOnly(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    throw DbError("file not found");
  }
  // A write-ahead-logged file is read through a shared-memory file beside it. While no
  // writer has one open, the file as it lies is the whole database and is read as such;
  // with a writer, its side files are used, and only where they cannot be is the file
  // read as it lies.
  const bool wal = inWalMode(path);
  const bool writerPresent = std::filesystem::exists(path + "-wal", ec);
  if (!wal || writerPresent) {
    try {
      return Database(readable(path, SQLITE_OPEN_READONLY), path);
    } catch (...) {
      if (!wal) rethrowAsDbError();
    }
  }
  try {
    return Database(readable(immutableUri(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI), path);
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
