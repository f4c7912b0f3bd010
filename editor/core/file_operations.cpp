// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/file_operations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "storage/atomic_file.h"
#include "toolkit/failure_reasons.h"
#include "toolkit/picture_saver.h"

namespace editor {

namespace {

std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }

FileOpResult failed(int errorNumber) { return FileOpResult::failure(toolkit::systemReason(errorNumber)); }

// Reasons of a failed write: the system's own error code when there is one.
FileOpResult failedWith(const std::exception& e) {
  if (const auto* se = dynamic_cast<const std::system_error*>(&e)) return failed(se->code().value());
  return FileOpResult::failure(toolkit::failureReason(e));
}

}  // namespace

bool isSameFile(const QString& a, const QString& b) {
  std::error_code ec;
  return std::filesystem::equivalent(native(a), native(b), ec);
}

FileOpResult writeFileAtomically(const QString& path, const QByteArray& bytes) {
  try {
    storage::writeBytesAtomically(native(path), bytes.constData(), static_cast<std::size_t>(bytes.size()),
                                  storage::ExistingFile::Replace, kPictureTemporaryPrefix);
  } catch (const std::exception& e) {
    return failedWith(e);
  }
  return {};
}

FileOpResult saveBmpAtomically(const QImage& picture, const QString& path) {
  const QString why = toolkit::saveBmpReplacing(picture, path, kPictureTemporaryPrefix);
  return why.isEmpty() ? FileOpResult{} : FileOpResult::failure(why);
}

FileOpResult copyPictureFile(const QString& from, const QString& to) {
  if (isSameFile(from, to)) return FileOpResult::failure(QStringLiteral("origine e destinazione sono lo stesso file"));
  const std::string source = native(from);
  if (::access(source.c_str(), R_OK) != 0) return failed(errno);
  try {
    storage::writeFileAtomically(
        native(to),
        [&](const std::string& temporary) {
          std::filesystem::copy_file(source, temporary, std::filesystem::copy_options::overwrite_existing);
        },
        storage::ExistingFile::Replace, kPictureTemporaryPrefix);
  } catch (const std::exception& e) {
    return failedWith(e);
  }
  return {};
}

FileOpResult renamePictureFile(const QString& from, const QString& to, bool replaceExisting) {
  if (isSameFile(from, to)) return FileOpResult::failure(QStringLiteral("il nome nuovo è quello attuale"));
  try {
    storage::renameFile(native(from), native(to),
                        replaceExisting ? storage::ExistingFile::Replace : storage::ExistingFile::Keep);
  } catch (const std::exception& e) {
    return failedWith(e);
  }
  return {};
}

FileOpResult deletePictureFile(const QString& path) {
  const std::string p = native(path);
  struct stat st {};
  if (::lstat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return failed(EISDIR);
  if (::unlink(p.c_str()) != 0) return failed(errno);
  try {
    storage::syncFolder(std::filesystem::path(p).parent_path().string());
  } catch (const std::exception&) {
    // The name is gone; only its flush to disk could not be asked for.
  }
  return {};
}

}  // namespace editor
