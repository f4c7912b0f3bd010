// SPDX-License-Identifier: GPL-2.0-or-later
// Writing a package: built whole in a temporary file beside the target, then renamed
// into place, so a package on disk is always complete.
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include "storage/atomic_file.h"
#include "picture_db/database.h"
#include "picture_db/package_file.h"

namespace picture_db {

namespace {

namespace fs = std::filesystem;

// Pictures go into the file in pieces of this size.
constexpr std::size_t kPieceBytes = 1024 * 1024;

// Where a picture's bytes come from: its length, then its bytes piece by piece.
struct PictureFeed {
  std::int64_t size = 0;
  // Fills at most capacity bytes; 0 at the end.
  std::function<std::size_t(char* into, std::size_t capacity)> read;
  std::string what;  // names the source in messages
};

[[noreturn]] void engineFailure(sqlite3* db) {
  throw DbError(sqlite3_errmsg(db), sqlite3_errcode(db), sqlite3_extended_errcode(db));
}

void check(sqlite3* db, int rc) {
  if (rc != SQLITE_OK && rc != SQLITE_DONE) engineFailure(db);
}

void streamInto(sqlite3* db, sqlite3_int64 rowid, const char* column, PictureFeed& feed, std::vector<char>& piece) {
  sqlite3_blob* blob = nullptr;
  if (sqlite3_blob_open(db, "main", "Foto", column, rowid, 1, &blob) != SQLITE_OK) {
    sqlite3_blob_close(blob);
    engineFailure(db);
  }
  struct Closer {
    sqlite3_blob* b;
    ~Closer() { sqlite3_blob_close(b); }
  } closer{blob};
  std::int64_t done = 0;
  for (;;) {
    const std::size_t n = feed.read(piece.data(), piece.size());
    if (n == 0) break;
    if (done + static_cast<std::int64_t>(n) > feed.size) {
      throw std::runtime_error("il file " + feed.what + " è cambiato durante l'esportazione");
    }
    check(db, sqlite3_blob_write(blob, piece.data(), static_cast<int>(n), static_cast<int>(done)));
    done += static_cast<std::int64_t>(n);
  }
  if (done != feed.size) throw std::runtime_error("il file " + feed.what + " è cambiato durante l'esportazione");
}

void fill(Database& db, const std::string& originalName, PictureFeed& original, const std::string& copyName,
          PictureFeed& copy, const std::vector<Rectangle>& rectangles) {
  SQLite::Database& s = db.sqlite();
  sqlite3* h = s.getHandle();
  // Large pages: a picture of many megabytes is written in few large pieces.
  s.exec("PRAGMA page_size=65536");
  // The journal stays in memory: nothing but the package itself appears in the folder.
  s.exec("PRAGMA journal_mode=MEMORY");
  // A package is only renamed into place once complete, and its sources stay where they
  // are: a crash can cost the new package, never anything else.
  s.exec("PRAGMA synchronous=OFF");
  db.inTransaction([&] {
    s.exec("CREATE TABLE Foto (NomeOriginale TEXT(100), FotoOriginale BLOB, NomeCopia TEXT(100), FotoCopia BLOB)");
    s.exec("CREATE TABLE Coordinate (X1 INTEGER, Y1 INTEGER, X2 INTEGER, Y2 INTEGER)");
    {
      // The pictures' room is made first and filled afterwards, so that no picture is
      // ever held in memory whole.
      sqlite3_stmt* raw = nullptr;
      check(h, sqlite3_prepare_v2(
                   h, "INSERT INTO Foto (NomeOriginale, FotoOriginale, NomeCopia, FotoCopia) VALUES (?, ?, ?, ?)", -1,
                   &raw, nullptr));
      struct Finalizer {
        sqlite3_stmt* q;
        ~Finalizer() { sqlite3_finalize(q); }
      } foto{raw};
      check(h, sqlite3_bind_text(raw, 1, originalName.data(), static_cast<int>(originalName.size()), SQLITE_STATIC));
      check(h, sqlite3_bind_zeroblob64(raw, 2, static_cast<sqlite3_uint64>(original.size)));
      check(h, sqlite3_bind_text(raw, 3, copyName.data(), static_cast<int>(copyName.size()), SQLITE_STATIC));
      check(h, sqlite3_bind_zeroblob64(raw, 4, static_cast<sqlite3_uint64>(copy.size)));
      check(h, sqlite3_step(raw));
    }
    const sqlite3_int64 rowid = sqlite3_last_insert_rowid(h);
    std::vector<char> piece(static_cast<std::size_t>(
        std::min<std::int64_t>(std::max(original.size, copy.size), static_cast<std::int64_t>(kPieceBytes))));
    streamInto(h, rowid, "FotoOriginale", original, piece);
    streamInto(h, rowid, "FotoCopia", copy, piece);
    SQLite::Statement rect(s, "INSERT INTO Coordinate (X1, Y1, X2, Y2) VALUES (?, ?, ?, ?)");
    for (const Rectangle& r : rectangles) {
      rect.reset();
      rect.bind(1, r.x1);
      rect.bind(2, r.y1);
      rect.bind(3, r.x2);
      rect.bind(4, r.y2);
      rect.exec();
    }
  });
}

PictureFeed memoryFeed(const std::string& bytes) {
  auto offset = std::make_shared<std::size_t>(0);
  PictureFeed feed;
  feed.size = static_cast<std::int64_t>(bytes.size());
  feed.read = [&bytes, offset](char* into, std::size_t capacity) {
    const std::size_t n = std::min(capacity, bytes.size() - *offset);
    std::memcpy(into, bytes.data() + *offset, n);
    *offset += n;
    return n;
  };
  return feed;
}

PictureFeed fileFeed(const std::string& name, const std::string& path) {
  auto in = std::make_shared<std::ifstream>(path, std::ios::binary);
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  if (!*in || ec) throw std::runtime_error("il file " + name + " non si può leggere");
  PictureFeed feed;
  feed.size = static_cast<std::int64_t>(size);
  feed.what = name;
  feed.read = [in, name](char* into, std::size_t capacity) {
    in->read(into, static_cast<std::streamsize>(capacity));
    if (in->bad()) throw std::runtime_error("il file " + name + " non si può leggere");
    return static_cast<std::size_t>(in->gcount());
  };
  return feed;
}

// Builds the package in a temporary file beside path and renames it into place.
void writeWhole(const std::string& path, const std::string& originalName, PictureFeed& original,
                const std::string& copyName, PictureFeed& copy, const std::vector<Rectangle>& rectangles,
                const PackageLimits& limits) {
  if (auto problem = packageContentsProblem(originalName, copyName, original.size, copy.size,
                                            static_cast<std::int64_t>(rectangles.size()), limits);
      !problem.empty()) {
    throw InvalidPackage(problem);
  }
  try {
    storage::writeFileAtomically(
        path,
        [&](const std::string& temporary) {
          Database db = Database::createNew(temporary);
          fill(db, originalName, original, copyName, copy, rectangles);
        },
        storage::ExistingFile::Replace, kPackageTemporaryPrefix);
  } catch (...) {
    rethrowAsDbError();
  }
}

}  // namespace

void writePackage(const std::string& path, const PackageContents& contents, const PackageLimits& limits) {
  PictureFeed original = memoryFeed(contents.originalBytes);
  PictureFeed copy = memoryFeed(contents.copyBytes);
  writeWhole(path, contents.originalName, original, contents.copyName, copy, contents.rectangles, limits);
}

void writePackage(const std::string& path, const PackageFiles& files, const PackageLimits& limits) {
  PictureFeed original = fileFeed(files.originalName, files.originalPath);
  PictureFeed copy = fileFeed(files.copyName, files.copyPath);
  writeWhole(path, files.originalName, original, files.copyName, copy, files.rectangles, limits);
}

}  // namespace picture_db
