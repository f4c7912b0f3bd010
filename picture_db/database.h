// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The open images.mdb (or a package file): one SQLite connection with the settings
// both programs rely on. Failures raise DbError carrying SQLite's own message.
#include <SQLiteCpp/Database.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace picture_db {

class DbError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Database {
 public:
  // Opens an existing file read-write; a missing file is an error, never a new database.
  static Database openExisting(const std::string& path);
  // Creates a new empty file (the sample maker, tests and the package export only).
  static Database createNew(const std::string& path);

  SQLite::Database& sqlite() { return *db_; }
  const std::string& path() const { return path_; }

  // Instead of the plain busy timeout: a statement that meets another program's lock
  // waits at most limitMs, calling whileWaiting about every 20 ms meanwhile (with true
  // on the last call, when it gives up). whileWaiting must not throw.
  // stopWaiting, when given, ends the wait at once as soon as it says so (the program
  // is ending): the statement then fails as one that waited in vain.
  void setLockWait(int limitMs, std::function<void(bool givingUp)> whileWaiting,
                   std::function<bool()> stopWaiting = {});
  struct LockWait;

  // Closing leaves the write-ahead log for the next opener to fold in, instead of
  // copying it into the file and flushing both to disk: a program that writes little
  // then ends at once. What was committed is on disk either way.
  void leaveLogOnClose();

  // Runs fn inside one transaction: all of it happens or none of it.
  template <typename Fn>
  void inTransaction(Fn&& fn);

 private:
  Database(std::unique_ptr<SQLite::Database> db, std::string path);
  std::unique_ptr<SQLite::Database> db_;
  std::string path_;
  std::shared_ptr<LockWait> lockWait_;  // where the engine's busy handler points
};

// Turns any SQLiteCpp failure into DbError with SQLite's message.
[[noreturn]] void rethrowAsDbError();

template <typename Fn>
void Database::inTransaction(Fn&& fn) {
  try {
    db_->exec("BEGIN IMMEDIATE");
  } catch (...) {
    rethrowAsDbError();
  }
  try {
    fn();
    db_->exec("COMMIT");
  } catch (...) {
    try {
      db_->exec("ROLLBACK");
    } catch (...) {
    }
    rethrowAsDbError();
  }
}

}  // namespace picture_db
