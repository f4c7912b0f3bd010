// SPDX-License-Identifier: GPL-2.0-or-later
#include "picture_db/untrusted_connection.h"

#include <algorithm>
#include <limits>

namespace picture_db {

namespace {

int onProgress(void* arg) {
  auto* budget = static_cast<StepBudget*>(arg);
  return --budget->ticksLeft < 0 ? 1 : 0;
}

// A URI lets the file be opened immutable; every byte that is not plainly safe is escaped.
std::string immutableUri(const std::string& path) {
  static const char* kHex = "0123456789ABCDEF";
  std::string uri = "file:";
  for (unsigned char c : path) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ||
                       c == '.' || c == '_' || c == '-' || c == '~';
    if (plain) {
      uri += static_cast<char>(c);
    } else {
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 0xF];
    }
  }
  return uri + "?immutable=1";
}

}  // namespace

bool createsVirtualTable(const char* sql) {
  if (sql == nullptr) return false;
  std::string words;
  for (const char* p = sql; *p != '\0' && words.size() < 20; ++p) {
    const char c = *p;
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      if (!words.empty() && words.back() != ' ') words += ' ';
    } else {
      words += static_cast<char>((c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c);
    }
  }
  return words.rfind("CREATE VIRTUAL", 0) == 0;
}

int openUntrusted(const std::string& absolutePath, std::int64_t maxLength, StepBudget& budget, Connection& into) {
  const int rc =
      sqlite3_open_v2(immutableUri(absolutePath).c_str(), &into.db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
  if (rc != SQLITE_OK) return rc;
  sqlite3* db = into.db;
  sqlite3_extended_result_codes(db, 1);
  sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr);
  sqlite3_limit(db, SQLITE_LIMIT_LENGTH,
                static_cast<int>(std::min<std::int64_t>(maxLength, std::numeric_limits<int>::max())));
  sqlite3_limit(db, SQLITE_LIMIT_SQL_LENGTH, 100'000);
  sqlite3_limit(db, SQLITE_LIMIT_COLUMN, 100);
  sqlite3_limit(db, SQLITE_LIMIT_EXPR_DEPTH, 100);
  sqlite3_limit(db, SQLITE_LIMIT_COMPOUND_SELECT, 5);
  sqlite3_limit(db, SQLITE_LIMIT_VDBE_OP, 25'000);
  sqlite3_limit(db, SQLITE_LIMIT_FUNCTION_ARG, 8);
  sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
  sqlite3_limit(db, SQLITE_LIMIT_LIKE_PATTERN_LENGTH, 100);
  sqlite3_limit(db, SQLITE_LIMIT_VARIABLE_NUMBER, 10);
  sqlite3_limit(db, SQLITE_LIMIT_TRIGGER_DEPTH, 1);
  sqlite3_limit(db, SQLITE_LIMIT_WORKER_THREADS, 0);
  sqlite3_progress_handler(db, kStepsPerTick, onProgress, &budget);
  return SQLITE_OK;
}

int openPrivateCopy(const std::string& path, StepBudget& budget, Connection& into) {
  const int rc = sqlite3_open_v2(path.c_str(), &into.db, SQLITE_OPEN_READWRITE, nullptr);
  if (rc != SQLITE_OK) return rc;
  sqlite3_db_config(into.db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  sqlite3_db_config(into.db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
  sqlite3_progress_handler(into.db, kStepsPerTick, onProgress, &budget);
  return SQLITE_OK;
}

}  // namespace picture_db
