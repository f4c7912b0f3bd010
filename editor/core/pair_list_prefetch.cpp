// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/pair_list_prefetch.h"

#include <exception>
#include <system_error>
#include <utility>

#include "picture_db/editor_queries.h"

namespace editor {

PairListPrefetch::ReadAhead PairListPrefetch::readAhead(const std::string& databasePath) {
  PairListPrefetch::ReadAhead result;
  try {
    result.connection = picture_db::Database::openExistingWithoutWaiting(databasePath);
    result.pairs = picture_db::listPictures(*result.connection);
  } catch (const std::exception&) {
    // Locked, missing or damaged: the window's own read finds out which, and says so.
    result.pairs.reset();
  }
  return result;
}

PairListPrefetch::PairListPrefetch(const std::string& databasePath) {
  try {
    pending_ = std::async(std::launch::async, readAhead, databasePath);
  } catch (const std::system_error&) {
    // No thread to be had: take() reads the list itself.
  }
}

PairListPrefetch::~PairListPrefetch() {
  if (pending_.valid()) pending_.wait();
}

std::vector<picture_db::PictureRecord> PairListPrefetch::take(picture_db::Database& db) {
  tookAhead_ = false;
  if (pending_.valid()) {
    ReadAhead ahead = pending_.get();
    if (ahead.pairs) {
      tookAhead_ = true;
      return std::move(*ahead.pairs);
    }
  }
  return picture_db::listPictures(db);
}

}  // namespace editor
