// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The editor's window: the picture area on the left, the picture list, the difference
// list and the package controls in the frame "Coordinate" on the right, and the frame
// "File" in the same place for choosing a pair's files.
#include <QPointF>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "editor/difference_list_model.h"
#include "editor/file_panel_host.h"
#include "editor/pair_editor.h"
#include "editor/pair_list_model.h"
#include "editor/pair_list_prefetch.h"
#include "picture_db/database.h"
#include "picture_db/records.h"
#include "toolkit/startup_error.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;

namespace toolkit {
class Dialogs;
class FileList;
class OverlayShape;
class PictureArea;
class ReportList;
}  // namespace toolkit

namespace editor {

class FilePanel;

class FrmOrtavi : public QWidget, public FilePanelHost {
  Q_OBJECT
 public:
  // Builds the window on an application folder and runs Form_Load; throws toolkit::StartupError.
  FrmOrtavi(const QString& appDir, toolkit::Dialogs& dialogs, QWidget* parent = nullptr);
  ~FrmOrtavi() override;

  static constexpr int kMaxDifferences = PairEditor::kMaxDifferences;

  // The number for the next new pair, from the picture list alone; changes nothing.
  // Throws std::overflow_error when the list already holds the highest possible number.
  picture_db::PairId NewImageID() const { return editor_.newPairId(); }
  // The pair number of the picture list's selected row; nothing when none is selected.
  std::optional<picture_db::PairId> selectedPairId() const;
  bool isDatabaseOpen() const { return editor_.isOpen(); }

  // What the picture list and the difference list show.
  PairListModel& pairList() { return editor_.pairs(); }
  DifferenceListModel& differenceList() { return editor_.differences(); }
  // Where the last press on the picture area began: a rectangle's first corner, or the
  // point a preview is dragged from.
  QPointF dragStart() const { return {DragStartX, DragStartY}; }

  // What the file panel needs.
  picture_db::Database& pictureDb() override;
  QString applicationFolder() const override { return appDir_; }
  toolkit::Dialogs& dialogs() override { return dialogs_; }
  toolkit::PictureArea& viewport() override { return *Picture1; }
  toolkit::PictureArea& preview() override { return *Picture2; }
  void hideRubberBand() override;
  std::optional<picture_db::PictureRecord> selectedPair() const override;
  void storeSelectedOriginal(const QString& name) override;
  void storeSelectedCopy(const QString& name) override;
  void showCoordinatesPanel(bool visible) override;
  void refreshSelectedPair() override;

 public slots:
  void Form_Load();
  void Form_Unload();
  void LstImages_ItemClick(int row);
  void LstCoord_ItemClick(int row);

  void CmdAdd_Click();
  void CmdUpd_Click();
  void CmdDel_Click();
  void CmdImgAdd_Click();
  void CmdImgUpd_Click();
  void CmdImgDel_Click();
  // Defined with the package transfer.
  void CmdExport_Click();
  void CmdImport_Click();

  void Picture1_MouseDown(int button, int shift, double x, double y);
  void Picture1_MouseMove(int button, int shift, double x, double y);
  void Picture1_MouseUp(int button, int shift, double x, double y);
  void Picture2_MouseDown(int button, int shift, double x, double y);
  void Picture2_MouseMove(int button, int shift, double x, double y);
  void Picture2_MouseUp(int button, int shift, double x, double y);

  // The file panel for the selected pair: what CmdImgUpd and the end of CmdImgAdd do.
  void openFilePanel();
  // "Verifica differenze" for the pair on screen (Ctrl+D, the difference list's menu).
  void checkDifferences();
  // "Crea coppia da una foto" (Ctrl+N, the picture list's menu).
  void makePairFromPhoto();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  struct ChosenDifference {
    int row;
    picture_db::PairId pair;
  };
  std::optional<ChosenDifference> chosenDifference();

  void buildWindow();
  void buildCoordinatesFrame();
  void buildLegend();
  void buildFileFrame();
  void connectHandlers();
  void installDifferenceCheck();
  void installPairMaking();

  void critical(const QString& text);
  void updateCmdAddEnabled();
  void writeLegendFromShape();
  // Holds the marked rectangle and shows it in the legend.
  void setMarked(const Edges& edges);
  void setShapeBox(const QRectF& box);
  bool previewCutEnabled() const;

  QString appDir_;
  toolkit::Dialogs& dialogs_;
  PairListPrefetch pairListAhead_;  // started before the window is built, taken by Form_Load
  // The open images.mdb from Form_Load to Form_Unload, and both lists.
  PairEditor editor_;
  Edges marked_{};

  // Controls, owned by the window and never replaced.
  toolkit::PictureArea* Picture1 = nullptr;
  toolkit::PictureArea* Picture2 = nullptr;
  toolkit::OverlayShape* shBorder = nullptr;
  QLabel* Image1 = nullptr;  // the width arrow under the picture area
  QLabel* Image2 = nullptr;  // the height arrow beside it
  QGroupBox* FraCoord = nullptr;
  FilePanel* FraFile = nullptr;  // the file panel, hidden while FraCoord is shown
  toolkit::ReportList* LstImages = nullptr;
  toolkit::ReportList* LstCoord = nullptr;
  QPushButton* CmdImgAdd = nullptr;
  QPushButton* CmdImgUpd = nullptr;
  QPushButton* CmdImgDel = nullptr;
  QPushButton* CmdAdd = nullptr;
  QPushButton* CmdUpd = nullptr;
  QPushButton* CmdDel = nullptr;
  QLabel* LblFile3 = nullptr;  // "Esporta con nome..."
  QLabel* LblFile4 = nullptr;  // "Importa"
  toolkit::FileList* File3 = nullptr;
  QPushButton* CmdImport = nullptr;
  QPushButton* CmdExport = nullptr;
  QLineEdit* TxtExport = nullptr;
  toolkit::PictureArea* Shape1Area = nullptr;  // holds the legend's rectangle
  toolkit::OverlayShape* Shape1 = nullptr;
  std::array<QFrame*, 4> Line{};  // Line1 .. Line4 at 0 .. 3
  std::array<QLabel*, 4> LblAxis{};
  QLabel* LblASH = nullptr;  // X1
  QLabel* LblASV = nullptr;  // Y1
  QLabel* LblBDH = nullptr;  // X2
  QLabel* LblBDV = nullptr;  // Y2
  QLabel* CurMove = nullptr;

  double DragStartX = 0;
  double DragStartY = 0;
};

}  // namespace editor
