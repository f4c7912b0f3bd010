// SPDX-License-Identifier: GPL-2.0-or-later
#include "storage/import_journal.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <fstream>
#include <iterator>
#include <sstream>

#include "storage/app_folders.h"
#include "storage/atomic_file.h"

namespace storage {

namespace {

// Each field as its length in bytes, a colon, the bytes and a line end: names may hold
// any character, the record stays readable.
void putField(std::string& out, const std::string& value) { out += std::to_string(value.size()) + ':' + value + '\n'; }

bool getField(const std::string& in, std::size_t& at, std::string& value) {
  const std::size_t colon = in.find(':', at);
  if (colon == std::string::npos || colon == at || colon - at > 9) return false;
  std::size_t size = 0;
  for (std::size_t i = at; i < colon; ++i) {
    if (in[i] < '0' || in[i] > '9') return false;
    size = size * 10 + static_cast<std::size_t>(in[i] - '0');
  }
  if (colon + 1 + size >= in.size() || in[colon + 1 + size] != '\n') return false;
  value = in.substr(colon + 1, size);
  at = colon + 2 + size;
  return true;
}

constexpr const char* kJournalHeader = "ortavi-import 1";
constexpr const char* kJournalTemporaryPrefix = ".ortavi-import-part-";

}  // namespace

std::string importJournalPath(const std::string& appDir) { return joinPath(importDir(appDir), ".ortavi-import"); }
std::string importedOriginalPath(const std::string& appDir) {
  return joinPath(imagesDir(appDir), ".ortavi-import-original");
}
std::string importedCopyPath(const std::string& appDir) { return joinPath(imagesDir(appDir), ".ortavi-import-copy"); }

void writeImportJournal(const std::string& appDir, const ImportJournal& journal) {
  std::string text;
  putField(text, kJournalHeader);
  putField(text, journal.packageFile);
  putField(text, std::to_string(journal.id));
  putField(text, journal.original);
  putField(text, journal.copy);
  // Whole under its name or not there: written beside it and renamed, the flush left for
  // later, when the pictures' flushes take it along.
  std::string temporary = joinPath(importDir(appDir), std::string(kJournalTemporaryPrefix) + "XXXXXX");
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) throw std::system_error(errno, std::generic_category(), temporary);
  ::close(fd);
  try {
    writeBytes(temporary, text.data(), text.size());
    renameFile(temporary, importJournalPath(appDir), ExistingFile::Keep, FolderSync::Later);
  } catch (...) {
    ::unlink(temporary.c_str());
    throw;
  }
}

void flushImportJournal(const std::string& appDir) {
  syncFile(importJournalPath(appDir));
  syncFolder(importDir(appDir));
}

std::optional<ImportJournal> readImportJournal(const std::string& appDir) {
  std::ifstream in(importJournalPath(appDir), std::ios::binary);
  if (!in) return std::nullopt;
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ImportJournal journal;
  std::size_t at = 0;
  std::string header, id;
  if (!getField(text, at, header) || header != kJournalHeader || !getField(text, at, journal.packageFile) ||
      !getField(text, at, id) || !getField(text, at, journal.original) || !getField(text, at, journal.copy)) {
    return ImportJournal{};
  }
  try {
    std::size_t used = 0;
    const long long value = std::stoll(id, &used);
    if (used != id.size() || value <= 0 || value > 2147483647LL) return ImportJournal{};
    journal.id = static_cast<std::int32_t>(value);
  } catch (const std::exception&) {
    return ImportJournal{};
  }
  return journal;
}

void removeImportJournal(const std::string& appDir) {
  ::unlink(importJournalPath(appDir).c_str());
  syncFolder(importDir(appDir));
}

}  // namespace storage
