// SPDX-License-Identifier: GPL-2.0-or-later
// Export and import of a pair of two 20 MB pictures, each against copying the same two
// files with the system's file copy. Each may cost at most 2.5 times the copy.
#include <QTemporaryDir>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "editor/package_transfer.h"
#include "storage/app_folders.h"
#include "picture_db/editor_queries.h"
#include "picture_db/schema.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRounds = 7;
constexpr std::size_t kPictureBytes = 20u * 1000 * 1000;
constexpr double kMaxRatio = 2.5;

std::string appFolder(const QTemporaryDir& dir) {
  const std::string app = dir.path().toStdString();
  for (const char* sub : {storage::kImagesFolder, storage::kImportFolder, storage::kExportFolder}) {
    fs::create_directory(fs::path(app) / sub);
  }
  picture_db::Database db = picture_db::Database::createNew(storage::databasePath(app));
  picture_db::createSchema(db);
  return app;
}

void writeNoise(const std::string& path, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(kPictureBytes, '\0');
  for (auto& b : bytes) b = static_cast<char>(random());
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Each timing starts with nothing left to write back from the step before it.
template <typename Fn>
double millis(Fn&& fn) {
  ::sync();
  const auto t0 = std::chrono::steady_clock::now();
  fn();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main() {
  QTemporaryDir sourceDir, targetDir, copyDir;
  const std::string source = appFolder(sourceDir);
  const std::string target = appFolder(targetDir);
  writeNoise(storage::picturePath(source, "grande.jpg"), 1);
  writeNoise(storage::picturePath(source, "grande_C.jpg"), 2);
  std::vector<picture_db::DifferenceRect> rects;
  for (const auto& [x1, y1, x2, y2] : std::vector<std::array<double, 4>>{
           {10, 10, 40, 30}, {60, 10, 100, 40}, {120, 20, 150, 60}, {20, 80, 70, 120}, {140, 90, 190, 140}}) {
    picture_db::DifferenceRect r;
    r.x1 = x1;
    r.y1 = y1;
    r.x2 = x2;
    r.y2 = y2;
    rects.push_back(r);
  }
  picture_db::Database db = picture_db::Database::openExisting(storage::databasePath(target));
  const std::string package = storage::joinPath(storage::exportDir(source), "grande.ozt");
  const std::string waiting = storage::joinPath(storage::importDir(target), "grande.ozt");

  std::vector<double> copyMs, exportMs, importMs;
  for (int round = 0; round < kRounds; ++round) {
    copyMs.push_back(millis([&] {
      for (const char* name : {"grande.jpg", "grande_C.jpg"}) {
        fs::copy_file(storage::picturePath(source, name), fs::path(copyDir.path().toStdString()) / name,
                      fs::copy_options::overwrite_existing);
      }
    }));
    exportMs.push_back(millis([&] { editor::exportPackage(source, "grande", "grande.jpg", "grande_C.jpg", rects); }));
    fs::copy_file(package, waiting, fs::copy_options::overwrite_existing);
    importMs.push_back(millis([&] { editor::importPackage(db, target, "grande.ozt", 1); }));
    // Ready for the next round: the imported pair and its pictures go again.
    picture_db::deletePictureWithDifferences(db, 1);
    fs::remove(storage::picturePath(target, "grande.jpg"));
    fs::remove(storage::picturePath(target, "grande_C.jpg"));
  }
  const double copy = median(copyMs), exp = median(exportMs), imp = median(importMs);
  std::printf("two %zu-byte pictures, median of %d rounds\n", kPictureBytes, kRounds);
  std::printf("  system file copy %8.1f ms\n", copy);
  std::printf("  export           %8.1f ms  ratio %.2f\n", exp, exp / copy);
  std::printf("  import           %8.1f ms  ratio %.2f\n", imp, imp / copy);
  const bool ok = exp / copy < kMaxRatio && imp / copy < kMaxRatio;
  std::printf("%s (each ratio must stay under %.1f)\n", ok ? "PASS" : "FAIL", kMaxRatio);
  return ok ? 0 : 1;
}
