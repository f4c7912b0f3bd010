// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_make/pair_saving.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <unistd.h>

#include "storage/app_folders.h"
#include "storage/atomic_file.h"
#include "picture_db/editor_queries.h"
#include "picture_db/package_file.h"

namespace pair_make {

namespace {
// Room for "_" and a number and "_C.jpg" within a package's name length.
constexpr int kMaxBaseLength = picture_db::kMaxPackageNameLength - 16;

bool takenInFolder(const QStringList& present, const QString& name) {
  return std::any_of(present.begin(), present.end(),
                     [&](const QString& p) { return p.compare(name, Qt::CaseInsensitive) == 0; });
}
}  // namespace

std::string baseNameForPhoto(const QString& photoPath) {
  QString base = QFileInfo(photoPath).completeBaseName();
  QString clean;
  for (const uint cp : base.toUcs4()) {
    const bool control = cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
    clean += (control || cp == '/' || cp == '\\') ? QStringLiteral("_")
                                                  : QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1);
  }
  while (clean.startsWith('.')) clean.remove(0, 1);
  clean = clean.trimmed();
  QList<uint> chars = clean.toUcs4();
  if (chars.size() > kMaxBaseLength) chars.resize(kMaxBaseLength);
  clean = QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.data()), chars.size()).trimmed();
  return clean.isEmpty() ? std::string("foto") : clean.toStdString();
}

std::pair<std::string, std::string> freePictureNames(picture_db::Database& db, const std::string& imagesDir,
                                                     const std::string& base) {
  const QStringList present =
      QDir(QString::fromStdString(imagesDir)).entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (int n = 1;; ++n) {
    const std::string stem = n == 1 ? base : base + "_" + std::to_string(n);
    const std::string original = stem + ".jpg", copy = stem + "_C.jpg";
    if (takenInFolder(present, QString::fromStdString(original)) ||
        takenInFolder(present, QString::fromStdString(copy)))
      continue;
    if (!picture_db::pairsUsingFile(db, original).empty() || !picture_db::pairsUsingFile(db, copy).empty()) continue;
    return {original, copy};
  }
}

SavedPair savePair(picture_db::Database& db, const std::string& appDir, const QString& photoPath, const MadePair& pair,
                   picture_db::PairId id) {
  const std::string images = storage::imagesDir(appDir);
  const auto [original, copy] = freePictureNames(db, images, baseNameForPhoto(photoPath));
  std::vector<picture_db::Rectangle> rects;
  for (const MadeChange& c : pair.changes) {
    rects.push_back({int(std::lround(c.rect.x1)), int(std::lround(c.rect.y1)), int(std::lround(c.rect.x2)),
                     int(std::lround(c.rect.y2))});
  }
  const std::string originalPath = storage::joinPath(images, original);
  const std::string copyPath = storage::joinPath(images, copy);
  std::vector<std::string> written;
  try {
    storage::writeBytesAtomically(originalPath, pair.originalJpeg.constData(), size_t(pair.originalJpeg.size()),
                                  storage::ExistingFile::Keep, ".vobrel-part-");
    written.push_back(originalPath);
    storage::writeBytesAtomically(copyPath, pair.copyJpeg.constData(), size_t(pair.copyJpeg.size()),
                                  storage::ExistingFile::Keep, ".vobrel-part-");
    written.push_back(copyPath);
    picture_db::addPairWithDifferences(db, id, original, copy, rects);
  } catch (...) {
    for (const std::string& path : written) ::unlink(path.c_str());
    throw;
  }
  return {id, original, copy};
}

}  // namespace pair_make
