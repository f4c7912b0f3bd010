// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/sample_database.h"

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "picture_db/atomic_file.h"
#include "picture_db/database.h"
#include "picture_db/editor_queries.h"
#include "picture_db/hall_of_fame.h"
#include "picture_db/schema.h"

namespace sample_maker {

namespace fs = std::filesystem;

namespace {

struct StartingScore {
  const char* name;
  std::int64_t score;
};

// The ten scores a new images.mdb starts with, best first: modest ones a first good game can beat.
const StartingScore kStartingHallOfFame[] = {{"Giulia", 900}, {"Marco", 810},   {"Francesca", 720}, {"Alessandro", 630},
                                             {"Chiara", 540}, {"Lorenzo", 450}, {"Sofia", 360},     {"Matteo", 270},
                                             {"Elena", 180},  {"Nicolò", 90}};

void fillDatabase(const std::string& path, const std::vector<SamplePair>& pairs) {
  auto db = picture_db::Database::createNew(path);
  picture_db::createSchema(db);
  db.inTransaction([&] {
    picture_db::PairId id = 0;
    for (const SamplePair& pair : pairs) {
      ++id;
      picture_db::addPicture(db, id, pair.originalFile(), pair.copyFile());
      for (const QRect& r : pair.differences) {
        // Edges: the left and top pixel, and the first pixel past the right and bottom.
        picture_db::addDifference(db, id, r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
      }
    }
  });
  for (const StartingScore& entry : kStartingHallOfFame) {
    picture_db::enterHallOfFame(db, entry.name, entry.score);
  }
}

}  // namespace

DatabaseOutcome writeSampleDatabase(const std::string& path, const std::vector<SamplePair>& pairs) {
  std::error_code ec;
  if (fs::exists(path, ec)) {
    return DatabaseOutcome::KeptExisting;
  }
  try {
    picture_db::writeFileAtomically(
        path, [&](const std::string& temporary) { fillDatabase(temporary, pairs); }, picture_db::ExistingFile::Keep);
  } catch (const std::system_error& e) {
    if (e.code() == std::errc::file_exists) return DatabaseOutcome::KeptExisting;
    throw;
  }
  return DatabaseOutcome::Written;
}

}  // namespace sample_maker
