// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The record of an import in progress. It is there, whole, before the first picture is
// written, on disk before the pair is committed, and goes only once the pair is complete,
// so that an editor killed half-way can tell at its next start what to finish or to take
// back.
#include <cstdint>
#include <optional>
#include <string>

namespace storage {

struct ImportJournal {
  std::string packageFile;  // the package's name in Import
  std::int32_t id = 0;      // the number the pair is given (ID_FOTO)
  std::string original;     // final names in Images
  std::string copy;
};

// Where the record lies: a hidden file of the Import folder.
std::string importJournalPath(const std::string& appDir);

// Hidden names the two pictures bear in Images until the pair's rows are committed.
std::string importedOriginalPath(const std::string& appDir);
std::string importedCopyPath(const std::string& appDir);

// Writes the record atomically; throws std::system_error with EEXIST when one is already
// there (another import not yet finished), or any other failure. It is not yet flushed to
// disk: a power cut may take it with the hidden pictures written after it, which are then
// orphans and removed. flushImportJournal puts it on disk, before the pair is committed.
void writeImportJournal(const std::string& appDir, const ImportJournal& journal);
void flushImportJournal(const std::string& appDir);

// The record, when there is one. A file that is not a whole record reads as an empty
// record (id 0, no names): its import never committed a pair.
std::optional<ImportJournal> readImportJournal(const std::string& appDir);

void removeImportJournal(const std::string& appDir);

}  // namespace storage
