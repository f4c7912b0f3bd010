// SPDX-License-Identifier: GPL-2.0-or-later
// The game's own statements on the data folder an installed game would choose.
//   found_mark_worker play <program folder>   chooses the folders as the programs do, resets
//       the found marks and marks one difference of a candidate pair found, as a first
//       click on a new game would; prints "data <folder>"
//   found_mark_worker count <images.mdb>     prints the number of unfound differences
//   found_mark_worker find-all <images.mdb>  marks every difference found
// Exits 1 naming the failure.
#include <cstdio>
#include <exception>
#include <string>

#include "storage/app_folders.h"
#include "storage/data_folder.h"
#include "picture_db/database.h"
#include "picture_db/game_queries.h"

using namespace picture_db;
using namespace storage;

namespace {

int play(const std::string& programDir) {
  const AppFolders folders = chooseAppFolders(programDir);
  auto db = Database::openExisting(databasePath(folders.data));
  resetFoundMarks(db);
  const auto ids = candidatePairIds(db);
  if (ids.empty()) throw std::runtime_error("no pair to play");
  const auto differences = unfoundDifferences(db, ids.front());
  if (differences.empty()) throw std::runtime_error("the candidate has no unfound difference");
  markFound(db, differences.front().rowid);
  std::printf("data %s\n", folders.data.c_str());
  return 0;
}

int count(const std::string& path) {
  auto db = Database::openExisting(path);
  long unfound = 0;
  for (const PairId id : candidatePairIds(db)) unfound += static_cast<long>(unfoundDifferences(db, id).size());
  std::printf("%ld\n", unfound);
  return 0;
}

int findAll(const std::string& path) {
  auto db = Database::openExisting(path);
  for (PairId id : candidatePairIds(db)) {
    for (const auto& d : unfoundDifferences(db, id)) markFound(db, d.rowid);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: found_mark_worker play|count|find-all <folder or images.mdb>\n");
    return 2;
  }
  const std::string mode = argv[1];
  try {
    if (mode == "play") return play(argv[2]);
    if (mode == "count") return count(argv[2]);
    if (mode == "find-all") return findAll(argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "found_mark_worker %s: %s\n", mode.c_str(), e.what());
    return 1;
  }
  std::fprintf(stderr, "found_mark_worker: unknown mode %s\n", mode.c_str());
  return 2;
}
