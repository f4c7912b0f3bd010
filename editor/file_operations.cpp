#include "editor/file_operations.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <filesystem>

#include "toolkit/failure_reasons.h"

namespace editor {

namespace {

std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }

FileOpResult failed(int errorNumber) { return FileOpResult::failure(toolkit::systemReason(errorNumber)); }

// A fresh file beside `path`, created exclusively (the usual permissions of a new file).
int createTempBeside(const std::string& path, std::string& tempPath) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = path + ".tmp" + std::to_string(QRandomGenerator::global()->bounded(1000000));
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool writeAll(int fd, const QByteArray& bytes) {
  const char* p = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= n;
  }
  return true;
}

}  // namespace

bool isSameFile(const QString& a, const QString& b) {
  std::error_code ec;
  return std::filesystem::equivalent(native(a), native(b), ec);
}

FileOpResult writeFileAtomically(const QString& path, const QByteArray& bytes) {
  const std::string target = native(path);
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (replacing && S_ISDIR(old.st_mode)) return failed(EISDIR);

  std::string temp;
  const int fd = createTempBeside(target, temp);
  if (fd < 0) return failed(errno);
  bool ok = writeAll(fd, bytes) && (!replacing || ::fchmod(fd, old.st_mode & 07777) == 0 || errno == EPERM) &&
            ::fsync(fd) == 0;
  int error = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return failed(error);
  }
  return {};
}

FileOpResult saveBmpAtomically(const QImage& picture, const QString& path) {
  if (picture.isNull()) return FileOpResult::failure(QStringLiteral("non c'è nessuna immagine da salvare"));
  // Encoded in memory first, so a failure of the disk is told by its own reason.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "BMP"))
    return FileOpResult::failure(QStringLiteral("l'immagine non può essere scritta come BMP"));
  return writeFileAtomically(path, bytes);
}

FileOpResult copyPictureFile(const QString& from, const QString& to) {
  if (isSameFile(from, to)) return FileOpResult::failure(QStringLiteral("origine e destinazione sono lo stesso file"));
  QFile source(from);
  if (!source.open(QIODevice::ReadOnly)) {
    return source.exists() ? failed(EACCES) : failed(ENOENT);
  }
  const QByteArray bytes = source.readAll();
  if (source.error() != QFileDevice::NoError) return failed(EIO);
  source.close();
  return writeFileAtomically(to, bytes);
}

FileOpResult renamePictureFile(const QString& from, const QString& to, bool replaceExisting) {
  if (isSameFile(from, to)) return FileOpResult::failure(QStringLiteral("il nome nuovo è quello attuale"));
  const std::string src = native(from), dst = native(to);
  if (replaceExisting) {
    if (::rename(src.c_str(), dst.c_str()) != 0) return failed(errno);
    return {};
  }
  if (::renameat2(AT_FDCWD, src.c_str(), AT_FDCWD, dst.c_str(), RENAME_NOREPLACE) == 0) return {};
  if (errno != EINVAL && errno != ENOSYS) return failed(errno);
  // A file system without the no-replace rename: a hard link fails on an existing name too.
  if (::link(src.c_str(), dst.c_str()) != 0) return failed(errno);
  if (::unlink(src.c_str()) != 0) {
    const int error = errno;
    ::unlink(dst.c_str());
    return failed(error);
  }
  return {};
}

FileOpResult deletePictureFile(const QString& path) {
  const std::string p = native(path);
  struct stat st {};
  if (::lstat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return failed(EISDIR);
  if (::unlink(p.c_str()) != 0) return failed(errno);
  return {};
}

}  // namespace editor
