// SPDX-License-Identifier: GPL-2.0-or-later
// The editor window's life: start-up, showing a pair, closing, and the pointer that
// goes back to the default over the background.
#include "editor/frm_ortavi.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "editor/difference_texts.h"
#include "editor/editor_messages.h"
#include "editor/file_panel.h"
#include "editor/lock_wait.h"
#include "storage/app_folders.h"
#include "toolkit/database_messages.h"
#include "toolkit/dialogs.h"
#include "toolkit/failure_reasons.h"
#include "toolkit/file_list.h"
#include "toolkit/mouse_pointer.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"
#include "toolkit/report_list.h"

namespace editor {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

FrmOrtavi::FrmOrtavi(const QString& appDir, toolkit::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      appDir_(appDir),
      dialogs_(dialogs),
      pairListAhead_(storage::databasePath(appDir.toStdString())),
      editor_(appDir.toStdString()) {
  buildWindow();
  connectHandlers();
  installDifferenceCheck();
  Form_Load();
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    move(s->availableGeometry().center() - rect().center());
  }
}

FrmOrtavi::~FrmOrtavi() { Form_Unload(); }

void FrmOrtavi::connectHandlers() {
  connect(LstImages, &toolkit::ReportList::itemClick, this, &FrmOrtavi::LstImages_ItemClick);
  connect(LstCoord, &toolkit::ReportList::itemClick, this, &FrmOrtavi::LstCoord_ItemClick);
  connect(CmdAdd, &QPushButton::clicked, this, &FrmOrtavi::CmdAdd_Click);
  connect(CmdUpd, &QPushButton::clicked, this, &FrmOrtavi::CmdUpd_Click);
  connect(CmdDel, &QPushButton::clicked, this, &FrmOrtavi::CmdDel_Click);
  connect(CmdImgAdd, &QPushButton::clicked, this, &FrmOrtavi::CmdImgAdd_Click);
  connect(CmdImgUpd, &QPushButton::clicked, this, &FrmOrtavi::CmdImgUpd_Click);
  connect(CmdImgDel, &QPushButton::clicked, this, &FrmOrtavi::CmdImgDel_Click);
  connect(CmdExport, &QPushButton::clicked, this, &FrmOrtavi::CmdExport_Click);
  connect(CmdImport, &QPushButton::clicked, this, &FrmOrtavi::CmdImport_Click);
  connect(Picture1, &toolkit::PictureArea::mouseDown, this, &FrmOrtavi::Picture1_MouseDown);
  connect(Picture1, &toolkit::PictureArea::mouseMove, this, &FrmOrtavi::Picture1_MouseMove);
  connect(Picture1, &toolkit::PictureArea::mouseUp, this, &FrmOrtavi::Picture1_MouseUp);
  connect(Picture2, &toolkit::PictureArea::mouseDown, this, &FrmOrtavi::Picture2_MouseDown);
  connect(Picture2, &toolkit::PictureArea::mouseMove, this, &FrmOrtavi::Picture2_MouseMove);
  connect(Picture2, &toolkit::PictureArea::mouseUp, this, &FrmOrtavi::Picture2_MouseUp);
  for (QWidget* w : {static_cast<QWidget*>(FraCoord), static_cast<QWidget*>(FraFile), static_cast<QWidget*>(Image1),
                     static_cast<QWidget*>(Image2)}) {
    w->installEventFilter(this);
  }
}

void FrmOrtavi::Form_Load() {
  const std::string app = appDir_.toStdString();
  // Both are checked before anything is created, so a wrong folder is left untouched.
  const QString images = q(storage::imagesDir(app));
  if (!QFileInfo(images).isDir()) {
    throw toolkit::StartupError(
        QStringLiteral("Manca la cartella delle immagini:\n%1\nSenza di essa l'editor non può funzionare.")
            .arg(images)
            .toStdString());
  }
  const QString dbPath = q(storage::databasePath(app));
  if (!QFileInfo::exists(dbPath)) {
    throw toolkit::StartupError(toolkit::missingDatabaseMessage(dbPath).toStdString());
  }
  try {
    storage::ensureFolders(app, {storage::kImportFolder, storage::kExportFolder});
  } catch (const std::exception& e) {
    throw toolkit::StartupError(
        QStringLiteral("Impossibile creare le cartelle Import ed Export:\n%1").arg(failureMessage(e)).toStdString());
  }
  File3->setFolder(q(storage::importDir(app)));

  try {
    editor_.open(dbPath.toStdString());
    File3->refresh();
    editor_.loadPairs(pairListAhead_);
  } catch (const std::invalid_argument&) {
    editor_.close();
    editor_.pairs().clear();
    throw toolkit::StartupError(
        QStringLiteral("Il database delle immagini %1\ncontiene due coppie con lo stesso numero.")
            .arg(dbPath)
            .toStdString());
  } catch (const std::exception& e) {
    editor_.close();
    editor_.pairs().clear();
    throw toolkit::StartupError(toolkit::unopenableDatabaseMessage(dbPath, failureMessage(e)).toStdString());
  }

  if (LstImages->count() > 0) {
    LstImages->selectRow(0);
    LstImages_ItemClick(0);
  }
}

void FrmOrtavi::LstImages_ItemClick(int row) {
  const PairListModel& pairs = editor_.pairs();
  if (row < 0 || row >= pairs.rowCount()) return;
  shBorder->hide();

  const picture_db::PictureRecord& clicked = pairs.pair(row);
  const QString path = q(storage::picturePath(appDir_.toStdString(), clicked.copy));
  // A missing or unreadable copy is no error: the area is simply left blank.
  if (!clicked.copy.empty() && QFileInfo(path).isFile()) {
    Picture1->loadFile(path);
  } else {
    Picture1->clearPicture();
  }

  const int chosen = LstImages->selectedRow() >= 0 ? LstImages->selectedRow() : row;
  try {
    editor_.showDifferencesOf(pairs.pair(chosen).id);
  } catch (const std::exception& e) {
    critical(failureMessage(e));
  }
  updateCmdAddEnabled();
  TxtExport->setText(exportNameOf(q(clicked.original)));
}

void FrmOrtavi::Form_Unload() { editor_.close(); }

void FrmOrtavi::closeEvent(QCloseEvent* e) {
  Form_Unload();
  QWidget::closeEvent(e);
}

void FrmOrtavi::mouseMoveEvent(QMouseEvent* e) {
  toolkit::setMousePointer(toolkit::pointer::Default);
  QWidget::mouseMoveEvent(e);
}

bool FrmOrtavi::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::MouseMove) toolkit::setMousePointer(toolkit::pointer::Default);
  return QWidget::eventFilter(watched, e);
}

void FrmOrtavi::critical(const QString& text) {
  dialogs_.messageBox(text, toolkit::box::OkOnly | toolkit::box::Critical);
}

void FrmOrtavi::updateCmdAddEnabled() { CmdAdd->setEnabled(editor_.canAddDifference()); }

std::optional<picture_db::PairId> FrmOrtavi::selectedPairId() const {
  const int row = LstImages->selectedRow();
  if (row < 0) return std::nullopt;
  return editor_.pairs().pair(row).id;
}

picture_db::Database& FrmOrtavi::pictureDb() { return editor_.database(); }

void FrmOrtavi::hideRubberBand() { shBorder->hide(); }

std::optional<picture_db::PictureRecord> FrmOrtavi::selectedPair() const {
  const int row = LstImages->selectedRow();
  if (row < 0) return std::nullopt;
  return editor_.pairs().pair(row);
}

void FrmOrtavi::storeSelectedOriginal(const QString& name) {
  const int row = LstImages->selectedRow();
  if (row < 0) throw EditRefused(msg::kNoPairChosen);
  editor_.setOriginal(row, name.toStdString());
}

void FrmOrtavi::storeSelectedCopy(const QString& name) {
  const int row = LstImages->selectedRow();
  if (row < 0) throw EditRefused(msg::kNoPairChosen);
  editor_.setCopy(row, name.toStdString());
}

void FrmOrtavi::showCoordinatesPanel(bool visible) { FraCoord->setVisible(visible); }

void FrmOrtavi::refreshSelectedPair() {
  const int row = LstImages->selectedRow();
  if (row >= 0) LstImages_ItemClick(row);
}

}  // namespace editor
