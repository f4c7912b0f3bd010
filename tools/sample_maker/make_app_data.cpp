// SPDX-License-Identifier: GPL-2.0-or-later
// make_app_data <appDir> [seed] [--rollback-journal]: lays out the delivered images.mdb,
// GameOver.bmp and sample pictures in an application folder, keeping whatever is already
// there. --rollback-journal gives the database the journal an installation delivers it
// with: read-only, it is then read without files beside it.
#include <QGuiApplication>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "storage/app_folders.h"
#include "picture_db/journal_mode.h"
#include "tools/app_data_maker.h"
#include "tools/sample_catalogue.h"

namespace {

bool parseSeed(const std::string& text, std::uint32_t& seed) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const auto flag = std::find(args.begin(), args.end(), "--rollback-journal");
  const bool rollbackJournal = flag != args.end();
  if (rollbackJournal) args.erase(flag);
  if (args.empty() || args.size() > 2) {
    std::cerr << "usage: make_app_data <appDir> [seed] [--rollback-journal]\n";
    return 2;
  }
  std::uint32_t seed = sample_maker::kDefaultSeed;
  if (args.size() == 2 && !parseSeed(args[1].c_str(), seed)) {
    std::cerr << "make_app_data: the seed must be a whole number from 0 to 4294967295, not '" << args[1] << "'\n";
    return 2;
  }
  // Fonts for the lettering, without any display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  try {
    sample_maker::makeAppData(args[0], seed, std::cout);
    if (rollbackJournal) {
      picture_db::setJournalMode(storage::databasePath(args[0]), picture_db::JournalMode::Rollback);
    }
  } catch (const std::exception& e) {
    std::cerr << "make_app_data: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
