// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Lays out the delivered data of an application folder: Images/ with the sample
// pictures, GameOver.bmp and images.mdb. Nothing already there is replaced.
#include <cstdint>
#include <ostream>
#include <string>

namespace sample_maker {

struct AppDataReport {
  bool databaseWritten = false;  // false: the folder's own images.mdb was kept
  int picturesWritten = 0;
  int picturesKept = 0;
  bool gameOverWritten = false;
};

// Writes what is missing in appDir, telling log one line per step. Throws
// std::runtime_error (or picture_db::DbError) when a file cannot be written.
AppDataReport makeAppData(const std::string& appDir, std::uint32_t seed, std::ostream& log);

}  // namespace sample_maker
