// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Verifica differenze": the copy of the pair on screen with the differences its
// pictures show and the rectangles stored for it, what does not match, and the offer to
// store the rectangles the pictures propose.
#include <QDialog>
#include <QString>
#include <vector>

#include "pair_check/pair_report.h"
#include "picture_db/check_queries.h"
#include "picture_db/records.h"

class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace editor {

class DifferenceCheckDialog : public QDialog {
  Q_OBJECT
 public:
  // Loads and compares both pictures of the pair; rows are its stored rectangles.
  DifferenceCheckDialog(const QString& appDir, const picture_db::PictureRecord& pair,
                        const std::vector<picture_db::DifferenceRect>& rows, QWidget* parent = nullptr);

  // What "Usa i rettangoli proposti" stores; empty when there is nothing to propose.
  const std::vector<picture_db::ProposedRect>& proposedRects() const { return proposed_; }
  const pair_check::PairReport& report() const { return report_; }

  QScrollArea* pictureArea = nullptr;
  QLabel* picture = nullptr;
  QListWidget* problemList = nullptr;
  QLabel* status = nullptr;
  QPushButton* useProposed = nullptr;  // "Usa i rettangoli proposti"
  QPushButton* closeButton = nullptr;  // "Chiudi"

 private:
  void build(const QImage& copy, const picture_db::PictureRecord& pair);

  pair_check::PairReport report_;
  std::vector<picture_db::ProposedRect> proposed_;
};

}  // namespace editor
