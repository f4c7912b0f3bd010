// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The hall-of-fame window: the ten best names and scores beside the trophy. Made afresh
// for each showing, shown modal, gone when closed.
#include <QDialog>
#include <array>
#include <vector>

#include "picture_db/records.h"

class QLabel;
class QPushButton;

namespace toolkit {
class PictureArea;
}

namespace game {

class frmTopTen : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kRows = 10;
  static constexpr int kClientWidth = 459;
  static constexpr int kClientHeight = 312;

  explicit frmTopTen(QWidget* parent = nullptr);

  // Fills the lines from the first ten entries; a missing name or score is an empty cell.
  void showEntries(const std::vector<picture_db::HallOfFameEntry>& ranked);

  std::array<QLabel*, kRows> lblName{};
  std::array<QLabel*, kRows> lblPunti{};
  toolkit::PictureArea* Image1 = nullptr;
  QPushButton* cmdOK = nullptr;

 public slots:
  void cmdOK_Click();
};

}  // namespace game
