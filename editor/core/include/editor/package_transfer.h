// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Carrying one picture pair between installations as a package file (".ozt").
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "picture_db/database.h"
#include "picture_db/records.h"

namespace editor {

// A refused or failed export or import; what() is the Italian message for the user.
class PackageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes Export/<packageName>.ozt from the two files of Images and the rectangles, in
// their order. A package of that name is replaced only once the new one is complete.
void exportPackage(const std::string& appDir, const std::string& packageName, const std::string& originalFile,
                   const std::string& copyFile, const std::vector<picture_db::DifferenceRect>& rects);

struct ImportedPair {
  picture_db::PictureRecord pair;
  std::string packageLeftBecause;  // why the package could not be removed; empty when it was
};

// Checks Import/<packageFile> (both pictures read by the picture loader) and, when it is
// sound, writes its two pictures into Images, adds the pair and its rectangles under newId
// and removes the package, all or nothing, even if the process is killed half-way (see
// finishInterruptedImport). Throws PackageError when refused or failed, with nothing left
// behind and the package still in Import.
//
// The observer hears of each step once it is done, in this order; the tests stop the
// process there to see what a kill at that point leaves. The pictures are decoded while
// they are written, so a refusal for an unreadable picture may come after the first
// three steps, everything they wrote taken back.
enum class ImportStep {
  JournalWritten = 1,
  OriginalWritten,
  CopyWritten,
  PairAdded,  // inside the transaction, before the rectangles
  Committed,
  OriginalPlaced,
  CopyPlaced,
  PackageRemoved,
  Finished,
};
using ImportObserver = std::function<void(ImportStep)>;
ImportedPair importPackage(picture_db::Database& db, const std::string& appDir, const std::string& packageFile,
                           picture_db::PairId newId, const ImportObserver& observer = {});

// Removes a package file and the log files the engine may keep beside it; the system's
// error number when the package itself could not be removed, 0 otherwise.
int removePackageFiles(const std::string& packagePath);

}  // namespace editor
