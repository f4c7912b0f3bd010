// SPDX-License-Identifier: GPL-2.0-or-later
// Reading a package that anybody may have made: opened read-only and immutable (nothing
// is written to it or beside it, not even a journal or a lock), with the engine's
// defences for untrusted files, and every value checked before it is handed on.
#include <sqlite3.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

#include "picture_db/package_file.h"
#include "picture_db/untrusted_connection.h"

namespace picture_db {

namespace {

namespace fs = std::filesystem;

// Pictures are handed on in pieces of this size at most.
constexpr std::size_t kPieceBytes = 1024 * 1024;

}  // namespace

class OpenPackage::Reader {
 public:
  Reader(const std::string& path, const PackageLimits& limits) : path_(path), limits_(limits) {
    checkFile();
    if (walMode_) takeWalIntoPrivateCopy();
    open();
    checkSchema();
    checkIntegrity();
    fotoColumns_ = requireColumns(fotoName_, "Foto", {"NomeOriginale", "FotoOriginale", "NomeCopia", "FotoCopia"});
    requireColumns(coordinateName_, "Coordinate", {"X1", "Y1", "X2", "Y2"});
    readFoto();
    readRectangles();
    if (auto problem = packageContentsProblem(originalName_, copyName_, originalSize_, copySize_,
                                              static_cast<std::int64_t>(rectangles_.size()), limits_);
        !problem.empty()) {
      throw InvalidPackage(problem);
    }
  }

  std::string originalName_, copyName_;
  std::int64_t originalSize_ = 0, copySize_ = 0;
  std::vector<Rectangle> rectangles_;

  void readPicture(const char* column, std::int64_t size, const ByteSink& sink) {
    if (!readPictureInPieces(column, size, sink)) readPictureWhole(column, size, sink);
  }

  void readPictureInto(const char* column, std::int64_t size, char* buffer) {
    // The whole value comes in one piece of exactly `size` bytes (readPictureWhole checks).
    const ByteSink copy = [buffer](const char* data, std::size_t n) { std::copy(data, data + n, buffer); };
    if (!readPictureInPieces(column, size, copy, buffer)) readPictureWhole(column, size, copy);
  }

 private:
  void checkFile() {
    std::error_code ec;
    const auto status = fs::status(path_, ec);
    if (ec || !fs::exists(status)) throw InvalidPackage("il file non esiste");
    if (!fs::is_regular_file(status)) throw InvalidPackage("non è un file");
    const auto size = fs::file_size(path_, ec);
    if (ec) throw InvalidPackage("il file non si può leggere");
    if (size == 0) throw InvalidPackage("il file è vuoto");
    if (size > static_cast<std::uintmax_t>(limits_.maxFileBytes())) {
      throw InvalidPackage("il file supera i " + sizeText(limits_.maxFileBytes()));
    }
    std::array<char, 16> header{};
    std::ifstream in(path_, std::ios::binary);
    if (!in) throw InvalidPackage("il file non si può leggere");
    if (!in.read(header.data(), header.size())) throw InvalidPackage("il file non è un database SQLite");
    static const char kMagic[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f', 'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};
    if (!std::equal(header.begin(), header.end(), kMagic)) {
      throw InvalidPackage("il file non è un database SQLite");
    }
    // Bytes 18 and 19 of the header are 2 for a database in write-ahead-log mode.
    std::array<char, 2> versions{};
    walMode_ = in.seekg(18) && in.read(versions.data(), versions.size()) && versions[0] == 2 && versions[1] == 2;
  }

  // A package in write-ahead-log mode may hold part of its rows in the "-wal" file beside
  // it. Both are copied into a private folder and the log folded into the copy there,
  // so the package itself is still never written to; the copy goes with the reader.
  void takeWalIntoPrivateCopy() {
    const fs::path wal = path_ + "-wal";
    std::error_code ec;
    if (!fs::is_regular_file(wal, ec)) return;  // nothing beside it: read what the file holds
    const auto walSize = fs::file_size(wal, ec);
    if (ec) throw InvalidPackage("il file -wal del pacchetto non si può leggere");
    if (fs::file_size(path_, ec) + walSize > static_cast<std::uintmax_t>(limits_.maxFileBytes())) {
      throw InvalidPackage("il file supera i " + sizeText(limits_.maxFileBytes()));
    }
    std::string folder = (fs::temp_directory_path(ec) / "ortavi-package-XXXXXX").string();
    if (ec || ::mkdtemp(folder.data()) == nullptr) throw InvalidPackage("non c'è spazio per leggere il pacchetto");
    privateFolder_.path = folder;
    const fs::path copy = fs::path(folder) / "package.ozt";
    fs::copy_file(path_, copy, ec);
    if (!ec) fs::copy_file(wal, copy.string() + "-wal", ec);
    if (ec) throw InvalidPackage("il file non si può leggere");
    Connection folding;
    StepBudget budget{limits_.maxSteps / kStepsPerTick};
    if (openPrivateCopy(copy.string(), budget, folding) != SQLITE_OK) throw InvalidPackage("il file non si può aprire");
    // Leaving WAL mode folds the whole log into the database file and removes the log.
    const int rc = sqlite3_exec(folding.db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) fail(rc);
    path_ = copy.string();
    walMode_ = false;
  }

  void open() {
    std::error_code ec;
    const fs::path absolute = fs::absolute(path_, ec);
    if (ec) throw InvalidPackage("il file non si può aprire");
    // The schema's own text must fit too; a picture between the two is refused by size.
    constexpr std::int64_t kSmallestLength = 1024 * 1024;
    budget_.ticksLeft = limits_.maxSteps / kStepsPerTick;
    const int rc = openUntrusted(absolute.string(), std::max(limits_.maxPictureBytes, kSmallestLength), budget_, conn_);
    if (rc != SQLITE_OK) fail(rc);
    exec("PRAGMA query_only=ON");
    exec("PRAGMA trusted_schema=OFF");
    exec("PRAGMA cell_size_check=ON");
  }

  // Only plain tables (and their indexes) belong in a package: views, triggers and
  // virtual tables are code that a package has no business to bring along.
  void checkSchema() {
    Statement q;
    prepare(q, "SELECT type, name, sql FROM sqlite_schema");
    while (step(q)) {
      const std::string type = text(q, 0);
      const std::string name = text(q, 1);
      if (type == "view" || type == "trigger") throw InvalidPackage("il pacchetto contiene viste o trigger");
      if (type != "table") continue;
      if (createsVirtualTable(reinterpret_cast<const char*>(sqlite3_column_text(q.stmt, 2)))) {
        throw InvalidPackage("il pacchetto contiene tabelle virtuali");
      }
      if (sameNameIgnoringCase(name, "Foto")) fotoName_ = name;
      if (sameNameIgnoringCase(name, "Coordinate")) coordinateName_ = name;
    }
    if (fotoName_.empty() && walMode_) {
      throw InvalidPackage("il pacchetto è incompleto: manca il file -wal che lo accompagna");
    }
    if (fotoName_.empty()) throw InvalidPackage("manca la tabella Foto");
    if (coordinateName_.empty()) throw InvalidPackage("manca la tabella Coordinate");
  }

  void checkIntegrity() {
    Statement q;
    prepare(q, "PRAGMA quick_check(1)");
    if (!step(q) || text(q, 0) != "ok") throw InvalidPackage("il file è danneggiato");
  }

  std::vector<std::string> requireColumns(const std::string& table, const char* shownName,
                                          std::initializer_list<const char*> names) {
    Statement q;
    prepare(q, "SELECT name FROM pragma_table_xinfo(?1)");
    sqlite3_bind_text(q.stmt, 1, table.c_str(), static_cast<int>(table.size()), SQLITE_TRANSIENT);
    std::vector<std::string> present;
    while (step(q)) present.push_back(text(q, 0));
    for (const char* wanted : names) {
      bool found = false;
      for (const auto& p : present) found = found || sameNameIgnoringCase(p, wanted);
      if (!found) throw InvalidPackage(std::string("nella tabella ") + shownName + " manca il campo " + wanted);
    }
    return present;
  }

  // The row's names, the kind and length of its pictures, and where the row lies; the
  // pictures themselves are not loaded here.
  void readFoto() {
    const std::string rowid = rowidName();
    // The length of a blob is known without loading it; a text's bytes must be counted.
    const std::string fields =
        "SELECT NomeOriginale, typeof(FotoOriginale), CASE typeof(FotoOriginale) WHEN 'blob' THEN "
        "length(FotoOriginale) ELSE length(CAST(FotoOriginale AS BLOB)) END, NomeCopia, typeof(FotoCopia), "
        "CASE typeof(FotoCopia) WHEN 'blob' THEN length(FotoCopia) ELSE length(CAST(FotoCopia AS BLOB)) END";
    // NOT INDEXED: the first row in stored order, whatever index the file brings along.
    const std::string from = " FROM Foto NOT INDEXED LIMIT 1";
    Statement q;
    // A table without rowid has no such column: its pictures are then read whole.
    if (rowid.empty() ||
        sqlite3_prepare_v2(conn_.db, (fields + ", " + rowid + from).c_str(), -1, &q.stmt, nullptr) != SQLITE_OK) {
      sqlite3_finalize(q.stmt);
      q.stmt = nullptr;
      prepare(q, (fields + from).c_str());
    } else {
      hasRowid_ = true;
    }
    if (!step(q)) throw InvalidPackage("la tabella Foto è vuota");
    originalName_ = nameField(q, 0, "NomeOriginale");
    originalSize_ = pictureSize(q, 1, "FotoOriginale");
    copyName_ = nameField(q, 3, "NomeCopia");
    copySize_ = pictureSize(q, 4, "FotoCopia");
    if (hasRowid_) rowid_ = sqlite3_column_int64(q.stmt, 6);
  }

  // A name that reaches the row's rowid, not a column of the file's own of that name.
  std::string rowidName() const {
    for (const char* name : {"_rowid_", "rowid", "oid"}) {
      bool taken = false;
      for (const auto& c : fotoColumns_) taken = taken || sameNameIgnoringCase(c, name);
      if (!taken) return name;
    }
    return {};
  }

  std::int64_t pictureSize(Statement& q, int typeColumn, const char* field) {
    const std::string type = text(q, typeColumn);
    if (type == "null") throw InvalidPackage(std::string("il campo ") + field + " è vuoto");
    // A text field holds the file's bytes one for one, as the blob does: both are taken.
    if (type != "blob" && type != "text") {
      throw InvalidPackage(std::string("il campo ") + field + " non contiene i byte di un'immagine");
    }
    return sqlite3_column_int64(q.stmt, typeColumn + 1);
  }

  // Into `direct` when given, without handing the pieces to the sink.
  bool readPictureInPieces(const char* column, std::int64_t size, const ByteSink& sink, char* direct = nullptr) {
    if (!hasRowid_) return false;
    sqlite3_blob* blob = nullptr;
    if (sqlite3_blob_open(conn_.db, "main", fotoName_.c_str(), column, rowid_, 0, &blob) != SQLITE_OK) {
      sqlite3_blob_close(blob);
      return false;  // a column the engine cannot open this way, such as a computed one
    }
    struct Closer {
      sqlite3_blob* b;
      ~Closer() { sqlite3_blob_close(b); }
    } closer{blob};
    if (sqlite3_blob_bytes(blob) != size) throw InvalidPackage("il file è danneggiato");
    // One piece for both pictures: memory is touched once, not once a picture.
    if (!direct && static_cast<std::int64_t>(piece_.size()) < std::min<std::int64_t>(size, kPieceBytes)) {
      piece_.resize(static_cast<std::size_t>(std::min<std::int64_t>(std::max(originalSize_, copySize_), kPieceBytes)));
    }
    for (std::int64_t done = 0; done < size;) {
      const auto step = static_cast<std::int64_t>(direct ? kPieceBytes : piece_.size());
      const int n = static_cast<int>(std::min<std::int64_t>(size - done, step));
      const int rc = sqlite3_blob_read(blob, direct ? direct + done : piece_.data(), n, static_cast<int>(done));
      if (rc != SQLITE_OK) fail(rc);
      if (!direct) sink(piece_.data(), static_cast<std::size_t>(n));
      done += n;
    }
    return true;
  }

  void readPictureWhole(const char* column, std::int64_t size, const ByteSink& sink) {
    Statement q;
    prepare(q, (std::string("SELECT ") + column + " FROM Foto NOT INDEXED LIMIT 1").c_str());
    if (!step(q)) throw InvalidPackage("il file è danneggiato");
    const int type = sqlite3_column_type(q.stmt, 0);
    if (type != SQLITE_BLOB && type != SQLITE_TEXT) throw InvalidPackage("il file è danneggiato");
    const void* data = sqlite3_column_blob(q.stmt, 0);
    const int n = sqlite3_column_bytes(q.stmt, 0);
    if (n != size || (n > 0 && data == nullptr)) throw InvalidPackage("il file è danneggiato");
    if (n > 0) sink(static_cast<const char*>(data), static_cast<std::size_t>(n));
  }

  void readRectangles() {
    Statement q;
    prepare(q, "SELECT X1, Y1, X2, Y2 FROM Coordinate NOT INDEXED");
    while (step(q)) {
      if (static_cast<std::int64_t>(rectangles_.size()) >= limits_.maxRectangles) {
        throw InvalidPackage("ci sono più di " + std::to_string(limits_.maxRectangles) + " rettangoli");
      }
      Rectangle r;
      r.x1 = edge(q, 0);
      r.y1 = edge(q, 1);
      r.x2 = edge(q, 2);
      r.y2 = edge(q, 3);
      rectangles_.push_back(r);
    }
  }

  std::string nameField(Statement& q, int col, const char* field) {
    const int type = sqlite3_column_type(q.stmt, col);
    if (type == SQLITE_NULL) throw InvalidPackage(std::string("il campo ") + field + " è vuoto");
    if (type != SQLITE_TEXT) throw InvalidPackage(std::string("il campo ") + field + " non è un testo");
    return text(q, col);
  }

  std::int32_t edge(Statement& q, int col) {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    const char* kOutOfRange = "un bordo di un rettangolo è fuori dall'intervallo dei numeri a 32 bit";
    switch (sqlite3_column_type(q.stmt, col)) {
      case SQLITE_INTEGER: {
        const sqlite3_int64 v = sqlite3_column_int64(q.stmt, col);
        if (v < kMin || v > kMax) throw InvalidPackage(kOutOfRange);
        return static_cast<std::int32_t>(v);
      }
      case SQLITE_FLOAT: {  // 10.0 is a whole number too, 10.5 is not
        const double v = sqlite3_column_double(q.stmt, col);
        if (!std::isfinite(v) || std::floor(v) != v) {
          throw InvalidPackage("un bordo di un rettangolo non è un numero intero");
        }
        if (v < kMin || v > kMax) throw InvalidPackage(kOutOfRange);
        return static_cast<std::int32_t>(v);
      }
      case SQLITE_NULL: throw InvalidPackage("un bordo di un rettangolo è vuoto");
      default: throw InvalidPackage("un bordo di un rettangolo non è un numero intero");
    }
  }

  std::string text(Statement& q, int col) {
    const auto* p = sqlite3_column_text(q.stmt, col);
    const int size = sqlite3_column_bytes(q.stmt, col);
    if (p == nullptr) {
      if (sqlite3_column_type(q.stmt, col) != SQLITE_NULL) fail(sqlite3_errcode(conn_.db));
      return {};
    }
    return std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(size));
  }

  void prepare(Statement& q, const char* sql) {
    const int rc = sqlite3_prepare_v2(conn_.db, sql, -1, &q.stmt, nullptr);
    if (rc != SQLITE_OK) fail(rc);
  }

  bool step(Statement& q) {
    const int rc = sqlite3_step(q.stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    fail(rc);
  }

  void exec(const char* sql) {
    Statement q;
    prepare(q, sql);
    while (step(q)) {
    }
  }

  // The reason never quotes the file's own text (names, schema): it is shown to the user.
  [[noreturn]] void fail(int rc) {
    switch (rc & 0xFF) {
      case SQLITE_NOTADB: throw InvalidPackage("il file non è un database SQLite");
      case SQLITE_CORRUPT: throw InvalidPackage("il file è danneggiato");
      case SQLITE_TOOBIG: throw InvalidPackage("un valore supera i " + sizeText(limits_.maxPictureBytes));
      case SQLITE_INTERRUPT: throw InvalidPackage("leggerlo richiede troppo lavoro");
      case SQLITE_NOMEM: throw InvalidPackage("il file è danneggiato o richiede troppa memoria");
      case SQLITE_CANTOPEN:
      case SQLITE_PERM:
      case SQLITE_AUTH: throw InvalidPackage("il file non si può aprire");
      case SQLITE_IOERR: throw InvalidPackage("il file non si può leggere");
      case SQLITE_BUSY:
      case SQLITE_LOCKED: throw InvalidPackage("il file è in uso");
      default: throw InvalidPackage("il file non ha la forma di un pacchetto");
    }
  }

  // Removed with the reader, after the connection that reads from it is closed.
  struct PrivateFolder {
    std::string path;
    ~PrivateFolder() {
      std::error_code ec;
      if (!path.empty()) fs::remove_all(path, ec);
    }
  };

  std::string path_;
  const PackageLimits limits_;
  PrivateFolder privateFolder_;
  bool walMode_ = false;
  Connection conn_;
  StepBudget budget_;
  std::string fotoName_;
  std::string coordinateName_;
  std::vector<std::string> fotoColumns_;
  bool hasRowid_ = false;
  sqlite3_int64 rowid_ = 0;
  std::vector<char> piece_;
};

OpenPackage::OpenPackage(const std::string& path, const PackageLimits& limits)
    : reader_(std::make_unique<Reader>(path, limits)) {}
OpenPackage::~OpenPackage() = default;

const std::string& OpenPackage::originalName() const { return reader_->originalName_; }
const std::string& OpenPackage::copyName() const { return reader_->copyName_; }
std::int64_t OpenPackage::originalSize() const { return reader_->originalSize_; }
std::int64_t OpenPackage::copySize() const { return reader_->copySize_; }
const std::vector<Rectangle>& OpenPackage::rectangles() const { return reader_->rectangles_; }

void OpenPackage::readOriginal(const ByteSink& sink) { reader_->readPicture("FotoOriginale", originalSize(), sink); }
void OpenPackage::readCopy(const ByteSink& sink) { reader_->readPicture("FotoCopia", copySize(), sink); }
void OpenPackage::readOriginalInto(char* buffer) { reader_->readPictureInto("FotoOriginale", originalSize(), buffer); }
void OpenPackage::readCopyInto(char* buffer) { reader_->readPictureInto("FotoCopia", copySize(), buffer); }

}  // namespace picture_db
