// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The application folder and what lies in it. Paths are built with '/', the only
// separator of this platform.
#include <string>
#include <vector>

namespace storage {

inline constexpr const char* kImagesFolder = "Images";
inline constexpr const char* kImportFolder = "Import";
inline constexpr const char* kExportFolder = "Export";
inline constexpr const char* kDatabaseFile = "images.mdb";
inline constexpr const char* kGameOverPicture = "GameOver.bmp";

std::string joinPath(const std::string& folder, const std::string& name);
std::string databasePath(const std::string& appDir);
std::string imagesDir(const std::string& appDir);
std::string importDir(const std::string& appDir);
std::string exportDir(const std::string& appDir);
std::string picturePath(const std::string& appDir, const std::string& fileName);

// Creates each named sub-folder of appDir that is missing; throws
// std::filesystem::filesystem_error naming the folder when one cannot be made.
void ensureFolders(const std::string& appDir, const std::vector<std::string>& names);

}  // namespace storage
