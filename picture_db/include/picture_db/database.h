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

// A failure of the database, told apart by SQLite's result codes. what() is SQLite's own
// message, or the program's when the failure is its own.
class DbError : public std::runtime_error {
 public:
  // Code 0 (kOwnMessage): the program's own failure, what() already in the user's words.
  static constexpr int kOwnMessage = 0;
  explicit DbError(const std::string& message, int code = kOwnMessage, int extendedCode = -1, int systemError = 0)
      : std::runtime_error(message),
        code_(code),
        extendedCode_(extendedCode < 0 ? code : extendedCode),
        systemError_(systemError) {}

  int code() const { return code_; }                  // SQLite's primary result code
  int extendedCode() const { return extendedCode_; }  // SQLite's extended result code
  int systemError() const { return systemError_; }    // errno behind it, or 0

 private:
  int code_;
  int extendedCode_;
  int systemError_;
};

class Database {
 public:
  // Opens an existing file read-write; a missing file is an error, never a new database.
  static Database openExisting(const std::string& path);
  // The same, for a read that has a fallback: a lock held by another program fails at
  // once (DbError, SQLITE_BUSY) instead of being waited for.
  static Database openExistingWithoutWaiting(const std::string& path);
  // Opens an existing file for reading only, leaving no file beside it: a database the
  // user may not write, or one a writer holds, can still be read.
  static Database openReadOnly(const std::string& path);
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

// Turns a SQLiteCpp failure into DbError with SQLite's codes and message; any other
// exception goes on as it is.
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
    rethrowAsDbError();  // keeps what is not the engine's as it was thrown
  }
}

}  // namespace picture_db
