// SPDX-License-Identifier: GPL-2.0-or-later
#include "storage/data_folder.h"

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <system_error>

#include "storage/app_folders.h"
#include "storage/atomic_file.h"

namespace fs = std::filesystem;

namespace storage {

namespace {

constexpr const char* kPartMark = ".part-";

[[noreturn]] void fail(const std::string& what, const fs::path& where, int error) {
  throw fs::filesystem_error(what, where, std::error_code(error, std::generic_category()));
}

// Copies through the atomic writer, keeping a file that appeared meanwhile (the other
// program starting at the same moment). The temporary's name carries this process's
// number, so that a start killed half way can be told from one still copying.
void copyWholeOrNothing(const fs::path& from, const fs::path& to,
                        const std::function<void(const std::string&)>& prepare = nullptr) {
  const std::string prefix = "." + to.filename().string() + "." + std::to_string(::getpid()) + kPartMark;
  try {
    writeFileAtomically(
        to.string(),
        [&](const std::string& temporary) {
          fs::copy_file(from, temporary, fs::copy_options::overwrite_existing);
          // Installed files may be read-only for everyone; the user's copies are theirs to change.
          fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
          if (prepare) prepare(temporary);
        },
        ExistingFile::Keep, prefix);
  } catch (const std::system_error& e) {
    if (e.code() == std::errc::file_exists) return;
    throw fs::filesystem_error("cannot copy", from, to, e.code());
  }
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
    // ".<name>.<process>.part-" and the writer's six characters.
    const std::size_t mark = name.size() >= 12 ? name.size() - 12 : std::string::npos;
    if (name.empty() || name.front() != '.' || mark == std::string::npos || name.compare(mark, 6, kPartMark) != 0) {
      continue;
    }
    const std::string stem = name.substr(0, mark);
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

std::string deliveredFolder(const std::string& programDir) {
  if (!exists(joinPath(programDir, kPerUserDataMark))) return programDir;
  return fs::path(joinPath(programDir, kDeliveredFromPrograms)).lexically_normal().string();
}

DataFolderChoice decideDataFolder(const std::string& programDir, const FolderEnvironment& env) {
  const std::string delivered = deliveredFolder(programDir);
  const std::string installedDb = databasePath(delivered);
  const bool portable = !exists(joinPath(programDir, kPerUserDataMark)) && env.writable(programDir);
  if (portable && exists(installedDb)) return {programDir, delivered, false};

  const std::string userDir = userDataFolder(env);
  if (exists(databasePath(userDir))) return {userDir, delivered, false};
  // Nothing to start the user's folder from: the programs report the missing database
  // where it was expected, as they always have.
  if (!exists(installedDb)) return {delivered, delivered, false};
  return {userDir, delivered, true};
}

AppFolders chooseAppFolders(const std::string& programDir, const FolderEnvironment& env,
                            const std::function<void(const std::string& database)>& shareDatabase) {
  const DataFolderChoice choice = decideDataFolder(programDir, env);
  const std::string& delivered = choice.delivered;
  if (!choice.fillFromDelivered) {
    if (choice.folder == programDir && shareDatabase) shareDatabase(databasePath(programDir));
    return {choice.folder, programDir, delivered};
  }
  const std::string& userDir = choice.folder;
  std::error_code ec;
  fs::create_directories(userDir, ec);
  if (ec) throw fs::filesystem_error("cannot create folder", userDir, ec);
  removeAbandonedCopies(userDir);
  copyPictures(imagesDir(delivered), imagesDir(userDir));
  ensureFolders(userDir, {kImportFolder, kExportFolder});
  // The database goes last: its presence says the folder is complete.
  copyWholeOrNothing(databasePath(delivered), databasePath(userDir), shareDatabase);
  syncFolder(userDir);
  return {userDir, programDir, delivered};
}

}  // namespace storage
