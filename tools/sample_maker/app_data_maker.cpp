// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/app_data_maker.h"

#include <QFile>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <system_error>

#include "storage/app_folders.h"
#include "storage/atomic_file.h"
#include "picture_db/database.h"
#include "picture_db/editor_queries.h"
#include "picture_db/hall_of_fame.h"
#include "picture_db/schema.h"
#include "tools/game_over_picture.h"
#include "tools/picture_format.h"
#include "tools/sample_catalogue.h"

namespace sample_maker {

namespace fs = std::filesystem;

namespace {

enum class WriteOutcome { Written, KeptExisting };

// Writes path through write, which fills a temporary file renamed into place only when
// complete, unless a file is already there: a failed run never leaves half a file, and a
// user's file is never replaced, even one written at the same moment. Throws naming the
// file when it cannot be written.
WriteOutcome writeIfMissing(const std::string& path, const std::function<void(const std::string&)>& write) {
  std::error_code ec;
  if (fs::exists(path, ec)) return WriteOutcome::KeptExisting;
  try {
    storage::writeFileAtomically(path, write, storage::ExistingFile::Keep);
  } catch (const std::system_error& e) {
    // Someone else wrote it meanwhile: theirs is kept.
    if (e.code() == std::errc::file_exists) return WriteOutcome::KeptExisting;
    throw std::runtime_error("cannot write " + path + ": " + e.what());
  }
  return WriteOutcome::Written;
}

WriteOutcome writeBytesIfMissing(const std::string& path, const QByteArray& bytes) {
  return writeIfMissing(path, [&](const std::string& temporary) {
    storage::writeBytes(temporary, bytes.constData(), static_cast<std::size_t>(bytes.size()));
  });
}

// Whether the file at path holds exactly these bytes.
bool fileHolds(const std::string& path, const QByteArray& bytes) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) && file.size() == bytes.size() && file.readAll() == bytes;
}

struct StartingScore {
  const char* name;
  std::int64_t score;
};

// The ten scores a new images.mdb starts with, best first: modest ones a first good game can beat.
const StartingScore kStartingHallOfFame[] = {{"Giulia", 900}, {"Marco", 810},   {"Francesca", 720}, {"Alessandro", 630},
                                             {"Chiara", 540}, {"Lorenzo", 450}, {"Sofia", 360},     {"Matteo", 270},
                                             {"Elena", 180},  {"Nicolò", 90}};

// The pairs numbered from 1 in order, with their rectangles, and the starting hall of fame.
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

void writePicture(const std::string& appDir, const std::string& fileName, const QByteArray& bytes,
                  AppDataReport& report, std::ostream& log) {
  const std::string path = storage::picturePath(appDir, fileName);
  if (writeBytesIfMissing(path, bytes) == WriteOutcome::Written) {
    ++report.picturesWritten;
    return;
  }
  ++report.picturesKept;
  if (!fileHolds(path, bytes)) {
    log << "Kept the existing " << path << ", which differs from the sample picture\n";
  }
}

}  // namespace

AppDataReport makeAppData(const std::string& appDir, std::uint32_t seed, std::ostream& log) {
  std::error_code ec;
  fs::create_directories(appDir, ec);
  if (!fs::is_directory(appDir)) {
    throw std::runtime_error("cannot make the application folder " + appDir);
  }
  storage::ensureFolders(appDir, {storage::kImagesFolder});

  AppDataReport report;
  const auto pairs = makeSamplePairs(seed);
  for (const SamplePair& pair : pairs) {
    writePicture(appDir, pair.originalFile(), encodeScene(pair.original, pair.originalFormat), report, log);
    writePicture(appDir, pair.copyFile(), encodeScene(pair.copy, pair.copyFormat), report, log);
  }
  log << "Sample pictures in " << storage::imagesDir(appDir) << ": " << report.picturesWritten << " written, "
      << report.picturesKept << " already there\n";

  const std::string gameOverPath = storage::joinPath(appDir, storage::kGameOverPicture);
  report.gameOverWritten = writeBytesIfMissing(gameOverPath, encodeRaster(drawGameOverPicture(), PictureFormat::Bmp)) ==
                           WriteOutcome::Written;
  log << (report.gameOverWritten ? "Wrote " : "Kept the existing ") << gameOverPath << "\n";

  // Last, so a database never names pictures that failed to be written.
  const std::string dbPath = storage::databasePath(appDir);
  report.databaseWritten = writeIfMissing(dbPath, [&](const std::string& temporary) {
                             fillDatabase(temporary, pairs);
                           }) == WriteOutcome::Written;
  if (report.databaseWritten) {
    log << "Wrote " << dbPath << " with " << pairs.size() << " sample pairs\n";
  } else {
    log << "Kept the existing " << dbPath << " untouched\n";
  }
  return report;
}

}  // namespace sample_maker
