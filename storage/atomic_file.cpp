// SPDX-License-Identifier: GPL-2.0-or-later
#include "storage/atomic_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace storage {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void throwErrno(int error, const std::string& what) {
  throw std::system_error(error, std::generic_category(), what);
}

std::string folderOf(const std::string& path) {
  const fs::path p(path);
  return p.has_parent_path() ? p.parent_path().string() : std::string(".");
}

void syncPath(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) throwErrno(errno, path);
  const int rc = ::fsync(fd);
  const int error = errno;
  ::close(fd);
  // A folder on a file system that cannot flush folders (EINVAL) has nothing more to do.
  if (rc != 0 && !(error == EINVAL && (flags & O_DIRECTORY))) throwErrno(error, path);
}

void renameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return;
  if (errno != EINVAL && errno != ENOSYS) throwErrno(errno, to);
  // A file system without the no-replace rename: a hard link fails on an existing name too.
  if (::link(from.c_str(), to.c_str()) != 0) throwErrno(errno, to);
  if (::unlink(from.c_str()) != 0) {
    const int error = errno;
    ::unlink(to.c_str());
    throwErrno(error, from);
  }
}

bool isLeftoverName(const std::string& name, const std::string& prefix) {
  if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) return false;
  for (std::size_t i = prefix.size(); i < name.size(); ++i) {
    const char c = name[i];
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

}  // namespace

void writeBytes(const std::string& path, const char* data, std::size_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) throwErrno(errno, path);
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int error = n < 0 ? errno : ENOSPC;
      ::close(fd);
      throwErrno(error, path);
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) throwErrno(errno, path);
}

void syncFolder(const std::string& folder) { syncPath(folder, O_RDONLY | O_DIRECTORY); }

void syncFile(const std::string& path) { syncPath(path, O_RDONLY); }

void writeNewFile(const std::string& path, const char* data, std::size_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) throwErrno(errno, path);
  const auto fail = [&](int error) {
    ::close(fd);
    ::unlink(path.c_str());
    throwErrno(error, path);
  };
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) fail(n < 0 ? errno : ENOSPC);
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  // The disk gets to work now, while the caller does the rest; its flush then waits less.
  ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(path.c_str());
    throwErrno(error, path);
  }
}

void renameFile(const std::string& from, const std::string& to, ExistingFile existing, FolderSync sync) {
  if (existing == ExistingFile::Keep) {
    renameNoReplace(from, to);
  } else if (::rename(from.c_str(), to.c_str()) != 0) {
    throwErrno(errno, to);
  }
  if (sync == FolderSync::Now) syncFolder(folderOf(to));
}

void writeFileAtomically(const std::string& path, const std::function<void(const std::string& temporary)>& write,
                         ExistingFile existing, const std::string& temporaryPrefix) {
  struct stat old {};
  const bool replacing = ::stat(path.c_str(), &old) == 0;
  if (replacing && S_ISDIR(old.st_mode)) throwErrno(EISDIR, path);
  if (replacing && existing == ExistingFile::Keep) throwErrno(EEXIST, path);

  std::string temporary = (fs::path(folderOf(path)) / (temporaryPrefix + "XXXXXX")).string();
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) throwErrno(errno, folderOf(path));
  // A replaced file keeps its permissions; a new one gets those of any new file.
  mode_t mode = old.st_mode & 07777;
  if (!replacing) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  ::fchmod(fd, mode);
  ::close(fd);
  try {
    write(temporary);
    syncPath(temporary, O_RDONLY);
    if (existing == ExistingFile::Keep) {
      renameNoReplace(temporary, path);
    } else if (::rename(temporary.c_str(), path.c_str()) != 0) {
      throwErrno(errno, path);
    }
  } catch (...) {
    // With the engine's log files, should the writer have been SQLite: the name is ours alone.
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) ::unlink((temporary + suffix).c_str());
    throw;
  }
  syncFolder(folderOf(path));
}

int removeLeftovers(const std::string& folder, const std::string& temporaryPrefix) {
  int removed = 0;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (!isLeftoverName(it->path().filename().string(), temporaryPrefix)) continue;
    std::error_code typeError;
    if (!it->is_regular_file(typeError) || it->is_symlink(typeError)) continue;
    if (::unlink(it->path().c_str()) == 0) ++removed;
  }
  return removed;
}

void writeBytesAtomically(const std::string& path, const char* data, std::size_t size, ExistingFile existing,
                          const std::string& temporaryPrefix) {
  writeFileAtomically(
      path, [&](const std::string& temporary) { writeBytes(temporary, data, size); }, existing, temporaryPrefix);
}

}  // namespace storage
