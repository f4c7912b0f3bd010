// SPDX-License-Identifier: GPL-2.0-or-later
// Lays out an application folder for the game's exit test:
//   game_exit_folder <folder> play   one pair of bitmaps; its first rectangle covers the
//       picture from (10, 10) to (190, 190), the others lie along the top edge; an empty
//       hall of fame, so any score enters it
//   game_exit_folder <folder> none   the same pair without its picture files
#include <QImage>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "storage/app_folders.h"
#include "picture_db/editor_queries.h"
#include "picture_db/schema.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: game_exit_folder <folder> play|none\n");
    return 2;
  }
  const std::string app = argv[1];
  std::filesystem::create_directories(storage::imagesDir(app));
  if (std::strcmp(argv[2], "play") == 0) {
    QImage picture(380, 436, QImage::Format_RGB32);
    picture.fill(QColor(120, 180, 220));
    picture.save(QString::fromStdString(storage::picturePath(app, "a.bmp")), "BMP");
    picture.fill(QColor(125, 180, 220));
    picture.save(QString::fromStdString(storage::picturePath(app, "a_C.bmp")), "BMP");
  }
  picture_db::Database db = picture_db::Database::createNew(storage::databasePath(app));
  picture_db::createSchema(db);
  picture_db::addPicture(db, 1, "a.bmp", "a_C.bmp");
  picture_db::addDifference(db, 1, 10, 10, 190, 190);
  for (int i = 0; i < 4; ++i) picture_db::addDifference(db, 1, 200 + 30 * i, 10, 220 + 30 * i, 30);
  return 0;
}
