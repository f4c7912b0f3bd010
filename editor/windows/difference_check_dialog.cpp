// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/difference_check_dialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "editor/difference_overlay.h"
#include "pair_check/problem_texts.h"
#include "pair_check/proposal.h"
#include "pair_check/stored_pair.h"

namespace editor {

namespace {
const char* kNothingToPropose = "Le differenze e i rettangoli corrispondono.";
const char* kProblemsLeft = "Nessun rettangolo da proporre: i problemi elencati vanno corretti a mano.";

QString proposalCount(size_t n) {
  return n == 1 ? QStringLiteral("Le immagini propongono 1 rettangolo.")
                : QStringLiteral("Le immagini propongono %1 rettangoli.").arg(n);
}
}  // namespace

DifferenceCheckDialog::DifferenceCheckDialog(const QString& appDir, const picture_db::PictureRecord& pair,
                                             const std::vector<picture_db::DifferenceRect>& rows, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Verifica differenze"));
  setModal(true);
  const std::string dir = appDir.toStdString();
  const auto [original, copy] = pair_check::loadBothSides(dir, pair.original, pair.copy);
  report_ = pair_check::checkLoadedPair(original, copy, pair_check::rectsOf(rows));
  for (const pair_check::Proposal& p : pair_check::proposeRects(report_)) {
    picture_db::ProposedRect stored;
    if (p.replaces) stored.replaces = rows[*p.replaces].rowid;
    stored.edges.x1 = static_cast<std::int32_t>(std::lround(p.rect.x1));
    stored.edges.y1 = static_cast<std::int32_t>(std::lround(p.rect.y1));
    stored.edges.x2 = static_cast<std::int32_t>(std::lround(p.rect.x2));
    stored.edges.y2 = static_cast<std::int32_t>(std::lround(p.rect.y2));
    proposed_.push_back(stored);
  }
  build(copy.image, pair);
}

void DifferenceCheckDialog::build(const QImage& copy, const picture_db::PictureRecord& pair) {
  auto* layout = new QVBoxLayout(this);

  picture = new QLabel;
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (copy.isNull()) {
    picture->setText(QStringLiteral("La copia non si può mostrare."));
    picture->setMargin(20);
  } else {
    picture->setPixmap(QPixmap::fromImage(drawCheckOverlay(copy, report_)));
  }
  pictureArea = new QScrollArea;
  pictureArea->setWidget(picture);
  pictureArea->setWidgetResizable(false);
  // Natural size when it fits, scrolled when larger than most of the screen.
  QSize most(900, 640);
  if (const QScreen* s = QGuiApplication::primaryScreen()) most = s->availableSize() * 3 / 4;
  const QSize wanted = picture->sizeHint() + QSize(2 * pictureArea->frameWidth(), 2 * pictureArea->frameWidth());
  pictureArea->setMinimumSize(wanted.boundedTo(most));
  layout->addWidget(pictureArea, 1);

  auto* legend =
      new QLabel(QStringLiteral("In rosso, tratteggiate, le differenze trovate nelle immagini; "
                                "in blu i rettangoli salvati."));
  legend->setWordWrap(true);
  layout->addWidget(legend);

  layout->addWidget(new QLabel(QStringLiteral("Problemi:")));
  problemList = new QListWidget;
  const QString original = QString::fromStdString(pair.original), copyName = QString::fromStdString(pair.copy);
  for (const pair_check::Problem& p : report_.problems) {
    problemList->addItem(pair_check::problemText(p, report_, original, copyName));
  }
  if (report_.problems.empty()) problemList->addItem(QStringLiteral("Nessun problema."));
  problemList->setMaximumHeight(problemList->sizeHintForRow(0) * 6 + 2 * problemList->frameWidth());
  layout->addWidget(problemList);

  status = new QLabel;
  status->setWordWrap(true);
  if (!proposed_.empty()) {
    status->setText(proposalCount(proposed_.size()));
  } else {
    status->setText(QString::fromUtf8(report_.sound() ? kNothingToPropose : kProblemsLeft));
  }
  layout->addWidget(status);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  useProposed = new QPushButton(QStringLiteral("Usa i rettangoli proposti"));
  closeButton = new QPushButton(QStringLiteral("Chiudi"));
  // Return means "use" whenever there is something to use, whatever has the focus;
  // with nothing to use it closes the window rather than doing nothing.
  const bool something = !proposed_.empty();
  closeButton->setAutoDefault(false);
  useProposed->setAutoDefault(false);
  useProposed->setEnabled(something);
  useProposed->setDefault(something);
  closeButton->setDefault(!something);
  buttons->addWidget(useProposed);
  buttons->addWidget(closeButton);
  layout->addLayout(buttons);
  connect(useProposed, &QPushButton::clicked, this, &QDialog::accept);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
  if (useProposed->isEnabled()) {
    useProposed->setFocus();
  } else {
    closeButton->setFocus();
  }
}

}  // namespace editor
