// Writing a package: built whole in a temporary file beside the target, then renamed
// into place, so a package on disk is always complete.
#include <SQLiteCpp/Statement.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "picture_db/database.h"
#include "picture_db/package_file.h"

namespace picture_db {

namespace {

namespace fs = std::filesystem;

// An empty file only this process could have made, readable as the user's files are.
std::string makeTemporaryFile(const fs::path& folder) {
  std::string name = (folder / ".ozt-export-XXXXXX").string();
  const int fd = mkstemp(name.data());
  if (fd < 0) {
    throw std::runtime_error("impossibile creare un file in " + folder.string() + ": " + std::strerror(errno));
  }
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  close(fd);
  return name;
}

void fill(Database& db, const PackageContents& contents) {
  SQLite::Database& s = db.sqlite();
  // The journal stays in memory: nothing but the package itself appears in the folder.
  s.exec("PRAGMA journal_mode=MEMORY");
  s.exec("PRAGMA synchronous=FULL");
  db.inTransaction([&] {
    s.exec("CREATE TABLE Foto (NomeOriginale TEXT(100), FotoOriginale BLOB, NomeCopia TEXT(100), FotoCopia BLOB)");
    s.exec("CREATE TABLE Coordinate (X1 INTEGER, Y1 INTEGER, X2 INTEGER, Y2 INTEGER)");
    SQLite::Statement foto(s, "INSERT INTO Foto (NomeOriginale, FotoOriginale, NomeCopia, FotoCopia) VALUES (?, ?, ?, ?)");
    foto.bindNoCopy(1, contents.originalName);
    foto.bindNoCopy(2, contents.originalBytes.data(), static_cast<int>(contents.originalBytes.size()));
    foto.bindNoCopy(3, contents.copyName);
    foto.bindNoCopy(4, contents.copyBytes.data(), static_cast<int>(contents.copyBytes.size()));
    foto.exec();
    SQLite::Statement rect(s, "INSERT INTO Coordinate (X1, Y1, X2, Y2) VALUES (?, ?, ?, ?)");
    for (const PackageRectangle& r : contents.rectangles) {
      rect.reset();
      rect.bind(1, r.x1);
      rect.bind(2, r.y1);
      rect.bind(3, r.x2);
      rect.bind(4, r.y2);
      rect.exec();
    }
  });
}

// The rename itself reaches the disk only once the folder is synced.
void syncFolder(const fs::path& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    fsync(fd);
    close(fd);
  }
}

}  // namespace

void writePackage(const std::string& path, const PackageContents& contents, const PackageLimits& limits) {
  if (auto problem = packageContentsProblem(contents, limits); !problem.empty()) throw InvalidPackage(problem);
  const fs::path target(path);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const std::string temporary = makeTemporaryFile(folder);
  try {
    {
      Database db = Database::createNew(temporary);
      fill(db, contents);
    }
    fs::rename(temporary, target);
  } catch (...) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    rethrowAsDbError();
  }
  syncFolder(folder);
}

}  // namespace picture_db
