// SPDX-License-Identifier: GPL-2.0-or-later
// One side of the two-programs test: runs the game's or the editor's statements on a
// shared images.mdb until a deadline, then prints what it did.
//   shared_db_worker game|editor <images.mdb> <seconds> <seed>
// Prints "ops <n>" and, for the editor, "pairs <ids...>" and "rects <id>:<n> ..." for the
// pairs it left behind. Exits 1 on the first failure, naming it.
#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "picture_db/database.h"
#include "picture_db/editor_queries.h"
#include "picture_db/game_queries.h"
#include "picture_db/hall_of_fame.h"

using namespace picture_db;
using Clock = std::chrono::steady_clock;

namespace {

long runGame(Database& db, Clock::time_point end, std::mt19937& rng) {
  long ops = 0;
  while (Clock::now() < end) {
    resetFoundMarks(db);
    ++ops;
    for (int pick = 0; pick < 5 && Clock::now() < end; ++pick) {
      const auto ids = candidatePairIds(db);
      ++ops;
      if (ids.empty()) break;
      const PairId id = ids[std::uniform_int_distribution<std::size_t>(0, ids.size() - 1)(rng)];
      pictureRecord(db, id);
      ++ops;
      for (const auto& r : unfoundDifferences(db, id)) {
        markFound(db, r.rowid);
        ops += 2;
        break;
      }
    }
    const auto ranked = hallOfFame(db);
    ++ops;
    const long long score = std::uniform_int_distribution<int>(0, 1000)(rng);
    if (qualifiesForHallOfFame(ranked, score)) {
      enterHallOfFame(db, "giocatore d'oro", score);
      ++ops;
    }
  }
  return ops;
}

long runEditor(Database& db, Clock::time_point end, std::mt19937& rng,
               std::map<PairId, std::vector<std::int64_t>>& mine) {
  long ops = 0;
  PairId next = 100000;
  while (Clock::now() < end) {
    // An author works at a human pace; without a pause this side would hold the write
    // lock nearly all the time and starve the other process.
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    forEachPicture(db, [](PairId, std::string_view, std::string_view) {});  // the picture list, as it loads
    ++ops;
    const PairId id = next++;
    addPicture(db, id, "nuova.jpg", "nuova_C.jpg");
    ++ops;
    auto& rects = mine[id];
    for (int i = 0; i < 5; ++i) {
      rects.push_back(addEmptyDifference(db, id));
      ++ops;
    }
    for (auto rowid : rects) {
      const int x = std::uniform_int_distribution<int>(0, 300)(rng);
      if (moveDifference(db, id, rowid, x, x, x + 20, x + 30) != 1) throw DbError("an update lost its row");
      ++ops;
    }
    if (deleteDifference(db, id, rects.back()) != 1) throw DbError("a delete lost its row");
    rects.pop_back();
    ++ops;
    pairDifferences(db, id);
    ++ops;
    if (id % 3 == 0) {  // some pairs go again, rectangles and all
      for (auto rowid : rects) deleteDifference(db, id, rowid);
      deletePicture(db, id);
      mine.erase(id);
      ops += 5;
    }
  }
  return ops;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s game|editor <images.mdb> <seconds> <seed>\n", argv[0]);
    return 2;
  }
  const std::string side = argv[1];
  const auto end = Clock::now() + std::chrono::seconds(std::stoi(argv[3]));
  std::mt19937 rng(static_cast<unsigned>(std::stoul(argv[4])));
  try {
    Database db = Database::openExisting(argv[2]);
    if (side == "game") {
      std::printf("ops %ld\n", runGame(db, end, rng));
    } else {
      std::map<PairId, std::vector<std::int64_t>> mine;
      std::printf("ops %ld\n", runEditor(db, end, rng, mine));
      std::printf("pairs");
      for (const auto& [id, rects] : mine) std::printf(" %d", id);
      std::printf("\nrects");
      for (const auto& [id, rects] : mine) std::printf(" %d:%zu", id, rects.size());
      std::printf("\n");
    }
  } catch (const std::exception& e) {
    std::printf("failed %s\n", e.what());
    return 1;
  }
  return 0;
}
