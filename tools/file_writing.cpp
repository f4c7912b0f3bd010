// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/file_writing.h"

#include <QFile>

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "storage/atomic_file.h"

namespace sample_maker {

WriteOutcome writeFileIfMissing(const std::string& path, const QByteArray& bytes) {
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    return WriteOutcome::KeptExisting;
  }
  try {
    storage::writeFileAtomically(
        path,
        [&](const std::string& temporary) {
          storage::writeBytes(temporary, bytes.constData(), static_cast<std::size_t>(bytes.size()));
        },
        storage::ExistingFile::Keep);
  } catch (const std::system_error& e) {
    // Someone else wrote it meanwhile: theirs is kept.
    if (e.code() == std::errc::file_exists) return WriteOutcome::KeptExisting;
    throw std::runtime_error("cannot write " + path + ": " + e.what());
  } catch (const std::exception& e) {
    throw std::runtime_error("cannot write " + path + ": " + e.what());
  }
  return WriteOutcome::Written;
}

bool fileHolds(const std::string& path, const QByteArray& bytes) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) && file.size() == bytes.size() && file.readAll() == bytes;
}

}  // namespace sample_maker
