#pragma once
// Carrying one picture pair between installations as a package file (".ozt").
#include <stdexcept>
#include <string>
#include <vector>

#include "picture_db/database.h"
#include "picture_db/records.h"

namespace editor {

// A refused or failed export or import; what() is the Italian message for the user.
class PackageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct PackageRect {
  long long x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Writes Export/<packageName>.ozt from the two files of Images and the rectangles, in
// their order. A package of that name is replaced only once the new one is complete.
void exportPackage(const std::string& appDir, const std::string& packageName,
                   const std::string& originalFile, const std::string& copyFile,
                   const std::vector<PackageRect>& rects);

// Checks Import/<packageFile> and, when it is sound, writes its two pictures into Images
// and adds the pair and its rectangles under newId, all or nothing. Does not delete the
// package. Throws PackageError when refused or failed, with nothing left behind.
picture_db::PictureRecord importPackage(picture_db::Database& db, const std::string& appDir,
                                        const std::string& packageFile, picture_db::PairId newId);

}  // namespace editor
