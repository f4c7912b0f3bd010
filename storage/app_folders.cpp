// SPDX-License-Identifier: GPL-2.0-or-later
#include "storage/app_folders.h"

#include <filesystem>
#include <stdexcept>

namespace storage {

std::string joinPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::string databasePath(const std::string& appDir) { return joinPath(appDir, kDatabaseFile); }
std::string imagesDir(const std::string& appDir) { return joinPath(appDir, kImagesFolder); }
std::string importDir(const std::string& appDir) { return joinPath(appDir, kImportFolder); }
std::string exportDir(const std::string& appDir) { return joinPath(appDir, kExportFolder); }
std::string picturePath(const std::string& appDir, const std::string& fileName) {
  return joinPath(imagesDir(appDir), fileName);
}

void ensureFolders(const std::string& appDir, const std::vector<std::string>& names) {
  for (const auto& name : names) {
    const std::filesystem::path dir = joinPath(appDir, name);
    std::error_code ec;
    if (std::filesystem::is_directory(dir, ec)) continue;
    std::filesystem::create_directory(dir, ec);
    // The error keeps its code and the folder, so the programs can tell the user why.
    if (ec) throw std::filesystem::filesystem_error("cannot create folder", dir, ec);
  }
}

}  // namespace storage
