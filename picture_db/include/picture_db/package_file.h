// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The package file (".ozt"): one picture pair carried between installations, as an
// SQLite file of its own with the tables "Foto" (both names and both pictures' bytes)
// and "Coordinate" (the difference rectangles). Packages come from other people, so the
// reader trusts nothing in the file.
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "picture_db/records.h"

namespace picture_db {

struct PackageContents {
  std::string originalName;           // NomeOriginale
  std::string originalBytes;          // FotoOriginale: the file's bytes, exactly
  std::string copyName;               // NomeCopia
  std::string copyBytes;              // FotoCopia
  std::vector<Rectangle> rectangles;  // in stored order
};

// A package that cannot be read or written as it is; what() is the reason, in Italian.
class InvalidPackage : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr int kMaxPackageNameLength = 100;  // characters of NomeOriginale / NomeCopia

// A package being written is named this and six random characters until it is complete;
// only files of exactly that shape are the editor's own leftovers.
inline constexpr const char* kPackageTemporaryPrefix = ".ozt-export-";

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

// A size for a message: "64 MiB" when whole mebibytes, else "1234 byte".
std::string sizeText(std::int64_t bytes);

// Whether two names are the same once ASCII letters are compared without regard to case,
// as the FOTO columns compare them.
bool sameNameIgnoringCase(const std::string& a, const std::string& b);

// Why contents cannot make a package, in Italian; empty when they can. The reader refuses
// exactly what this refuses, so an export never writes a package no import can take.
std::string packageContentsProblem(const PackageContents& contents, const PackageLimits& limits = {});
std::string packageContentsProblem(const std::string& originalName, const std::string& copyName,
                                   std::int64_t originalBytes, std::int64_t copyBytes, std::int64_t rectangles,
                                   const PackageLimits& limits = {});

// Writes a new package at path. It is built in a temporary file of the same folder and
// renamed over path only once complete: a failure leaves any earlier file at path as it
// was and no partial file behind. Throws InvalidPackage for contents no package may hold,
// DbError or std::runtime_error when writing fails.
void writePackage(const std::string& path, const PackageContents& contents, const PackageLimits& limits = {});

// The same from two picture files on disk, read in pieces: a picture of many megabytes
// never has to be held in memory whole. A file that changes length meanwhile fails.
struct PackageFiles {
  std::string originalName, originalPath;
  std::string copyName, copyPath;
  std::vector<Rectangle> rectangles;
};
void writePackage(const std::string& path, const PackageFiles& files, const PackageLimits& limits = {});

// Hands on the bytes of a picture in order, in pieces.
using ByteSink = std::function<void(const char* data, std::size_t size)>;

// A package opened and checked without ever writing to it or beside it: only the first
// "Foto" row, every "Coordinate" row in stored order. Everything but the pictures' bytes
// is read and checked on opening; the bytes are handed on in pieces when asked for.
// Throws InvalidPackage with the reason for anything that is not a sound package.
class OpenPackage {
 public:
  explicit OpenPackage(const std::string& path, const PackageLimits& limits = {});
  ~OpenPackage();
  OpenPackage(const OpenPackage&) = delete;
  OpenPackage& operator=(const OpenPackage&) = delete;

  const std::string& originalName() const;
  const std::string& copyName() const;
  std::int64_t originalSize() const;
  std::int64_t copySize() const;
  const std::vector<Rectangle>& rectangles() const;

  // Exactly originalSize() / copySize() bytes, or InvalidPackage.
  void readOriginal(const ByteSink& sink);
  void readCopy(const ByteSink& sink);
  // The same straight into memory the caller holds, of exactly that size: no piece is
  // copied twice.
  void readOriginalInto(char* buffer);
  void readCopyInto(char* buffer);

 private:
  class Reader;
  std::unique_ptr<Reader> reader_;
};

}  // namespace picture_db
