// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/app_data_maker.h"

#include <filesystem>
#include <stdexcept>

#include "storage/app_folders.h"
#include "tools/file_writing.h"
#include "tools/game_over_picture.h"
#include "tools/picture_format.h"
#include "tools/sample_catalogue.h"
#include "tools/sample_database.h"

namespace sample_maker {

namespace {

void writePicture(const std::string& appDir, const std::string& fileName, const QByteArray& bytes,
                  AppDataReport& report, std::ostream& log) {
  const std::string path = storage::picturePath(appDir, fileName);
  if (writeFileIfMissing(path, bytes) == WriteOutcome::Written) {
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
  std::filesystem::create_directories(appDir, ec);
  if (!std::filesystem::is_directory(appDir)) {
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
  report.gameOverWritten = writeFileIfMissing(gameOverPath, encodeRaster(drawGameOverPicture(), PictureFormat::Bmp)) ==
                           WriteOutcome::Written;
  log << (report.gameOverWritten ? "Wrote " : "Kept the existing ") << gameOverPath << "\n";

  // Last, so a database never names pictures that failed to be written.
  const std::string dbPath = storage::databasePath(appDir);
  report.databaseWritten = writeSampleDatabase(dbPath, pairs) == DatabaseOutcome::Written;
  if (report.databaseWritten) {
    log << "Wrote " << dbPath << " with " << pairs.size() << " sample pairs\n";
  } else {
    log << "Kept the existing " << dbPath << " untouched\n";
  }
  return report;
}

}  // namespace sample_maker
