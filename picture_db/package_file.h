#pragma once
// The package file (".ozt"): one picture pair carried between installations, as an
// SQLite file of its own with the tables "Foto" (both names and both pictures' bytes)
// and "Coordinate" (the difference rectangles). Packages come from other people, so the
// reader trusts nothing in the file.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace picture_db {

struct PackageRectangle {  // one "Coordinate" row
  std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const PackageRectangle& o) const {
    return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2;
  }
};

struct PackageContents {
  std::string originalName;   // NomeOriginale
  std::string originalBytes;  // FotoOriginale: the file's bytes, exactly
  std::string copyName;       // NomeCopia
  std::string copyBytes;      // FotoCopia
  std::vector<PackageRectangle> rectangles;  // in stored order
};

// A package that cannot be read or written as it is; what() is the reason, in Italian.
class InvalidPackage : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr int kMaxPackageNameLength = 100;  // characters of NomeOriginale / NomeCopia

struct PackageLimits {
  // The largest picture a package carries; also the engine's limit on any one value.
  std::int64_t maxPictureBytes = 64LL * 1024 * 1024;
  // The original export counted the rectangles in 16 bits: no package ever held more.
  std::int64_t maxRectangles = 32767;
  // Engine instructions a read may take before it is given up (a hostile file must not
  // keep the editor busy for ever).
  std::int64_t maxSteps = 200'000'000;
  // The whole file: two pictures and room for the rectangles and the engine's pages.
  std::int64_t maxFileBytes() const { return 2 * maxPictureBytes + 16LL * 1024 * 1024; }
};

// Why a name cannot stand for a picture in a package, in Italian; empty when it can: a
// plain file name (valid UTF-8, not empty, at most 100 characters, no folder part, no
// control character, not hidden) ending in .wmf, .emf, .bmp, .jpg or .gif, any case.
std::string pictureNameProblem(const std::string& name);

// Whether two names are the same once ASCII letters are compared without regard to case,
// as the FOTO columns compare them.
bool sameNameIgnoringCase(const std::string& a, const std::string& b);

// Why contents cannot make a package, in Italian; empty when they can. The reader refuses
// exactly what this refuses, so an export never writes a package no import can take.
std::string packageContentsProblem(const PackageContents& contents, const PackageLimits& limits = {});

// Writes a new package at path. It is built in a temporary file of the same folder and
// renamed over path only once complete: a failure leaves any earlier file at path as it
// was and no partial file behind. Throws InvalidPackage for contents no package may hold,
// DbError or std::runtime_error when writing fails.
void writePackage(const std::string& path, const PackageContents& contents,
                  const PackageLimits& limits = {});

// Reads and checks the package at path without ever writing to it or beside it: only the
// first "Foto" row, every "Coordinate" row in stored order. Throws InvalidPackage with the
// reason for anything that is not a sound package.
PackageContents readPackage(const std::string& path, const PackageLimits& limits = {});

}  // namespace picture_db
