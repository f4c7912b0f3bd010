// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// SQLite connections to files that somebody else made: opened with the engine's defences
// for untrusted files and a budget of work, so that a crafted file can neither run code
// nor keep the program busy. Package reading only.
#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <utility>

namespace picture_db {

// Owns its handle: moved, never copied, so that no handle is closed twice.
struct Connection {
  sqlite3* db = nullptr;
  Connection() = default;
  Connection(Connection&& other) noexcept : db(std::exchange(other.db, nullptr)) {}
  Connection& operator=(Connection&& other) noexcept {
    std::swap(db, other.db);
    return *this;
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  ~Connection() { sqlite3_close_v2(db); }
};

struct Statement {
  sqlite3_stmt* stmt = nullptr;
  Statement() = default;
  Statement(Statement&& other) noexcept : stmt(std::exchange(other.stmt, nullptr)) {}
  Statement& operator=(Statement&& other) noexcept {
    std::swap(stmt, other.stmt);
    return *this;
  }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  ~Statement() { sqlite3_finalize(stmt); }
};

// Whether a table's SQL makes a virtual table: code a file has no business to bring along.
bool createsVirtualTable(const char* sql);

// Engine instructions counted between two looks at the budget.
inline constexpr int kStepsPerTick = 1000;

// How many more ticks the connection may work; at none left every statement is interrupted.
struct StepBudget {
  std::int64_t ticksLeft = 0;
};

// Opens the file read-only and immutable (nothing written to it or beside it, not even a
// journal or a lock): no triggers, views, extensions or attached databases, no
// double-quoted strings, small limits on statements, and values of at most maxLength
// bytes. Returns SQLite's result code; the connection is set up only on SQLITE_OK.
int openUntrusted(const std::string& absolutePath, std::int64_t maxLength, StepBudget& budget, Connection& into);

// Opens a private copy writable, with the defences that still apply, to fold its log in.
int openPrivateCopy(const std::string& path, StepBudget& budget, Connection& into);

}  // namespace picture_db
