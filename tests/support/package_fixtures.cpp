// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/package_fixtures.h"

#include <SQLiteCpp/Database.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace test_support {

std::string everyByteValue(int repeat, int shift) {
  std::string bytes;
  for (int r = 0; r < repeat; ++r) {
    for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>((b + shift) & 0xFF));
  }
  return bytes;
}

std::string bitmapWithEveryByteValue(int shift, const std::string& lead) {
  constexpr int kWidth = 64, kHeight = 4, kPixelBytes = kWidth * 3 * kHeight;  // rows need no padding
  auto u16 = [](std::string& s, unsigned v) { s += static_cast<char>(v & 0xFF), s += static_cast<char>(v >> 8); };
  auto u32 = [&](std::string& s, unsigned v) { u16(s, v & 0xFFFF), u16(s, v >> 16); };
  std::string bmp = "BM";
  u32(bmp, 54 + kPixelBytes);
  u32(bmp, 0);
  u32(bmp, 54);
  u32(bmp, 40);
  u32(bmp, kWidth);
  u32(bmp, kHeight);
  u16(bmp, 1);
  u16(bmp, 24);
  u32(bmp, 0);
  u32(bmp, kPixelBytes);
  u32(bmp, 2835);
  u32(bmp, 2835);
  u32(bmp, 0);
  u32(bmp, 0);
  std::string pixels = everyByteValue(3, shift);
  pixels.replace(0, lead.size(), lead);
  return bmp + pixels;
}

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

void makeSqliteFile(const std::string& path, const std::vector<std::string>& statements) {
  SQLite::Database db(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
  for (const auto& sql : statements) db.exec(sql);
}

std::vector<std::string> soundPackageStatements() {
  return {
      "CREATE TABLE Foto (NomeOriginale TEXT, FotoOriginale BLOB, NomeCopia TEXT, FotoCopia BLOB)",
      "CREATE TABLE Coordinate (X1 INTEGER, Y1 INTEGER, X2 INTEGER, Y2 INTEGER)",
      "INSERT INTO Foto VALUES ('a.jpg', x'00FF10', 'b.jpg', x'8081')",
      "INSERT INTO Coordinate VALUES (1, 2, 3, 4)",
  };
}

std::vector<std::string> folderTree(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::recursive_directory_iterator(dir)) {
    names.push_back(std::filesystem::relative(e.path(), dir).string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

picture_db::PackageContents readPackage(const std::string& path, const picture_db::PackageLimits& limits) {
  picture_db::OpenPackage package(path, limits);
  picture_db::PackageContents c;
  c.originalName = package.originalName();
  c.copyName = package.copyName();
  c.rectangles = package.rectangles();
  package.readOriginal([&](const char* data, std::size_t n) { c.originalBytes.append(data, n); });
  package.readCopy([&](const char* data, std::size_t n) { c.copyBytes.append(data, n); });
  return c;
}

}  // namespace test_support
