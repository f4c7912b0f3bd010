#include "editor/package_transfer.h"

#include <fcntl.h>
#include <unistd.h>

#include <QString>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <utility>

#include "picture_db/app_folders.h"
#include "picture_db/editor_queries.h"
#include "picture_db/package_file.h"

namespace editor {

namespace {

namespace fs = std::filesystem;
using picture_db::InvalidPackage;
using picture_db::PackageContents;

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

std::string readPicture(const std::string& appDir, const std::string& name, const picture_db::PackageLimits& limits) {
  const std::string path = picture_db::picturePath(appDir, name);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) {
    throw PackageError(kExportRefused + "il file " + name + " non è nella cartella Images.");
  }
  const auto size = fs::file_size(path, ec);
  if (!ec && size > static_cast<std::uintmax_t>(limits.maxPictureBytes)) {
    throw PackageError(kExportRefused + "il file " + name + " è troppo grande per un pacchetto.");
  }
  std::ifstream in(path, std::ios::binary);
  std::string bytes;
  if (!ec && in) {
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    // A file that changed length under us is not read whole: try again later.
    if (in.gcount() == static_cast<std::streamsize>(bytes.size()) && in.peek() == std::ifstream::traits_type::eof()) {
      return bytes;
    }
  }
  throw PackageError(kExportFailed + "il file " + name + " non si può leggere.");
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

// Writes a new file of exactly these bytes; never replaces one. False with errno set
// when the file cannot be made; a file left half written is removed.
bool writeNewFile(const std::string& path, const std::string& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) ok = false;
    else done += static_cast<std::size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  const int savedErrno = errno;
  ok = (::close(fd) == 0) && ok;
  if (!ok) {
    ::unlink(path.c_str());
    errno = savedErrno;
  }
  return ok;
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
  const picture_db::PackageLimits limits;
  PackageContents contents;
  contents.originalName = originalFile;
  contents.copyName = copyFile;
  // Names first: a package that no import could take is not written at all.
  if (auto problem = picture_db::packageContentsProblem(contents, limits); !problem.empty()) {
    throw PackageError(kExportRefused + problem + ".");
  }
  contents.originalBytes = readPicture(appDir, originalFile, limits);
  contents.copyBytes = readPicture(appDir, copyFile, limits);
  for (const PackageRect& r : rects) {
    contents.rectangles.push_back({edgeValue(r.x1), edgeValue(r.y1), edgeValue(r.x2), edgeValue(r.y2)});
  }
  const std::string path = picture_db::joinPath(picture_db::exportDir(appDir), packageName + ".ozt");
  try {
    picture_db::writePackage(path, contents, limits);
  } catch (const InvalidPackage& e) {
    throw PackageError(kExportRefused + e.what() + ".");
  } catch (const std::exception& e) {
    throw PackageError(kExportFailed + e.what());
  }
}

picture_db::PictureRecord importPackage(picture_db::Database& db, const std::string& appDir,
                                        const std::string& packageFile, picture_db::PairId newId) {
  if (packageFile.empty() || packageFile == "." || packageFile == ".." ||
      packageFile.find('/') != std::string::npos) {
    throw PackageError(kInvalidPackage + "non è un file della cartella Import.");
  }
  PackageContents contents;
  try {
    contents = picture_db::readPackage(picture_db::joinPath(picture_db::importDir(appDir), packageFile));
  } catch (const InvalidPackage& e) {
    throw PackageError(kInvalidPackage + e.what() + ".");
  }
  // The reader compares ASCII letters only; the names are shown to the user as Qt compares them.
  if (qs(contents.originalName).compare(qs(contents.copyName), Qt::CaseInsensitive) == 0) {
    throw PackageError(kInvalidPackage + "l'originale e la copia hanno lo stesso nome.");
  }
  const std::string images = picture_db::imagesDir(appDir);
  std::error_code ec;
  if (!fs::is_directory(images, ec)) throw PackageError(kImportFailed + "manca la cartella Images.");
  if (anyPresent(images, contents.originalName, contents.copyName)) throw PackageError(kFilesPresent);

  WrittenFiles written;
  for (const auto* side : {&contents.originalName, &contents.copyName}) {
    const std::string& name = *side;
    const std::string& bytes = side == &contents.originalName ? contents.originalBytes : contents.copyBytes;
    const std::string path = picture_db::picturePath(appDir, name);
    if (!writeNewFile(path, bytes)) {
      const int error = errno;
      if (error == EEXIST) throw PackageError(kFilesPresent);
      throw PackageError(kImportFailed + "un'immagine non si può scrivere nella cartella Images (" +
                         std::strerror(error) + ").");
    }
    written.add(path);
  }
  try {
    db.inTransaction([&] {
      picture_db::addPicture(db, newId, contents.originalName, contents.copyName);
      for (const auto& r : contents.rectangles) picture_db::addDifference(db, newId, r.x1, r.y1, r.x2, r.y2);
    });
  } catch (const std::exception& e) {
    throw PackageError(kImportFailed + e.what());
  }
  written.keep();
  return {newId, contents.originalName, contents.copyName};
}

}  // namespace editor
