// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A throw-away application folder for window and statement tests: an images.mdb with
// the three tables (empty unless filled here), and small pictures written into Images/.
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "picture_db/database.h"
#include "picture_db/records.h"

namespace test_support {

// Edges of a difference rectangle as stored: left, top, right, bottom.
struct Edges {
  int x1, y1, x2, y2;
};

class TempAppFolder {
 public:
  // withDatabase = false leaves the folder without images.mdb.
  explicit TempAppFolder(bool withDatabase = true);

  QString path() const { return dir_.path(); }
  std::string dir() const { return dir_.path().toStdString(); }
  std::string databasePath() const;
  QString imagesPath() const;
  // A second connection to the folder's database, for setting up and checking.
  picture_db::Database open() const;

  // Saves image into Images/ (created when missing); the format follows the extension
  // unless given. Returns the full path.
  QString writePicture(const QString& fileName, const QImage& image, const char* format = nullptr) const;
  // Writes any bytes into Images/: damaged or mislabelled picture files.
  QString writeFile(const QString& fileName, const QByteArray& bytes) const;

  // A pair "<id>.bmp" / "<id>_C.bmp" with both pictures written (the original filled
  // with colour, the copy a shade lighter) and its rectangles stored in this order.
  void addPair(picture_db::PairId id, const std::vector<Edges>& rects, QSize size = QSize(200, 150),
               QColor colour = QColor(40, 120, 200)) const;
  // A FOTO row and rectangles only; no picture files.
  void addPairWithoutFiles(picture_db::PairId id, const std::string& original, const std::string& copy,
                           const std::vector<Edges>& rects) const;
  // Hall-of-fame rows (filled while fewer than ten: nothing is replaced).
  void addHallOfFame(const std::vector<std::pair<std::string, int>>& entries) const;

 private:
  QTemporaryDir dir_;
};

QImage solidPicture(QSize size, QColor colour);

// Five rectangles well apart, inside a 200 x 150 picture.
std::vector<Edges> fiveRectangles();

}  // namespace test_support
