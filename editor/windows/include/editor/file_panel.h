// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The file panel FraFile ("File"): chooses the two picture files of the pair on screen and
// manages the files of the Images folder (bring in, copy, rename, delete, cut to the
// visible area, open in the desktop's program). It lies where the coordinates panel lies
// and replaces it while shown.
#include <QDateTime>
#include <QGroupBox>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "editor/file_operations.h"

class QImage;
class QLabel;
class QLineEdit;
class QPushButton;

namespace toolkit {
class FileList;
}

namespace editor {

class FilePanelHost;
class DesktopLauncher;

class FilePanel : public QGroupBox {
  Q_OBJECT
 public:
  FilePanel(FilePanelHost& host, QWidget* parent);
  ~FilePanel() override;

  // Shows the panel for the selected pair: lists read again, the pair's files selected by
  // their exact names, the original previewed.
  void open();

  // Whether the scissors may cut: the preview of the selected file is larger than the viewport.
  bool isCutEnabled() const;

  // The desktop the panel asks to open files; tests put in one that starts nothing.
  void setDesktopLauncher(std::unique_ptr<DesktopLauncher> launcher);

  // Writes the cut picture; tests put in one that fails. The default writes a BMP atomically.
  using PictureWriter = std::function<FileOpResult(const QImage&, const QString&)>;
  void setPictureWriter(PictureWriter writer);

  QString imagesFolder() const;

  toolkit::FileList* File1() const { return File1_; }
  toolkit::FileList* File2() const { return File2_; }
  QLabel* LblFile(int index) const { return LblFile_.at(index); }
  QLineEdit* TxtCopyAs() const { return TxtCopyAs_; }
  QPushButton* CmdCut() const { return CmdCut_; }
  QPushButton* CmdFileFromPath() const { return CmdFileFromPath_; }
  QPushButton* CmdDelete() const { return CmdDelete_; }
  QPushButton* CmdCopyAs() const { return CmdCopyAs_; }
  QPushButton* CmdRename() const { return CmdRename_; }
  QPushButton* CmdEdit() const { return CmdEdit_; }
  QPushButton* CmdOk() const { return CmdOk_; }
  QPushButton* CmdCancel() const { return CmdCancel_; }

 public slots:
  void File1_Click();
  void CmdCut_Click();
  void CmdFileFromPath_Click();
  void CmdCopyAs_Click();
  void CmdRename_Click();
  void CmdDelete_Click();
  void CmdEdit_Click();
  void CmdOk_Click();
  void CmdCancel_Click();

 protected:
  void mouseMoveEvent(QMouseEvent* e) override;

 private:
  struct Previewed {
    QString path;
    QDateTime modified;
    qint64 size = -1;
  };
  static Previewed stampOf(const QString& path);

  void buildControls();
  // Selects a file just brought in or renamed and shows it.
  void showNewFile(const QString& name);
  // Asks before a file that pairs use is changed, naming them, with No as the default.
  // Refused also when the pairs cannot be read (said in a message).
  enum class FileUse { Unused, Confirmed, Refused };
  FileUse askFileUse(const QString& name, const char* question);
  // True when no pair uses the file or on Yes.
  bool confirmFileUse(const QString& name, const char* question);
  void rereadLists();
  void updateCut();
  void clearPreview();
  // Copies over `to` (`name` in the lists) once the pairs using it agree; false when
  // refused or failed, the reason shown.
  bool copyOver(const QString& from, const QString& to, const QString& name);
  // The selected file and where TxtCopyAs would put it, when the name can be used;
  // otherwise tells the user and gives nothing.
  struct Target {
    QString name, from, to;
  };
  std::optional<Target> checkedTarget();
  void critical(const QString& text);

  FilePanelHost& host_;
  std::unique_ptr<DesktopLauncher> launcher_;
  PictureWriter writePicture_;
  Previewed previewed_;

  toolkit::FileList* File1_ = nullptr;
  toolkit::FileList* File2_ = nullptr;
  std::array<QLabel*, 3> LblFile_{};
  QLineEdit* TxtCopyAs_ = nullptr;
  QPushButton* CmdCut_ = nullptr;
  QPushButton* CmdFileFromPath_ = nullptr;
  QPushButton* CmdDelete_ = nullptr;
  QPushButton* CmdCopyAs_ = nullptr;
  QPushButton* CmdRename_ = nullptr;
  QPushButton* CmdEdit_ = nullptr;
  QPushButton* CmdOk_ = nullptr;
  QPushButton* CmdCancel_ = nullptr;
};

}  // namespace editor
