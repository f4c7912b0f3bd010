// SPDX-License-Identifier: GPL-2.0-or-later
// make_app_data <appDir> [seed]: lays out the delivered images.mdb, GameOver.bmp and
// sample pictures in an application folder, keeping whatever is already there.
#include <QGuiApplication>

#include <charconv>
#include <cstdint>
#include <exception>
#include <iostream>
#include <string>

#include "tools/app_data_maker.h"
#include "tools/sample_catalogue.h"

namespace {

bool parseSeed(const std::string& text, std::uint32_t& seed) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: make_app_data <appDir> [seed]\n";
    return 2;
  }
  std::uint32_t seed = sample_maker::kDefaultSeed;
  if (argc == 3 && !parseSeed(argv[2], seed)) {
    std::cerr << "make_app_data: the seed must be a whole number from 0 to 4294967295, not '" << argv[2] << "'\n";
    return 2;
  }
  // Fonts for the lettering, without any display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  try {
    sample_maker::makeAppData(argv[1], seed, std::cout);
  } catch (const std::exception& e) {
    std::cerr << "make_app_data: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
