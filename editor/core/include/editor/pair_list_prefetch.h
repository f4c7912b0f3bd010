// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The picture list read on a thread of its own while the window is being built: on a
// database of thousands of pairs the read is the one step of start-up that grows with
// them. The read gives up at once on another program's lock; the caller then reads the
// list itself, on its own connection, waiting as it always does.
#include <future>
#include <optional>
#include <string>
#include <vector>

#include "picture_db/database.h"
#include "picture_db/records.h"

namespace editor {

class PairListPrefetch {
 public:
  // Starts reading the FOTO rows of the database file at databasePath.
  explicit PairListPrefetch(const std::string& databasePath);
  ~PairListPrefetch();
  PairListPrefetch(const PairListPrefetch&) = delete;
  PairListPrefetch& operator=(const PairListPrefetch&) = delete;

  // Every pair in the order the engine returns them: the rows read ahead, or, when that
  // read failed or was taken already, the rows read now on db (which may throw DbError).
  // Called once db is open, so that closing the connection read ahead leaves the files
  // beside the database to db.
  std::vector<picture_db::PictureRecord> take(picture_db::Database& db);

  // Whether the last take() handed on the rows read ahead.
  bool tookRowsReadAhead() const { return tookAhead_; }

 private:
  struct ReadAhead {
    std::optional<picture_db::Database> connection;
    std::optional<std::vector<picture_db::PictureRecord>> pairs;
  };
  static ReadAhead readAhead(const std::string& databasePath);

  std::future<ReadAhead> pending_;
  bool tookAhead_ = false;
};

}  // namespace editor
