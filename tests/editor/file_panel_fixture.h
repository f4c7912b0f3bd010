// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A stand-in for the editor window around the file panel: a real viewport with its preview,
// a temporary application folder with Images and images.mdb, answered dialogs, and a record
// of what the panel asked of the window.
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <optional>

#include "editor/file_panel.h"
#include "editor/file_panel_host.h"
#include "storage/app_folders.h"
#include "picture_db/editor_queries.h"
#include "picture_db/schema.h"
#include "toolkit/picture_area.h"
#include "support/scripted_dialogs.h"
#include "support/temp_app_folder.h"

namespace file_panel_fixture {

// A picture whose every pixel differs from its neighbours, so any shift shows.
inline QImage patterned(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 64 + (y / 256) * 16 + 8));
  return img;
}

class FakeHost : public editor::FilePanelHost {
 public:
  FakeHost() : db_(makeDatabase(appDir_.path())) {
    QDir(appDir_.path()).mkdir("Images");
    window.resize(664, 464);
    picture1 = new toolkit::PictureArea(&window);
    picture1->setGeometry(0, 0, 382, 438);
    picture1->setAutoFillBackground(true);
    QPalette pal = picture1->palette();
    pal.setColor(QPalette::Window, background);
    picture1->setPalette(pal);
    picture2 = new toolkit::PictureArea(picture1);
    picture2->setGeometry(0, 0, 137, 89);
    picture2->setSizedToPicture(true);
    picture2->hide();
    panel = new editor::FilePanel(*this, &window);
  }

  QString appFolder() const { return appDir_.path(); }
  QString images() const { return appDir_.path() + "/Images"; }
  QString imagePath(const QString& name) const { return images() + "/" + name; }
  void writePicture(const QString& name, int w, int h, const char* format = "JPG") {
    patterned(w, h).save(imagePath(name), format);
  }
  void addPair(picture_db::PairId id, const std::string& original, const std::string& copy) {
    picture_db::addPicture(db_, id, original, copy);
    selected = picture_db::PictureRecord{id, original, copy};
  }
  picture_db::PictureRecord stored(picture_db::PairId id) {
    for (const auto& r : picture_db::listPictures(db_))
      if (r.id == id) return r;
    return {};
  }

  picture_db::Database& pictureDb() override { return db_; }
  QString applicationFolder() const override { return appDir_.path(); }
  toolkit::Dialogs& dialogs() override { return boxes; }
  toolkit::PictureArea& viewport() override { return *picture1; }
  toolkit::PictureArea& preview() override { return *picture2; }
  void hideRubberBand() override { ++rubberBandHides; }
  std::optional<picture_db::PictureRecord> selectedPair() const override { return selected; }
  void storeSelectedOriginal(const QString& name) override {
    picture_db::setOriginalFile(db_, selected.value().id, name.toStdString());
    selected->original = name.toStdString();
  }
  void storeSelectedCopy(const QString& name) override {
    picture_db::setCopyFile(db_, selected.value().id, name.toStdString());
    selected->copy = name.toStdString();
  }
  void showCoordinatesPanel(bool visible) override { coordinatesShown = visible; }
  void refreshSelectedPair() override {
    ++refreshes;
    picture1->clearPicture();
  }

  const QColor background{10, 120, 200};
  QWidget window;
  toolkit::PictureArea* picture1 = nullptr;
  toolkit::PictureArea* picture2 = nullptr;
  editor::FilePanel* panel = nullptr;
  toolkit::ScriptedDialogs boxes;
  std::optional<picture_db::PictureRecord> selected;
  bool coordinatesShown = true;
  int refreshes = 0;
  int rubberBandHides = 0;

 private:
  static picture_db::Database makeDatabase(const QString& dir) {
    auto db = picture_db::Database::createNew(storage::databasePath(dir.toStdString()));
    picture_db::createSchema(db);
    return db;
  }
  QTemporaryDir appDir_;
  picture_db::Database db_;
};

}  // namespace file_panel_fixture
