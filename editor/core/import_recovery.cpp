// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/import_recovery.h"

#include <unistd.h>

#include <filesystem>

#include "editor/file_operations.h"
#include "editor/package_transfer.h"
#include "storage/app_folders.h"
#include "storage/atomic_file.h"
#include "picture_db/game_queries.h"
#include "storage/import_journal.h"
#include "picture_db/package_file.h"

namespace editor {

namespace {

namespace fs = std::filesystem;

bool exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

// The hidden picture takes its final name; a file the user put there meanwhile is kept.
void putInPlace(const std::string& hidden, const std::string& final) {
  if (!exists(hidden)) return;  // placed before the kill
  try {
    storage::renameFile(hidden, final, storage::ExistingFile::Keep);
  } catch (const std::exception&) {
    ::unlink(hidden.c_str());
  }
}

bool isPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

}  // namespace

InterruptedImport finishInterruptedImport(picture_db::Database& db, const std::string& appDir) {
  const std::optional<storage::ImportJournal> journal = storage::readImportJournal(appDir);
  const std::string hiddenOriginal = storage::importedOriginalPath(appDir);
  const std::string hiddenCopy = storage::importedCopyPath(appDir);
  if (!journal) {
    // Hidden pictures are only ever written after the record: without it they are orphans.
    ::unlink(hiddenOriginal.c_str());
    ::unlink(hiddenCopy.c_str());
    return InterruptedImport::None;
  }
  const std::optional<picture_db::PictureRecord> row =
      journal->id > 0 ? picture_db::pictureRecord(db, journal->id) : std::nullopt;
  const bool committed = row && row->original == journal->original && row->copy == journal->copy &&
                         isPlainName(journal->original) && isPlainName(journal->copy);
  if (committed) {
    putInPlace(hiddenOriginal, storage::picturePath(appDir, journal->original));
    putInPlace(hiddenCopy, storage::picturePath(appDir, journal->copy));
    if (isPlainName(journal->packageFile)) {
      removePackageFiles(storage::joinPath(storage::importDir(appDir), journal->packageFile));
    }
  } else {
    ::unlink(hiddenOriginal.c_str());
    ::unlink(hiddenCopy.c_str());
  }
  storage::syncFolder(storage::imagesDir(appDir));
  storage::removeImportJournal(appDir);
  return committed ? InterruptedImport::Finished : InterruptedImport::TakenBack;
}

void removeKilledEditorLeftovers(const std::string& appDir) {
  storage::removeLeftovers(storage::exportDir(appDir), picture_db::kPackageTemporaryPrefix);
  storage::removeLeftovers(storage::imagesDir(appDir), kPictureTemporaryPrefix);
  storage::removeLeftovers(storage::importDir(appDir), ".ortavi-import-part-");
}

}  // namespace editor
