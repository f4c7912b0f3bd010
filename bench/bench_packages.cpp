// SPDX-License-Identifier: GPL-2.0-or-later
// Export and import of a pair of two 20 MB bitmaps. The export is set against SQLite's
// own quickest way to put the same bytes into a new file (goal 1.1), the import against
// copying the two pictures with the system's file copy (goal 1.2). Either may cost at
// most 2.5 times its yardstick. "--short" (or VOBREL_BENCH_SHORT) runs one round on small
// pictures, only to prove that the benchmark still runs.
#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <random>
#include <stdexcept>
#include <vector>

#include "bench/bench_folders.h"
#include "editor/package_transfer.h"
#include "picture_db/package_file.h"
#include "toolkit/picture_loader.h"
#include "storage/app_folders.h"
#include "picture_db/editor_queries.h"
#include "picture_db/schema.h"

namespace fs = std::filesystem;

namespace {

constexpr double kMaxRatio = 2.5;
constexpr double kExportGoal = 1.1;
constexpr double kImportGoal = 1.2;

struct Settings {
  int rounds = 7;
  int side = 2582;  // 24-bit rows of 2582 pixels: a bitmap of 20 MB
};

std::string appFolder(const QTemporaryDir& dir) {
  const std::string app = dir.path().toStdString();
  for (const char* sub : {storage::kImagesFolder, storage::kImportFolder, storage::kExportFolder}) {
    fs::create_directory(fs::path(app) / sub);
  }
  picture_db::Database db = picture_db::Database::createNew(storage::databasePath(app));
  picture_db::createSchema(db);
  return app;
}

// A real bitmap the import's picture check reads; noise, so nothing shrinks it.
void writeBitmap(const std::string& path, int side, unsigned seed) {
  QImage image(side, side, QImage::Format_RGB888);
  std::mt19937 random(seed);
  for (int y = 0; y < side; ++y) {
    uchar* line = image.scanLine(y);
    for (int x = 0; x < side * 3; ++x) line[x] = static_cast<uchar>(random());
  }
  if (!image.save(QString::fromStdString(path), "BMP")) throw std::runtime_error("cannot write " + path);
}

std::string readAll(const std::string& path) {
  std::string bytes(fs::file_size(path), '\0');
  std::ifstream(path, std::ios::binary).read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

void syncFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("cannot open " + path);
  ::fsync(fd);
  ::close(fd);
}

void check(sqlite3* db, int rc) {
  if (rc != SQLITE_OK && rc != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db));
}

// SQLite at its quickest: the two pictures read and bound whole in one insert, no
// journal, no syncing until the file is flushed once at the end.
void sqliteBestInsert(const std::string& path, const std::string& originalPath, const std::string& copyPath) {
  const std::string original = readAll(originalPath), copy = readAll(copyPath);
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot open " + path);
  check(db, sqlite3_exec(db,
                         "PRAGMA page_size=65536; PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;"
                         "CREATE TABLE Foto (NomeOriginale TEXT, FotoOriginale BLOB, NomeCopia TEXT, FotoCopia BLOB)",
                         nullptr, nullptr, nullptr));
  sqlite3_stmt* insert = nullptr;
  check(db,
        sqlite3_prepare_v2(db, "INSERT INTO Foto VALUES ('grande.bmp', ?, 'grande_C.bmp', ?)", -1, &insert, nullptr));
  check(db, sqlite3_bind_blob64(insert, 1, original.data(), original.size(), SQLITE_STATIC));
  check(db, sqlite3_bind_blob64(insert, 2, copy.data(), copy.size(), SQLITE_STATIC));
  check(db, sqlite3_step(insert));
  sqlite3_finalize(insert);
  sqlite3_close(db);
  syncFile(path);
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

std::vector<picture_db::DifferenceRect> fiveRectangles() {
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
  return rects;
}

// Where an import's time goes: the steps it reports, each from the end of the one before.
const std::map<editor::ImportStep, const char*> kStepNames{{editor::ImportStep::JournalWritten, "checks and record"},
                                                           {editor::ImportStep::OriginalWritten, "original written"},
                                                           {editor::ImportStep::CopyWritten, "copy written"},
                                                           {editor::ImportStep::PairAdded, "pair row"},
                                                           {editor::ImportStep::Committed, "rectangles, commit"},
                                                           {editor::ImportStep::OriginalPlaced, "original placed"},
                                                           {editor::ImportStep::CopyPlaced, "copy placed"},
                                                           {editor::ImportStep::PackageRemoved, "package removed"},
                                                           {editor::ImportStep::Finished, "record removed"}};

struct StepClock {
  std::map<editor::ImportStep, std::vector<double>> ms;
  std::chrono::steady_clock::time_point last;
  void start() { last = std::chrono::steady_clock::now(); }
  void operator()(editor::ImportStep step) {
    const auto now = std::chrono::steady_clock::now();
    ms[step].push_back(std::chrono::duration<double, std::milli>(now - last).count());
    last = now;
  }
};

// The parts of the checks alone, outside an import: opening and checking the package,
// reading both pictures out of it, decoding both.
struct CheckParts {
  std::vector<double> open, read, decode;
};
void timeCheckParts(const std::string& package, CheckParts& parts) {
  std::chrono::steady_clock::time_point t0 = std::chrono::steady_clock::now();
  picture_db::OpenPackage opened(package);
  const auto t1 = std::chrono::steady_clock::now();
  QByteArray original(static_cast<qsizetype>(opened.originalSize()), Qt::Uninitialized);
  QByteArray copy(static_cast<qsizetype>(opened.copySize()), Qt::Uninitialized);
  opened.readOriginalInto(original.data());
  opened.readCopyInto(copy.data());
  const auto t2 = std::chrono::steady_clock::now();
  if (!toolkit::decodePicture(original).ok() || !toolkit::decodePicture(copy).ok()) {
    throw std::runtime_error("the pictures do not decode");
  }
  const auto t3 = std::chrono::steady_clock::now();
  const auto ms = [](auto a, auto b) { return std::chrono::duration<double, std::milli>(b - a).count(); };
  parts.open.push_back(ms(t0, t1));
  parts.read.push_back(ms(t1, t2));
  parts.decode.push_back(ms(t2, t3));
}

Settings settingsFrom(int argc, char** argv) {
  Settings s;
  if (bench::shortRun(argc, argv)) s = {1, 200};
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  const Settings settings = settingsFrom(argc, argv);
  QTemporaryDir sourceDir, targetDir, copyDir, sqliteDir;
  const std::string source = appFolder(sourceDir);
  const std::string target = appFolder(targetDir);
  const std::array<std::string, 2> names{"grande.bmp", "grande_C.bmp"};
  writeBitmap(storage::picturePath(source, names[0]), settings.side, 1);
  writeBitmap(storage::picturePath(source, names[1]), settings.side, 2);
  const auto pictureBytes = fs::file_size(storage::picturePath(source, names[0]));
  const auto rects = fiveRectangles();
  picture_db::Database db = picture_db::Database::openExisting(storage::databasePath(target));
  const std::string package = storage::joinPath(storage::exportDir(source), "grande.ozt");
  const std::string waiting = storage::joinPath(storage::importDir(target), "grande.ozt");
  const std::string best = (fs::path(sqliteDir.path().toStdString()) / "grande.ozt").string();

  std::vector<double> copyMs, syncedCopyMs, sqliteMs, exportMs, importMs;
  StepClock steps;
  CheckParts parts;
  for (int round = 0; round < settings.rounds; ++round) {
    copyMs.push_back(millis([&] {
      for (const auto& name : names) {
        fs::copy_file(storage::picturePath(source, name), fs::path(copyDir.path().toStdString()) / name,
                      fs::copy_options::overwrite_existing);
      }
    }));
    // The import leaves its pictures on disk before it reports success; so does this copy.
    syncedCopyMs.push_back(millis([&] {
      for (const auto& name : names) {
        const fs::path to = fs::path(copyDir.path().toStdString()) / name;
        fs::copy_file(storage::picturePath(source, name), to, fs::copy_options::overwrite_existing);
        syncFile(to.string());
      }
    }));
    fs::remove(best);
    sqliteMs.push_back(millis([&] {
      sqliteBestInsert(best, storage::picturePath(source, names[0]), storage::picturePath(source, names[1]));
    }));
    fs::remove(package);
    exportMs.push_back(millis([&] { editor::exportPackage(source, "grande", names[0], names[1], rects); }));
    fs::copy_file(package, waiting, fs::copy_options::overwrite_existing);
    timeCheckParts(waiting, parts);
    importMs.push_back(millis([&] {
      steps.start();
      editor::importPackage(db, target, "grande.ozt", 1, std::ref(steps));
    }));
    // Ready for the next round: the imported pair and its pictures go again.
    picture_db::deletePictureWithDifferences(db, 1);
    for (const auto& name : names) fs::remove(storage::picturePath(target, name));
  }
  const double copy = median(copyMs), syncedCopy = median(syncedCopyMs), sqlite = median(sqliteMs);
  const double exp = median(exportMs), imp = median(importMs);
  std::printf("two %ju-byte bitmaps, median of %d rounds\n", static_cast<std::uintmax_t>(pictureBytes),
              settings.rounds);
  std::printf("  SQLite's best insert      %8.1f ms\n", sqlite);
  std::printf("  export                    %8.1f ms  ratio %.2f (goal %.1f)\n", exp, exp / sqlite, kExportGoal);
  std::printf("  system file copy          %8.1f ms\n", copy);
  std::printf("  file copy, flushed        %8.1f ms\n", syncedCopy);
  std::printf("  import                    %8.1f ms  ratio %.2f to the copy (goal %.1f), %.2f to the flushed copy\n",
              imp, imp / copy, kImportGoal, imp / syncedCopy);
  std::printf("  where the import's time goes (medians, ms):\n");
  for (const auto& [step, name] : kStepNames) std::printf("    %-22s %8.1f\n", name, median(steps.ms[step]));
  std::printf("  the checks alone: opening %.1f, reading both pictures %.1f, decoding both %.1f\n", median(parts.open),
              median(parts.read), median(parts.decode));
  if (settings.rounds == 1) {
    std::printf("short run: ratios not judged\n");
    return 0;
  }
  const bool ok = exp / sqlite < kMaxRatio && imp / copy < kMaxRatio;
  std::printf("%s (each ratio must stay under %.1f)\n", ok ? "PASS" : "FAIL", kMaxRatio);
  return ok ? 0 : 1;
}
