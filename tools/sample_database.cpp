// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/sample_database.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "storage/atomic_file.h"
#include "picture_db/database.h"
#include "picture_db/editor_queries.h"
#include "picture_db/hall_of_fame.h"
#include "picture_db/schema.h"
#include "tools/starting_hall_of_fame.h"

namespace sample_maker {

namespace fs = std::filesystem;

namespace {

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
  for (const StartingScore& entry : startingHallOfFame()) {
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
    storage::writeFileAtomically(
        path, [&](const std::string& temporary) { fillDatabase(temporary, pairs); }, storage::ExistingFile::Keep);
  } catch (const std::system_error& e) {
    if (e.code() == std::errc::file_exists) return DatabaseOutcome::KeptExisting;
    throw;
  }
  return DatabaseOutcome::Written;
}

}  // namespace sample_maker
