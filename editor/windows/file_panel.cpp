// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/file_panel.h"

#include <QFileInfo>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "artwork/artwork.h"
#include "editor/capture.h"
#include "editor/file_names.h"
#include "editor/file_panel_host.h"
#include "editor/file_use_question.h"
#include "editor/lock_wait.h"
#include "editor/shell_open.h"
#include "storage/app_folders.h"
#include "picture_db/editor_queries.h"
#include "toolkit/failure_reasons.h"
#include "toolkit/file_list.h"
#include "toolkit/mouse_pointer.h"
#include "toolkit/picture_area.h"

namespace editor {

namespace {

const char* const kImportFilter = "File Immagine|*.wmf;*.emf;*.bmp;*.jpg;*.gif";

QPushButton* pictureButton(QWidget* parent, const QString& tip, const QString& art, QSize artSize, QRect place) {
  auto* b = new QPushButton(parent);
  b->setToolTip(tip);
  b->setIcon(QIcon(artwork::pixmap(":/artwork/" + art, artSize)));
  b->setIconSize(artSize);
  b->setGeometry(place);
  return b;
}

QPushButton* captionButton(QWidget* parent, const QString& caption, QRect place) {
  auto* b = new QPushButton(caption, parent);
  b->setGeometry(place);
  return b;
}

QLabel* caption(QWidget* parent, const QString& text, QRect place) {
  auto* l = new QLabel(text, parent);
  // The caption is never cut off, whatever the font: the label grows to the right.
  place.setWidth(std::max(place.width(), l->sizeHint().width()));
  l->setGeometry(place);
  return l;
}

}  // namespace

FilePanel::FilePanel(FilePanelHost& host, QWidget* parent)
    : QGroupBox(QStringLiteral("File"), parent),
      host_(host),
      launcher_(std::make_unique<XdgLauncher>()),
      writePicture_(saveBmpAtomically) {
  setGeometry(408, 0, 249, 457);
  setMouseTracking(true);
  buildControls();
  File1_->setPattern(picturePattern());
  File2_->setPattern(picturePattern());
  File1_->setFolder(imagesFolder());
  File2_->setFolder(File1_->folder());
  hide();
}

FilePanel::~FilePanel() = default;

void FilePanel::buildControls() {
  LblFile_[0] = caption(this, "Originale", {8, 16, 41, 13});
  File1_ = new toolkit::FileList(this);
  File1_->setGeometry(8, 32, 233, 110);
  CmdCut_ = pictureButton(this, "Adatta dimensioni", "file_cut.svg", {16, 16}, {152, 160, 25, 25});
  CmdCut_->setEnabled(false);
  CmdFileFromPath_ = pictureButton(this, "Copia da...", "file_from_path.svg", {16, 16}, {184, 160, 25, 25});
  CmdDelete_ = pictureButton(this, "Elimina", "file_delete.svg", {16, 16}, {216, 160, 25, 25});
  LblFile_[2] = caption(this, "Copia/Rinomina con nome...", {8, 192, 135, 13});
  TxtCopyAs_ = new QLineEdit(this);
  TxtCopyAs_->setGeometry(8, 208, 161, 19);
  CmdCopyAs_ = pictureButton(this, "Copia con nome...", "file_copy.svg", {16, 16}, {184, 200, 25, 25});
  CmdRename_ = pictureButton(this, "Rinomina", "file_rename.svg", {16, 12}, {216, 200, 25, 25});
  LblFile_[1] = caption(this, "Copia", {8, 256, 27, 13});
  File2_ = new toolkit::FileList(this);
  File2_->setGeometry(8, 272, 233, 110);
  CmdEdit_ = captionButton(this, "&Modifica", {8, 424, 57, 25});
  CmdOk_ = captionButton(this, "&Ok", {96, 424, 57, 25});
  CmdCancel_ = captionButton(this, "A&nnulla", {184, 424, 57, 25});
  for (QPushButton* b : {CmdCut_, CmdFileFromPath_, CmdDelete_, CmdCopyAs_, CmdRename_, CmdEdit_, CmdOk_, CmdCancel_})
    b->setAutoDefault(false);

  QWidget* order[] = {File1_,     CmdCut_, CmdFileFromPath_, CmdDelete_, TxtCopyAs_, CmdCopyAs_,
                      CmdRename_, File2_,  CmdEdit_,         CmdOk_,     CmdCancel_};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  connect(File1_, &toolkit::FileList::fileClick, this, &FilePanel::File1_Click);
  connect(CmdCut_, &QPushButton::clicked, this, &FilePanel::CmdCut_Click);
  connect(CmdFileFromPath_, &QPushButton::clicked, this, &FilePanel::CmdFileFromPath_Click);
  connect(CmdDelete_, &QPushButton::clicked, this, &FilePanel::CmdDelete_Click);
  connect(CmdCopyAs_, &QPushButton::clicked, this, &FilePanel::CmdCopyAs_Click);
  connect(CmdRename_, &QPushButton::clicked, this, &FilePanel::CmdRename_Click);
  connect(CmdEdit_, &QPushButton::clicked, this, &FilePanel::CmdEdit_Click);
  connect(CmdOk_, &QPushButton::clicked, this, &FilePanel::CmdOk_Click);
  connect(CmdCancel_, &QPushButton::clicked, this, &FilePanel::CmdCancel_Click);

  // A shortcut of a hidden widget does not fire: Esc cancels only while the panel shows.
  auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  esc->setContext(Qt::WindowShortcut);
  connect(esc, &QShortcut::activated, this, &FilePanel::CmdCancel_Click);
}

void FilePanel::setDesktopLauncher(std::unique_ptr<DesktopLauncher> launcher) { launcher_ = std::move(launcher); }

void FilePanel::setPictureWriter(PictureWriter writer) { writePicture_ = std::move(writer); }

QString FilePanel::imagesFolder() const {
  return QString::fromStdString(storage::imagesDir(host_.applicationFolder().toStdString()));
}

bool FilePanel::isCutEnabled() const { return CmdCut_->isEnabled(); }

void FilePanel::critical(const QString& text) { host_.dialogs().messageBox(text, toolkit::box::Critical); }

FilePanel::Previewed FilePanel::stampOf(const QString& path) {
  const QFileInfo info(path);
  return {path, info.lastModified(), info.exists() ? info.size() : -1};
}

void FilePanel::open() {
  // Whatever was chosen at the last opening must not be assigned to this pair by "&Ok".
  File1_->selectIndex(-1);
  File2_->selectIndex(-1);
  clearPreview();
  File1_->refresh();
  File2_->refresh();

  if (const auto pair = host_.selectedPair()) {
    if (File1_->selectName(FileName(QString::fromStdString(pair->original)))) File1_Click();
    File2_->selectName(FileName(QString::fromStdString(pair->copy)));
  }
  updateCut();

  host_.viewport().clearPicture();
  host_.hideRubberBand();
  show();
  host_.showCoordinatesPanel(false);
}

void FilePanel::File1_Click() {
  const QString name = File1_->selectedName();
  if (name.isEmpty()) {
    updateCut();
    return;
  }
  TxtCopyAs_->setText(CopyName(name));
  toolkit::PictureArea& preview = host_.preview();
  preview.move(0, 0);
  const QString path = File1_->selectedPath();
  QString why;
  if (!preview.loadFile(path, &why)) {
    // No preview of another file may stay behind: the scissors would write it over this one.
    clearPreview();
    updateCut();
    critical("Impossibile mostrare l'immagine " + path + ":\n" + why);
    return;
  }
  preview.setVisible(true);
  preview.setEnabled(true);
  preview.raise();
  previewed_ = stampOf(path);
  updateCut();
}

void FilePanel::clearPreview() {
  host_.preview().hide();
  host_.preview().clearPicture();
  previewed_ = {};
}

void FilePanel::updateCut() {
  const toolkit::PictureArea& preview = host_.preview();
  const QSize viewport = host_.viewport().innerSize();
  const QString selected = File1_->selectedPath();
  // The cut writes what the preview shows over the selected file: both must be the same
  // file, unchanged since it was previewed.
  const Previewed now = stampOf(selected);
  const bool sameFile = !selected.isEmpty() && selected == previewed_.path && now.size == previewed_.size &&
                        now.modified == previewed_.modified;
  const bool larger = preview.width() > viewport.width() || preview.height() > viewport.height();
  CmdCut_->setEnabled(sameFile && !preview.isHidden() && preview.hasPicture() && larger);
}

void FilePanel::rereadLists() {
  File1_->refresh();
  File2_->refresh();
  // No picture may be shown for a file that is no longer chosen (a deleted one, say).
  if (File1_->selectedIndex() < 0) clearPreview();
  updateCut();
}

void FilePanel::showNewFile(const QString& name) {
  if (File1_->selectName(name)) File1_Click();
}

FilePanel::FileUse FilePanel::askFileUse(const QString& name, const char* question) {
  std::vector<picture_db::PictureRecord> users;
  try {
    users = picture_db::pairsUsingFile(host_.pictureDb(), name.toStdString());
  } catch (const std::exception& e) {
    critical(failureMessage(e));
    return FileUse::Refused;
  }
  const QString text = fileInUseQuestion(name, users, QString::fromUtf8(question));
  if (text.isEmpty()) return FileUse::Unused;
  const int answer =
      host_.dialogs().messageBox(text, toolkit::box::YesNo | toolkit::box::Exclamation | toolkit::box::DefaultButton2);
  return answer == toolkit::box::Yes ? FileUse::Confirmed : FileUse::Refused;
}

bool FilePanel::confirmFileUse(const QString& name, const char* question) {
  return askFileUse(name, question) != FileUse::Refused;
}

void FilePanel::CmdCut_Click() {
  if (!CmdCut_->isEnabled()) return;
  const QString path = File1_->selectedPath();
  const int answer = host_.dialogs().messageBox("Ridimensionare il file \n" + path + "\nall'area visibile?",
                                                toolkit::box::OkCancel | toolkit::box::Question);
  if (answer != toolkit::box::Ok) return;

  const QImage picture = GrabPictureBox(host_.viewport());
  const FileOpResult saved = writePicture_(picture, path);
  if (!saved.ok) {
    critical("Impossibile salvare il file " + path + ":\n" + saved.reason + ".\nIl file non è stato modificato.");
    return;
  }
  File1_Click();
}

void FilePanel::CmdFileFromPath_Click() {
  const QString chosen = host_.dialogs().openFile(kImportFilter);
  if (chosen.isEmpty()) return;
  const QString name = FileName(chosen);
  if (!hasPictureExtension(name)) {
    critical("Il file " + chosen +
             " non può essere copiato nella cartella delle immagini:\nl'estensione deve essere una di: "
             ".wmf, .emf, .bmp, .jpg, .gif.");
    return;
  }
  if (copyOver(chosen, imagesFolder() + "/" + name, name)) showNewFile(name);
}

bool FilePanel::copyOver(const QString& from, const QString& to, const QString& name) {
  if (QFileInfo::exists(to) && !isSameFile(from, to) && !confirmFileUse(name, "Sostituirlo?")) return false;
  const FileOpResult copied = copyPictureFile(from, to);
  if (!copied.ok) {
    critical("Impossibile copiare il file " + from + " in " + to + ":\n" + copied.reason + ".");
    return false;
  }
  rereadLists();
  return true;
}

std::optional<FilePanel::Target> FilePanel::checkedTarget() {
  if (File1_->selectedIndex() < 0 || TxtCopyAs_->text().isEmpty()) return std::nullopt;
  const QString name = TxtCopyAs_->text();
  const QString problem = targetNameProblem(name);
  if (!problem.isEmpty()) {
    critical("Il nome \"" + name + "\" non può essere usato:\n" + problem + ".");
    return std::nullopt;
  }
  return Target{name, File1_->selectedPath(), File1_->folder() + "/" + name};
}

void FilePanel::CmdCopyAs_Click() {
  if (const auto target = checkedTarget()) copyOver(target->from, target->to, target->name);
}

void FilePanel::CmdRename_Click() {
  const auto target = checkedTarget();
  if (!target) return;
  const QString& name = target->name;
  const QString& from = target->from;
  const QString& to = target->to;
  bool replace = false;
  if (QFileInfo::exists(to) && !isSameFile(from, to)) {
    // Another picture of that name would be lost: only the user may decide so.
    const int answer =
        host_.dialogs().messageBox("Il file " + name + " esiste già.\nSostituirlo con " + File1_->selectedName() + "?",
                                   toolkit::box::YesNo | toolkit::box::Exclamation);
    if (answer != toolkit::box::Yes) return;
    if (!confirmFileUse(name, "Sostituirlo?")) return;
    replace = true;
  }
  if (!confirmFileUse(File1_->selectedName(), "Rinominarlo?")) return;
  const FileOpResult renamed = renamePictureFile(from, to, replace);
  if (!renamed.ok) {
    critical("Impossibile rinominare il file " + from + " in " + to + ":\n" + renamed.reason + ".");
    return;
  }
  rereadLists();
  showNewFile(name);
}

void FilePanel::CmdDelete_Click() {
  if (File1_->selectedIndex() < 0) return;
  const QString name = File1_->selectedName();
  // A file that pairs use is asked about by naming them; any other with the plain question.
  const FileUse use = askFileUse(name, "Eliminarlo?");
  if (use == FileUse::Refused) return;
  if (use == FileUse::Unused) {
    const int answer =
        host_.dialogs().messageBox("Eliminare " + name + "?", toolkit::box::YesNo | toolkit::box::Exclamation);
    if (answer != toolkit::box::Yes) return;
  }
  const QString path = File1_->selectedPath();
  const FileOpResult deleted = deletePictureFile(path);
  if (!deleted.ok) {
    critical("Impossibile eliminare il file " + path + ":\n" + deleted.reason + ".");
    return;
  }
  rereadLists();
}

void FilePanel::CmdEdit_Click() {
  const QString path = File2_->folder() + "/" + File2_->selectedName();
  const std::int32_t result = ShellOpenFile(path, *launcher_);
  if (result > 32) return;
  critical(shellOpenMessage(result));
}

void FilePanel::CmdOk_Click() {
  const QString original = File1_->selectedName();
  const QString copy = File2_->selectedName();
  const auto pair = host_.selectedPair();
  if (!pair && (!original.isEmpty() || !copy.isEmpty())) {
    critical("Nessuna coppia di immagini è selezionata nell'elenco.");
    return;
  }
  try {
    if (!original.isEmpty()) {
      host_.storeSelectedOriginal(original);
    }
    if (!copy.isEmpty()) {
      host_.storeSelectedCopy(copy);
    }
  } catch (const std::exception& e) {
    critical(failureMessage(e));
    return;
  }
  host_.refreshSelectedPair();
  CmdCancel_Click();
}

void FilePanel::CmdCancel_Click() {
  host_.showCoordinatesPanel(true);
  hide();
  clearPreview();
  updateCut();
  host_.refreshSelectedPair();
}

void FilePanel::mouseMoveEvent(QMouseEvent* e) {
  toolkit::setMousePointer(toolkit::pointer::Default);
  QGroupBox::mouseMoveEvent(e);
}

}  // namespace editor
