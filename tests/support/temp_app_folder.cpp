// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/temp_app_folder.h"

#include <QDir>
#include <QFile>

#include "storage/app_folders.h"
#include "picture_db/editor_queries.h"
#include "picture_db/hall_of_fame.h"
#include "picture_db/schema.h"

namespace test_support {

TempAppFolder::TempAppFolder(bool withDatabase) {
  if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
  if (withDatabase) {
    picture_db::Database db = picture_db::Database::createNew(databasePath());
    picture_db::createSchema(db);
  }
}

std::string TempAppFolder::databasePath() const { return storage::databasePath(dir()); }

QString TempAppFolder::imagesPath() const { return QString::fromStdString(storage::imagesDir(dir())); }

picture_db::Database TempAppFolder::open() const { return picture_db::Database::openExisting(databasePath()); }

QString TempAppFolder::writePicture(const QString& fileName, const QImage& image, const char* format) const {
  QDir().mkpath(imagesPath());
  const QString full = imagesPath() + "/" + fileName;
  if (!image.save(full, format)) throw std::runtime_error("cannot write " + full.toStdString());
  return full;
}

QString TempAppFolder::writeFile(const QString& fileName, const QByteArray& bytes) const {
  QDir().mkpath(imagesPath());
  const QString full = imagesPath() + "/" + fileName;
  QFile f(full);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
    throw std::runtime_error("cannot write " + full.toStdString());
  return full;
}

void TempAppFolder::addPair(picture_db::PairId id, const std::vector<Edges>& rects, QSize size, QColor colour) const {
  const QString original = QString::number(id) + ".bmp";
  const QString copy = QString::number(id) + "_C.bmp";
  writePicture(original, solidPicture(size, colour), "BMP");
  writePicture(copy, solidPicture(size, colour.lighter(130)), "BMP");
  addPairWithoutFiles(id, original.toStdString(), copy.toStdString(), rects);
}

void TempAppFolder::addPairWithoutFiles(picture_db::PairId id, const std::string& original, const std::string& copy,
                                        const std::vector<Edges>& rects) const {
  picture_db::Database db = open();
  db.inTransaction([&] {
    picture_db::addPicture(db, id, original, copy);
    for (const Edges& r : rects) picture_db::addDifference(db, id, r.x1, r.y1, r.x2, r.y2);
  });
}

void TempAppFolder::addHallOfFame(const std::vector<std::pair<std::string, int>>& entries) const {
  picture_db::Database db = open();
  for (const auto& [name, score] : entries) picture_db::enterHallOfFame(db, name, score);
}

QImage solidPicture(QSize size, QColor colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

std::vector<Edges> fiveRectangles() {
  return {{10, 10, 40, 30}, {60, 10, 100, 40}, {120, 20, 150, 60}, {20, 80, 70, 120}, {140, 90, 190, 140}};
}

}  // namespace test_support
