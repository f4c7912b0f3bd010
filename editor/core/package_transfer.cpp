// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/package_transfer.h"

#include <fcntl.h>
#include <unistd.h>

#include <QString>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <functional>
#include <future>
#include <limits>
#include <optional>
#include <system_error>
#include <utility>

#include "editor/file_operations.h"
#include "editor/import_recovery.h"
#include "storage/app_folders.h"
#include "storage/atomic_file.h"
#include "picture_db/editor_queries.h"
#include "storage/import_journal.h"
#include "picture_db/package_file.h"
#include "toolkit/failure_reasons.h"
#include "toolkit/picture_loader.h"

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
  const std::string path = storage::picturePath(appDir, name);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) {
    throw PackageError(kExportRefused + "il file " + name + " non è nella cartella Images.");
  }
  return path;
}

// A listed edge as a package holds it: whole, and within 32 bits.
std::int32_t edgeValue(const std::optional<double>& edge) {
  if (!edge || !std::isfinite(*edge) || *edge != std::floor(*edge)) {
    throw PackageError(kExportRefused + "un valore della lista delle differenze non è un numero intero.");
  }
  const double v = *edge;
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

// The bytes of one side, read whole into memory sized once.
QByteArray pictureBytes(std::int64_t size, const std::function<void(char*)>& readInto) {
  QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
  readInto(bytes.data());
  return bytes;
}

// The refusal of one side when the picture loader cannot read its bytes as a picture;
// empty when it can.
std::string pictureRefusal(const std::string& refused, const std::string& name, const QByteArray& bytes) {
  const toolkit::LoadedPicture picture = toolkit::decodePicture(bytes);
  if (picture.ok()) return {};
  return refused + "il file " + name + " non è un'immagine leggibile (" + picture.error.toStdString() + ").";
}

// Decodes on a thread of its own, or when asked for if no thread is to be had.
std::future<std::string> startPictureCheck(const std::string& refused, const std::string& name,
                                           const QByteArray& bytes) {
  try {
    return std::async(std::launch::async, pictureRefusal, refused, name, std::cref(bytes));
  } catch (const std::system_error&) {
    return std::async(std::launch::deferred, pictureRefusal, refused, name, std::cref(bytes));
  }
}

// The refusal of the first side found unreadable, the original before the copy.
void requireReadable(std::future<std::string>& original, std::future<std::string>& copy) {
  std::string originalRefusal = original.get();
  std::string copyRefusal = copy.get();
  if (!originalRefusal.empty()) throw PackageError(originalRefusal);
  if (!copyRefusal.empty()) throw PackageError(copyRefusal);
}

PackageError importFailure(const std::exception& e) {
  if (const auto* refusal = dynamic_cast<const PackageError*>(&e)) return *refusal;
  if (const auto* se = dynamic_cast<const std::system_error*>(&e); se && se->code() == std::errc::file_exists) {
    return PackageError(kFilesPresent);
  }
  return PackageError(kImportFailed + toolkit::failureReason(e).toStdString() + ".");
}

}  // namespace

int removePackageFiles(const std::string& packagePath) {
  for (const char* suffix : {"-wal", "-shm"}) ::unlink((packagePath + suffix).c_str());
  if (::unlink(packagePath.c_str()) != 0 && errno != ENOENT) return errno;
  return 0;
}

void exportPackage(const std::string& appDir, const std::string& packageName, const std::string& originalFile,
                   const std::string& copyFile, const std::vector<picture_db::DifferenceRect>& rects) {
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
  for (const picture_db::DifferenceRect& r : rects) {
    files.rectangles.push_back({edgeValue(r.x1), edgeValue(r.y1), edgeValue(r.x2), edgeValue(r.y2)});
  }
  const std::string path = storage::joinPath(storage::exportDir(appDir), packageName + ".ozt");
  try {
    picture_db::writePackage(path, files);
  } catch (const InvalidPackage& e) {
    throw PackageError(kExportRefused + e.what() + ".");
  } catch (const std::exception& e) {
    throw PackageError(kExportFailed + toolkit::failureReason(e).toStdString() + ".");
  }
}

ImportedPair importPackage(picture_db::Database& db, const std::string& appDir, const std::string& packageFile,
                           picture_db::PairId newId, const ImportObserver& observer) {
  const auto observe = [&](ImportStep step) {
    if (observer) observer(step);
  };
  // Every refusal names the package: the user may have several waiting.
  const std::string refused = kInvalidPackage + (packageFile.empty() ? std::string() : packageFile + ": ");
  if (packageFile.empty() || packageFile == "." || packageFile == ".." || packageFile.find('/') != std::string::npos) {
    throw PackageError(refused + "non è un file della cartella Import.");
  }
  const std::string packagePath = storage::joinPath(storage::importDir(appDir), packageFile);
  std::string original, copy;
  QByteArray originalBytes, copyBytes;
  std::future<std::string> originalCheck, copyCheck;  // after the bytes: ended before them
  std::vector<picture_db::Rectangle> rectangles;
  try {
    picture_db::OpenPackage package(packagePath);
    original = package.originalName();
    copy = package.copyName();
    // The reader compares ASCII letters only; Qt compares every letter, as the user would.
    if (qs(original).compare(qs(copy), Qt::CaseInsensitive) == 0) {
      throw PackageError(refused + "l'originale e la copia hanno lo stesso nome.");
    }
    const std::string images = storage::imagesDir(appDir);
    std::error_code ec;
    if (!fs::is_directory(images, ec)) throw PackageError(kImportFailed + "manca la cartella Images.");
    if (anyPresent(images, original, copy)) throw PackageError(kFilesPresent);
    // Decoding both pictures is most of an import's work: each runs on a thread of its own
    // from the moment its bytes are in, while the rest is read and the files are written.
    // The pair is added only once both have proved readable; an unreadable one takes back
    // what was written, as any failure does.
    originalBytes = pictureBytes(package.originalSize(), [&](char* into) { package.readOriginalInto(into); });
    originalCheck = startPictureCheck(refused, original, originalBytes);
    copyBytes = pictureBytes(package.copySize(), [&](char* into) { package.readCopyInto(into); });
    copyCheck = startPictureCheck(refused, copy, copyBytes);
    rectangles = package.rectangles();
  } catch (const InvalidPackage& e) {
    throw PackageError(refused + e.what() + ".");
  }

  // From here on a record on disk says what is under way, so that a kill at any point is
  // finished or taken back at the next start (finishInterruptedImport).
  finishInterruptedImport(db, appDir);
  const std::string hiddenOriginal = storage::importedOriginalPath(appDir);
  const std::string hiddenCopy = storage::importedCopyPath(appDir);
  const std::string finalOriginal = storage::picturePath(appDir, original);
  const std::string finalCopy = storage::picturePath(appDir, copy);
  const std::string images = storage::imagesDir(appDir);
  bool committed = false;
  std::vector<std::string> placed;
  try {
    storage::writeImportJournal(appDir, {packageFile, newId, original, copy});
    observe(ImportStep::JournalWritten);
    // Written as they come: the record vouches for them until they are in place, and a
    // kill leaves them to be removed at the next start.
    ::unlink(hiddenOriginal.c_str());
    ::unlink(hiddenCopy.c_str());
    storage::writeNewFile(hiddenOriginal, originalBytes.constData(), static_cast<std::size_t>(originalBytes.size()));
    observe(ImportStep::OriginalWritten);
    storage::writeNewFile(hiddenCopy, copyBytes.constData(), static_cast<std::size_t>(copyBytes.size()));
    // On disk, the record and both pictures with their names, before the pair that needs
    // them is: flushed together, the disk's journal is committed once for all of them.
    storage::syncFile(hiddenOriginal);
    storage::syncFile(hiddenCopy);
    storage::syncFolder(images);
    storage::flushImportJournal(appDir);
    observe(ImportStep::CopyWritten);
    requireReadable(originalCheck, copyCheck);
    db.inTransaction([&] {
      picture_db::addNewPair(db, newId, original, copy);
      observe(ImportStep::PairAdded);
      for (const auto& r : rectangles) picture_db::addDifference(db, newId, r.x1, r.y1, r.x2, r.y2);
    });
    committed = true;
    observe(ImportStep::Committed);
    storage::renameFile(hiddenOriginal, finalOriginal, storage::ExistingFile::Keep, storage::FolderSync::Later);
    placed.push_back(finalOriginal);
    observe(ImportStep::OriginalPlaced);
    storage::renameFile(hiddenCopy, finalCopy, storage::ExistingFile::Keep, storage::FolderSync::Later);
    placed.push_back(finalCopy);
    storage::syncFolder(images);
    observe(ImportStep::CopyPlaced);
  } catch (const std::exception& e) {
    // Taken back whole: the package stays and can be imported again.
    if (originalCheck.valid()) originalCheck.wait();
    if (copyCheck.valid()) copyCheck.wait();
    if (committed) {
      try {
        picture_db::deletePictureWithDifferences(db, newId);
      } catch (const std::exception&) {
        // The record stays: the next start takes the pair back.
        throw importFailure(e);
      }
    }
    for (const std::string& path : placed) ::unlink(path.c_str());
    ::unlink(hiddenOriginal.c_str());
    ::unlink(hiddenCopy.c_str());
    try {
      storage::removeImportJournal(appDir);
    } catch (const std::exception&) {
    }
    throw importFailure(e);
  }

  ImportedPair result{{newId, original, copy}, {}};
  if (const int error = removePackageFiles(packagePath)) {
    result.packageLeftBecause = toolkit::systemReason(error).toStdString();
  }
  observe(ImportStep::PackageRemoved);
  try {
    // One flush of the Import folder for both names: the package and the record.
    storage::removeImportJournal(appDir);
  } catch (const std::exception&) {
    // The pair is whole; a record left behind is finished harmlessly at the next start.
  }
  observe(ImportStep::Finished);
  return result;
}

}  // namespace editor
