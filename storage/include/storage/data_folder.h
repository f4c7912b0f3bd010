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
// data then always lives in the user's own folder, even for a user who may write there,
// and the delivered data lies apart from the programs, in kDeliveredFromPrograms.
inline constexpr const char* kPerUserDataMark = "per-user-data";
inline constexpr const char* kUserFolderName = "vobrel";
// <prefix>/lib/vobrel -> <prefix>/share/games/vobrel
inline constexpr const char* kDeliveredFromPrograms = "../../share/games/vobrel";

struct AppFolders {
  std::string data;       // images.mdb, Images/, Import/, Export/
  std::string program;    // the programs, the metafile renderer
  std::string delivered;  // GameOver.bmp, and the images.mdb and Images/ a user's folder starts from
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

// Where the delivered data of programs living in programDir lies: beside them, or for an
// installation for all users in kDeliveredFromPrograms.
std::string deliveredFolder(const std::string& programDir);

// The data folder for programs living in programDir, decided without touching anything:
// fillFromDelivered says the user's folder is still to be made from the delivered data.
struct DataFolderChoice {
  std::string folder;
  std::string delivered;
  bool fillFromDelivered = false;
};
DataFolderChoice decideDataFolder(const std::string& programDir,
                                  const FolderEnvironment& env = FolderEnvironment::system());

// Chooses the data folder for programs living in programDir and, on a user's first
// start, fills the user's folder from the delivered data. Never replaces an existing
// images.mdb. shareDatabase readies a database the programs will share (the user's copy
// before it is put in place, or a portable folder's own) for two programs at once.
// A folder that cannot be made or filled throws std::filesystem::filesystem_error
// naming it, with the system's reason.
AppFolders chooseAppFolders(const std::string& programDir, const FolderEnvironment& env = FolderEnvironment::system(),
                            const std::function<void(const std::string& database)>& shareDatabase = nullptr);

}  // namespace storage
