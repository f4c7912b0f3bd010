// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/import_recovery.h"

#include <unistd.h>

#include <filesystem>

#include "editor/file_operations.h"
#include "editor/package_transfer.h"
#include "picture_db/app_folders.h"
#include "picture_db/atomic_file.h"
#include "picture_db/game_queries.h"
#include "picture_db/import_journal.h"
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
    picture_db::renameFile(hidden, final, picture_db::ExistingFile::Keep);
  } catch (const std::exception&) {
    ::unlink(hidden.c_str());
  }
}

bool isPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

}  // namespace

InterruptedImport finishInterruptedImport(picture_db::Database& db, const std::string& appDir) {
  const std::optional<picture_db::ImportJournal> journal = picture_db::readImportJournal(appDir);
  const std::string hiddenOriginal = picture_db::importedOriginalPath(appDir);
  const std::string hiddenCopy = picture_db::importedCopyPath(appDir);
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
    putInPlace(hiddenOriginal, picture_db::picturePath(appDir, journal->original));
    putInPlace(hiddenCopy, picture_db::picturePath(appDir, journal->copy));
    if (isPlainName(journal->packageFile)) {
      removePackageFiles(picture_db::joinPath(picture_db::importDir(appDir), journal->packageFile));
    }
  } else {
    ::unlink(hiddenOriginal.c_str());
    ::unlink(hiddenCopy.c_str());
  }
  picture_db::syncFolder(picture_db::imagesDir(appDir));
  picture_db::removeImportJournal(appDir);
  return committed ? InterruptedImport::Finished : InterruptedImport::TakenBack;
}

void removeKilledEditorLeftovers(const std::string& appDir) {
  picture_db::removeLeftovers(picture_db::exportDir(appDir), picture_db::kPackageTemporaryPrefix);
  picture_db::removeLeftovers(picture_db::imagesDir(appDir), kPictureTemporaryPrefix);
  picture_db::removeLeftovers(picture_db::importDir(appDir), ".ortavi-import-part-");
}

}  // namespace editor
