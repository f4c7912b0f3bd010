// SPDX-License-Identifier: GPL-2.0-or-later
#include "picture_db/data_folder.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "picture_db/app_folders.h"

namespace fs = std::filesystem;

namespace picture_db {

namespace {

[[noreturn]] void fail(const std::string& what, const fs::path& where, int error) {
  throw fs::filesystem_error(what, where, std::error_code(error, std::generic_category()));
}

void syncPath(const fs::path& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) fail("cannot open", path, errno);
  const int result = ::fsync(fd);
  const int error = errno;
  ::close(fd);
  if (result != 0) fail("cannot write to disk", path, error);
}

// Copies under a private temporary name in the target's folder, then links it into place:
// a copy cut short is never seen under the real name, and a file that appeared meanwhile
// (the other program starting at the same moment) is kept, not replaced.
void copyWholeOrNothing(const fs::path& from, const fs::path& to) {
  const fs::path part = to.parent_path() / ("." + to.filename().string() + "." + std::to_string(::getpid()) + ".part");
  std::error_code ec;
  fs::copy_file(from, part, fs::copy_options::overwrite_existing, ec);
  // Installed files may be read-only for everyone; the user's copies are theirs to change.
  if (!ec) fs::permissions(part, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
  if (!ec) {
    try {
      syncPath(part, O_RDONLY);
    } catch (const fs::filesystem_error& e) {
      ec = e.code();
    }
  }
  if (ec) {
    fs::remove(part, ec);
    throw fs::filesystem_error("cannot copy", from, to, ec);
  }
  const int linked = ::link(part.c_str(), to.c_str());
  const int error = errno;
  fs::remove(part, ec);
  if (linked != 0 && error != EEXIST) fail("cannot copy", to, error);
}

void copyPictures(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  fs::create_directories(to, ec);
  if (ec) throw fs::filesystem_error("cannot create folder", to, ec);
  if (!fs::is_directory(from, ec)) return;
  for (const auto& entry : fs::directory_iterator(from)) {
    const fs::path target = to / entry.path().filename();
    if (entry.is_directory()) {
      copyPictures(entry.path(), target);
    } else if (entry.is_regular_file() && !fs::exists(target, ec)) {
      copyWholeOrNothing(entry.path(), target);
    }
  }
}

// A start that was killed leaves its partial copies; one still running keeps its own.
void removeAbandonedCopies(const fs::path& folder) {
  std::error_code ec;
  for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name.front() != '.' || name.size() < 6 || name.compare(name.size() - 5, 5, ".part") != 0) {
      continue;
    }
    const std::string stem = name.substr(0, name.size() - 5);
    const std::size_t dot = stem.rfind('.');
    if (dot == std::string::npos) continue;
    const pid_t pid = static_cast<pid_t>(std::atol(stem.c_str() + dot + 1));
    if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH) {
      std::error_code ignored;
      fs::remove(it->path(), ignored);
    }
  }
}

std::string homeOfAccount() {
  const passwd* account = ::getpwuid(::getuid());
  return account && account->pw_dir ? account->pw_dir : "";
}

bool exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

}  // namespace

FolderEnvironment FolderEnvironment::system() {
  return {[](const char* name) -> std::optional<std::string> {
            const char* value = std::getenv(name);
            if (!value) return std::nullopt;
            return std::string(value);
          },
          [](const std::string& folder) { return ::access(folder.c_str(), W_OK) == 0; }, homeOfAccount};
}

std::string userDataFolder(const FolderEnvironment& env) {
  // Relative values are ignored, as every desktop program does.
  if (const auto xdg = env.variable("XDG_DATA_HOME"); xdg && !xdg->empty() && xdg->front() == '/') {
    return joinPath(*xdg, kUserFolderName);
  }
  std::string home = env.variable("HOME").value_or("");
  if (home.empty()) home = env.accountHome();
  if (home.empty()) fail("no home folder", joinPath("~/.local/share", kUserFolderName), ENOENT);
  return joinPath(joinPath(home, ".local/share"), kUserFolderName);
}

AppFolders chooseAppFolders(const std::string& programDir, const FolderEnvironment& env) {
  const std::string installedDb = databasePath(programDir);
  const bool portable = !exists(joinPath(programDir, kPerUserDataMark)) && env.writable(programDir);
  if (portable && exists(installedDb)) return {programDir, programDir};

  const std::string userDir = userDataFolder(env);
  if (exists(databasePath(userDir))) return {userDir, programDir};
  // Nothing to start the user's folder from: the programs report the missing database
  // where it was expected, as they always have.
  if (!exists(installedDb)) return {programDir, programDir};

  std::error_code ec;
  fs::create_directories(userDir, ec);
  if (ec) throw fs::filesystem_error("cannot create folder", userDir, ec);
  removeAbandonedCopies(userDir);
  copyPictures(imagesDir(programDir), imagesDir(userDir));
  ensureFolders(userDir, {kImportFolder, kExportFolder});
  // The database goes last: its presence says the folder is complete.
  copyWholeOrNothing(installedDb, databasePath(userDir));
  syncPath(userDir, O_RDONLY | O_DIRECTORY);
  return {userDir, programDir};
}

}  // namespace picture_db
