// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Which folder holds the data both programs share. A portable folder (writable, with its
// own images.mdb) keeps its data beside the programs; a shared installation gives every
// user a folder of their own, made on first start from the installed data.
#include <functional>
#include <optional>
#include <string>

namespace storage {

// An installation laid out for all users carries this file beside the programs: the
// data then always lives in the user's own folder, even for a user who may write there.
inline constexpr const char* kPerUserDataMark = "per-user-data";
inline constexpr const char* kUserFolderName = "vobrel";

struct AppFolders {
  std::string data;     // images.mdb, Images/, Import/, Export/
  std::string program;  // the programs, GameOver.bmp, the metafile renderer
};

// What the choice asks of the system; tests replace it.
struct FolderEnvironment {
  std::function<std::optional<std::string>(const char* name)> variable;
  std::function<bool(const std::string& folder)> writable;
  std::function<std::string()> accountHome;  // when HOME is not set
  static FolderEnvironment system();
};

// $XDG_DATA_HOME/vobrel, or ~/.local/share/vobrel when it is unset or not absolute.
std::string userDataFolder(const FolderEnvironment& env);

// The data folder for programs living in programDir, decided without touching anything:
// fillFromProgramDir says the user's folder is still to be made from programDir's data.
struct DataFolderChoice {
  std::string folder;
  bool fillFromProgramDir = false;
};
DataFolderChoice decideDataFolder(const std::string& programDir,
                                  const FolderEnvironment& env = FolderEnvironment::system());

// Chooses the data folder for programs living in programDir and, on a user's first
// start, fills the user's folder from programDir. Never replaces an existing images.mdb.
// A folder that cannot be made or filled throws std::filesystem::filesystem_error
// naming it, with the system's reason.
AppFolders chooseAppFolders(const std::string& programDir, const FolderEnvironment& env = FolderEnvironment::system());

}  // namespace storage
