// SPDX-License-Identifier: GPL-2.0-or-later
#include "picture_db/journal_mode.h"

#include <SQLiteCpp/Database.h>

#include <cstring>
#include <fstream>

#include "picture_db/database.h"

namespace picture_db {

namespace {
// The engine's file header: its magic text, and at offsets 18 and 19 the write and read
// versions, 1 for a rollback journal and 2 for write-ahead logging.
constexpr char kMagic[] = "SQLite format 3";
constexpr int kHeaderSize = 100;
constexpr int kWriteVersionAt = 18;
constexpr int kBusyMs = 2000;
}  // namespace

std::optional<JournalMode> journalModeOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char header[kHeaderSize] = {};
  if (!in.read(header, kHeaderSize) || std::memcmp(header, kMagic, sizeof kMagic) != 0) return std::nullopt;
  switch (header[kWriteVersionAt]) {
    case 1: return JournalMode::Rollback;
    case 2: return JournalMode::WriteAhead;
    default: return std::nullopt;
  }
}

void setJournalMode(const std::string& path, JournalMode mode) {
  const char* wanted = mode == JournalMode::WriteAhead ? "wal" : "delete";
  try {
    SQLite::Database db(path, SQLite::OPEN_READWRITE);
    db.setBusyTimeout(kBusyMs);
    const std::string now = db.execAndGet(std::string("PRAGMA journal_mode=") + wanted).getString();
    if (now != wanted) throw DbError("the journal mode stayed " + now);
  } catch (...) {
    rethrowAsDbError();
  }
}

void shareBetweenPrograms(const std::string& path) {
  if (journalModeOf(path) != JournalMode::Rollback) return;
  try {
    setJournalMode(path, JournalMode::WriteAhead);
  } catch (const DbError&) {
  }
}

}  // namespace picture_db
