// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How a database file keeps its journal. The delivered images.mdb has a rollback journal,
// so that a read-only installed copy is read without -wal or -shm files beside it; a
// user's own copy uses write-ahead logging, so that the game and the editor do not wait
// for each other.
#include <optional>
#include <string>

namespace picture_db {

enum class JournalMode { Rollback, WriteAhead };

// Read from the file's header, without opening it as a database; nothing when the file
// is missing or is not a database.
std::optional<JournalMode> journalModeOf(const std::string& path);

// Switches the file to mode. The file must be one no other program has open; throws
// DbError with the engine's reason when it cannot be switched.
void setJournalMode(const std::string& path, JournalMode mode);

// Readies a database both programs will use at once: a rollback journal becomes
// write-ahead logging. A file that cannot be switched (damaged, held by the other
// program) stays as it is: opening it tells the user what is wrong, or it is switched at
// a later start.
void shareBetweenPrograms(const std::string& path);

}  // namespace picture_db
