// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Verifica differenze": the copy of the pair on screen with the differences its
// pictures show and the rectangles stored for it, what does not match, and the offer to
// store the rectangles the pictures propose. The pictures are read and compared on a
// thread of their own, so that the window answers meanwhile.
#include <QDialog>
#include <QImage>
#include <QString>
#include <vector>

#include "pair_check/pair_report.h"
#include "picture_db/check_queries.h"
#include "picture_db/records.h"

class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;
class QThread;

namespace editor {

class DifferenceCheckDialog : public QDialog {
  Q_OBJECT
 public:
  // Starts reading and comparing both pictures of the pair; rows are its stored rectangles.
  DifferenceCheckDialog(const QString& appDir, const picture_db::PictureRecord& pair,
                        const std::vector<picture_db::DifferenceRect>& rows, QWidget* parent = nullptr);
  ~DifferenceCheckDialog() override;

  // True until the pictures are compared and shown.
  bool checking() const { return checking_; }
  // What "Usa i rettangoli proposti" stores; empty when there is nothing to propose.
  const std::vector<picture_db::ProposedRect>& proposedRects() const { return proposed_; }
  const pair_check::PairReport& report() const { return report_; }
  bool showingOriginal() const { return showingOriginal_; }

  QScrollArea* pictureArea = nullptr;
  QLabel* picture = nullptr;
  QListWidget* problemList = nullptr;
  QLabel* status = nullptr;
  QPushButton* switchPicture = nullptr;  // "Mostra l'originale" / "Mostra la copia", or Space
  QPushButton* useProposed = nullptr;    // "Usa i rettangoli proposti"
  QPushButton* closeButton = nullptr;    // "Chiudi"

 signals:
  void checked();

 private:
  void build();
  void showResult();
  void showPicture();
  void togglePicture();

  picture_db::PictureRecord pair_;
  std::vector<picture_db::DifferenceRect> rows_;
  QThread* worker_ = nullptr;
  bool checking_ = true;
  bool showingOriginal_ = false;
  // Written by the worker, read once it has finished.
  QImage original_, copy_;
  pair_check::PairReport report_;
  std::vector<picture_db::ProposedRect> proposed_;
};

}  // namespace editor
