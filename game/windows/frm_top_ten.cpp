// SPDX-License-Identifier: GPL-2.0-or-later
#include "game/frm_top_ten.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "artwork/artwork.h"
#include "game/score_text.h"
#include "toolkit/picture_area.h"

namespace game {

namespace {
constexpr QSize kTrophySize(195, 224);

QString scoreCell(const std::optional<double>& score) {
  if (!score) return QString();
  if (*score == std::floor(*score)) return scoreText(static_cast<std::int64_t>(*score));
  return QString::number(*score);
}
}  // namespace

frmTopTen::frmTopTen(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
  setWindowTitle(QStringLiteral("Top Ten Scores!!!"));
  setFixedSize(kClientWidth, kClientHeight);
  setModal(true);
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(12);
  font.setBold(true);
  setFont(font);

  for (int i = 0; i < kRows; ++i) {
    lblName[i] = new QLabel(this);
    lblName[i]->setGeometry(8, 16 + 24 * i, 137, 25);
    lblName[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblName[i]->setTextFormat(Qt::PlainText);  // a name is shown as typed, never as markup
    lblName[i]->setAutoFillBackground(true);
    QPalette p = lblName[i]->palette();
    p.setColor(QPalette::Window, p.color(QPalette::HighlightedText));
    lblName[i]->setPalette(p);

    lblPunti[i] = new QLabel(this);
    lblPunti[i]->setGeometry(152, 16 + 24 * i, 81, 25);
    lblPunti[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }

  Image1 = new toolkit::PictureArea(this);
  Image1->setGeometry(248, 16, 195, 224);
  Image1->setPicture(artwork::render(artwork::kTrophy, kTrophySize, palette().color(QPalette::Window)));

  cmdOK = new QPushButton(QStringLiteral("&Ok"), this);
  cmdOK->setGeometry(200, 272, 65, 25);
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &frmTopTen::cmdOK_Click);
}

void frmTopTen::showEntries(const std::vector<picture_db::HallOfFameEntry>& ranked) {
  for (int i = 0; i < kRows; ++i) {
    lblName[i]->clear();
    lblPunti[i]->clear();
  }
  const int shown = std::min<int>(kRows, static_cast<int>(ranked.size()));
  for (int i = 0; i < shown; ++i) {
    lblName[i]->setText(ranked[i].name ? QString::fromStdString(*ranked[i].name) : QString());
    lblPunti[i]->setText(scoreCell(ranked[i].score));
  }
}

void frmTopTen::cmdOK_Click() { accept(); }

}  // namespace game
