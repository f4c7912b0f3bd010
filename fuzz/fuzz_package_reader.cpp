// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as a package in the Import folder of a throw-away application folder: the
// import reads and checks it, and when it takes it, writes only into Images and the
// database. Anything else written, or any crash, is a finding.
#include <QGuiApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "editor/package_transfer.h"
#include "storage/app_folders.h"
#include "picture_db/database.h"
#include "picture_db/editor_queries.h"
#include "picture_db/schema.h"

namespace fs = std::filesystem;

namespace {

constexpr picture_db::PairId kPairId = 7;

struct AppFolder {
  std::string dir;
  std::unique_ptr<picture_db::Database> db;

  AppFolder() {
    std::string templ = (fs::temp_directory_path() / "fuzz-package-XXXXXX").string();
    if (mkdtemp(templ.data()) == nullptr) std::abort();
    dir = templ;
    for (const char* sub : {storage::kImagesFolder, storage::kImportFolder, storage::kExportFolder}) {
      fs::create_directory(fs::path(dir) / sub);
    }
    {
      picture_db::Database created = picture_db::Database::createNew(storage::databasePath(dir));
      picture_db::createSchema(created);
    }
    db = std::make_unique<picture_db::Database>(picture_db::Database::openExisting(storage::databasePath(dir)));
  }
  ~AppFolder() {
    db.reset();
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
};

AppFolder& app() {
  static AppFolder folder;
  return folder;
}

std::set<std::string> everything(const std::string& dir) {
  std::set<std::string> names;
  for (const auto& e : fs::recursive_directory_iterator(dir)) names.insert(fs::relative(e.path(), dir).string());
  return names;
}

[[noreturn]] void finding(const std::string& what) {
  std::fprintf(stderr, "FINDING: %s\n", what.c_str());
  std::abort();
}

}  // namespace

// The import checks both pictures with the picture loader, which wants an application.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  AppFolder& a = app();
  const std::string package = storage::joinPath(storage::importDir(a.dir), "p.ozt");
  {
    std::ofstream out(package, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  const std::set<std::string> before = everything(a.dir);
  bool imported = false;
  picture_db::PictureRecord pair;
  try {
    pair = editor::importPackage(*a.db, a.dir, "p.ozt", kPairId).pair;
    imported = true;
  } catch (const editor::PackageError&) {
  }
  std::set<std::string> after = everything(a.dir);
  const std::string packageEntry = std::string(storage::kImportFolder) + "/p.ozt";
  if (imported) {
    // A taken package leaves Import; its pictures arrive in Images.
    if (after.count(packageEntry) != 0) finding("an imported package was left in Import");
    after.insert(packageEntry);
    const std::string images = storage::kImagesFolder;
    for (const std::string* name : {&pair.original, &pair.copy}) {
      if (after.erase(images + "/" + *name) != 1) finding("imported picture not in Images: " + *name);
    }
  }
  if (after != before) finding("the import changed files it must not touch");
  if (!imported) {
    std::ifstream in(package, std::ios::binary);
    const std::string still((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (still != std::string(reinterpret_cast<const char*>(data), size)) finding("a refused package was changed");
  }
  std::size_t rows = 0;
  picture_db::forEachPicture(*a.db, [&](picture_db::PairId, std::string_view, std::string_view) { ++rows; });
  if (rows != (imported ? 1u : 0u)) finding("a pair row where none belongs, or none where one does");
  if (imported) {
    fs::remove(storage::picturePath(a.dir, pair.original));
    fs::remove(storage::picturePath(a.dir, pair.copy));
    picture_db::deletePictureWithDifferences(*a.db, kPairId);
  } else if (!picture_db::pairDifferences(*a.db, kPairId).empty()) {
    finding("rectangles left behind by a refused import");
  }
  return 0;
}
