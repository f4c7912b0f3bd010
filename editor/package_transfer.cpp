#include "editor/package_transfer.h"

#include <fcntl.h>
#include <unistd.h>

#include <QString>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <limits>
#include <utility>

#include "picture_db/app_folders.h"
#include "picture_db/editor_queries.h"
#include "picture_db/package_file.h"
#include "toolkit/failure_reasons.h"

namespace editor {

namespace {

namespace fs = std::filesystem;
using picture_db::InvalidPackage;

const std::string kExportRefused = "Esportazione annullata: ";
const std::string kExportFailed = "Esportazione non riuscita: ";
const std::string kInvalidPackage = "Pacchetto non valido: ";
const std::string kImportFailed = "Importazione non riuscita: ";
const char* const kFilesPresent = "File gia' presenti, importazione annullata.";
constexpr std::size_t kMaxFileNameBytes = 255;  // what the file system takes for one name

// The package name is typed by the user; the extension is always added to it.
std::string packageNameProblem(const std::string& name) {
  if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos) {
    return "il nome del pacchetto non può contenere / o \\";
  }
  for (unsigned char c : name) {
    if (c < 0x20 || c == 0x7F) return "il nome del pacchetto non può contenere caratteri di controllo";
  }
  if (name.size() + 4 > kMaxFileNameBytes) return "il nome del pacchetto è troppo lungo";
  return {};
}

// The picture of a side as it lies in Images, for the export.
std::string picturePathToExport(const std::string& appDir, const std::string& name) {
  const std::string path = picture_db::picturePath(appDir, name);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) {
    throw PackageError(kExportRefused + "il file " + name + " non è nella cartella Images.");
  }
  return path;
}

std::int32_t edgeValue(long long v) {
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max()) {
    throw PackageError(kExportRefused + "un valore della lista delle differenze non è un numero a 32 bit.");
  }
  return static_cast<std::int32_t>(v);
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Any file of Images whose name is one of these, also without regard to case: the two
// programs' lists and the FOTO columns would not tell such files apart.
bool anyPresent(const std::string& folder, const std::string& a, const std::string& b) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(fs::path(folder) / a, ec)) ||
      fs::exists(fs::symlink_status(fs::path(folder) / b, ec))) {
    return true;
  }
  const QString qa = qs(a), qb = qs(b);
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const QString name = qs(it->path().filename().string());
    if (name.compare(qa, Qt::CaseInsensitive) == 0 || name.compare(qb, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

class WrittenFiles {
 public:
  ~WrittenFiles() {
    if (keep_) return;
    for (const auto& p : paths_) ::unlink(p.c_str());
  }
  void add(const std::string& path) { paths_.push_back(path); }
  void keep() { keep_ = true; }

 private:
  std::vector<std::string> paths_;
  bool keep_ = false;
};

// Creates a new picture file, never replacing one, and fills it from fill. It is
// listed in written at once, so that any failure from there on takes it away again.
void writeNewPicture(const std::string& path, const std::function<void(const picture_db::ByteSink&)>& fill,
                     WrittenFiles& written) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) {
    const int error = errno;
    if (error == EEXIST) throw PackageError(kFilesPresent);
    throw PackageError(kImportFailed + "un'immagine non si può scrivere nella cartella Images (" +
                       toolkit::systemReason(error).toStdString() + ").");
  }
  written.add(path);
  struct Descriptor {
    int fd;
    ~Descriptor() {
      if (fd >= 0) ::close(fd);
    }
  } file{fd};
  const auto writeFailed = [](int error) {
    return PackageError(kImportFailed + "un'immagine non si può scrivere nella cartella Images (" +
                        toolkit::systemReason(error).toStdString() + ").");
  };
  fill([&](const char* data, std::size_t size) {
    while (size > 0) {
      const ssize_t n = ::write(file.fd, data, size);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) throw writeFailed(n < 0 ? errno : ENOSPC);
      data += n;
      size -= static_cast<std::size_t>(n);
    }
  });
  const int rc = ::close(file.fd);
  file.fd = -1;
  if (rc != 0) throw writeFailed(errno);
}

}  // namespace

void exportPackage(const std::string& appDir, const std::string& packageName, const std::string& originalFile,
                   const std::string& copyFile, const std::vector<PackageRect>& rects) {
  if (auto problem = packageNameProblem(packageName); !problem.empty()) {
    throw PackageError(kExportRefused + problem + ".");
  }
  for (const auto& [name, side] : {std::pair{&originalFile, "dell'originale"}, std::pair{&copyFile, "della copia"}}) {
    if (*name == picture_db::kNoFile) {
      throw PackageError(kExportRefused + "alla coppia non è ancora stato assegnato il file " + side + ".");
    }
  }
  picture_db::PackageFiles files;
  files.originalName = originalFile;
  files.copyName = copyFile;
  // Names first: a package that no import could take is not written at all.
  if (auto problem = picture_db::packageContentsProblem(originalFile, copyFile, 0, 0, 0); !problem.empty()) {
    throw PackageError(kExportRefused + problem + ".");
  }
  files.originalPath = picturePathToExport(appDir, originalFile);
  files.copyPath = picturePathToExport(appDir, copyFile);
  for (const PackageRect& r : rects) {
    files.rectangles.push_back({edgeValue(r.x1), edgeValue(r.y1), edgeValue(r.x2), edgeValue(r.y2)});
  }
  const std::string path = picture_db::joinPath(picture_db::exportDir(appDir), packageName + ".ozt");
  try {
    picture_db::writePackage(path, files);
  } catch (const InvalidPackage& e) {
    throw PackageError(kExportRefused + e.what() + ".");
  } catch (const std::exception& e) {
    throw PackageError(kExportFailed + toolkit::failureReason(e).toStdString() + ".");
  }
}

picture_db::PictureRecord importPackage(picture_db::Database& db, const std::string& appDir,
                                        const std::string& packageFile, picture_db::PairId newId) {
  if (packageFile.empty() || packageFile == "." || packageFile == ".." ||
      packageFile.find('/') != std::string::npos) {
    throw PackageError(kInvalidPackage + "non è un file della cartella Import.");
  }
  try {
    picture_db::OpenPackage package(picture_db::joinPath(picture_db::importDir(appDir), packageFile));
    const std::string& original = package.originalName();
    const std::string& copy = package.copyName();
    // The reader compares ASCII letters only; Qt compares every letter, as the user would.
    if (qs(original).compare(qs(copy), Qt::CaseInsensitive) == 0) {
      throw PackageError(kInvalidPackage + "l'originale e la copia hanno lo stesso nome.");
    }
    const std::string images = picture_db::imagesDir(appDir);
    std::error_code ec;
    if (!fs::is_directory(images, ec)) throw PackageError(kImportFailed + "manca la cartella Images.");
    if (anyPresent(images, original, copy)) throw PackageError(kFilesPresent);

    WrittenFiles written;
    writeNewPicture(picture_db::picturePath(appDir, original),
                    [&](const picture_db::ByteSink& sink) { package.readOriginal(sink); }, written);
    writeNewPicture(picture_db::picturePath(appDir, copy),
                    [&](const picture_db::ByteSink& sink) { package.readCopy(sink); }, written);
    try {
      db.inTransaction([&] {
        picture_db::addNewPair(db, newId, original, copy);
        for (const auto& r : package.rectangles()) picture_db::addDifference(db, newId, r.x1, r.y1, r.x2, r.y2);
      });
    } catch (const picture_db::DbError& e) {
      throw PackageError(kImportFailed + toolkit::failureReason(e).toStdString() + ".");
    }
    written.keep();
    return {newId, original, copy};
  } catch (const InvalidPackage& e) {
    throw PackageError(kInvalidPackage + e.what() + ".");
  }
}

}  // namespace editor
