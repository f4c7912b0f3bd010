#include "tools/file_writing.h"

#include <QFile>
#include <QSaveFile>

#include <filesystem>
#include <stdexcept>

namespace sample_maker {

WriteOutcome writeFileIfMissing(const std::string& path, const QByteArray& bytes) {
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    return WriteOutcome::KeptExisting;
  }
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    throw std::runtime_error("cannot write " + path + ": " + file.errorString().toStdString());
  }
  return WriteOutcome::Written;
}

bool fileHolds(const std::string& path, const QByteArray& bytes) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) && file.size() == bytes.size() && file.readAll() == bytes;
}

}  // namespace sample_maker
