// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/difference_check_dialog.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QThread>
#include <QVBoxLayout>
#include <cmath>
#include <tuple>

#include "editor/difference_overlay.h"
#include "pair_check/problem_texts.h"
#include "pair_check/proposal.h"
#include "pair_check/stored_pair.h"
#include "toolkit/failure_reasons.h"

namespace editor {

namespace {
const char* kNothingToPropose = "Le differenze e i rettangoli corrispondono.";
const char* kProblemsLeft = "Nessun rettangolo da proporre: i problemi elencati vanno corretti a mano.";
const char* kChecking = "Controllo delle immagini in corso...";
const char* kShowOriginal = "Mostra l'&originale";
const char* kShowCopy = "Mostra la &copia";

QString proposalCount(size_t n) {
  return n == 1 ? QStringLiteral("Le immagini propongono 1 rettangolo.")
                : QStringLiteral("Le immagini propongono %1 rettangoli.").arg(n);
}

QSize mostOfTheScreen() {
  if (const QScreen* s = QGuiApplication::primaryScreen()) return s->availableSize() * 3 / 4;
  return QSize(900, 640);
}
}  // namespace

DifferenceCheckDialog::DifferenceCheckDialog(const QString& appDir, const picture_db::PictureRecord& pair,
                                             const std::vector<picture_db::DifferenceRect>& rows, QWidget* parent)
    : QDialog(parent), pair_(pair), rows_(rows) {
  setWindowTitle(QStringLiteral("Verifica differenze"));
  setModal(true);
  build();
  setCursor(Qt::BusyCursor);
  worker_ = QThread::create([this, dir = appDir.toStdString()] {
    pair_check::PictureSide original, copy;
    try {
      std::tie(original, copy) = pair_check::loadBothSides(dir, pair_.original, pair_.copy);
    } catch (const std::exception& e) {
      // Two large pictures may not fit in memory: the pair cannot be compared.
      original = copy = {QImage(), toolkit::failureReason(e)};
    }
    report_ = pair_check::checkLoadedPair(original, copy, pair_check::rectsOf(rows_));
    for (const pair_check::Proposal& p : pair_check::proposeRects(report_)) {
      picture_db::ProposedRect stored;
      if (p.replaces) stored.replaces = rows_[*p.replaces].rowid;
      stored.edges.x1 = static_cast<std::int32_t>(std::lround(p.rect.x1));
      stored.edges.y1 = static_cast<std::int32_t>(std::lround(p.rect.y1));
      stored.edges.x2 = static_cast<std::int32_t>(std::lround(p.rect.x2));
      stored.edges.y2 = static_cast<std::int32_t>(std::lround(p.rect.y2));
      proposed_.push_back(stored);
    }
    original_ = original.image;
    copy_ = copy.image;
  });
  connect(worker_, &QThread::finished, this, &DifferenceCheckDialog::showResult);
  worker_->start();
}

DifferenceCheckDialog::~DifferenceCheckDialog() {
  // Closed before the check ended: its result is not wanted, but its thread must end.
  worker_->wait();
  delete worker_;
}

void DifferenceCheckDialog::build() {
  auto* layout = new QVBoxLayout(this);

  picture = new QLabel(QString::fromUtf8(kChecking));
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setMargin(20);
  pictureArea = new QScrollArea;
  pictureArea->setWidget(picture);
  pictureArea->setWidgetResizable(false);
  layout->addWidget(pictureArea, 1);

  auto* legend =
      new QLabel(QStringLiteral("Tratteggiate in rosso e bianco le differenze trovate nelle immagini; "
                                "in blu i rettangoli salvati. Spazio mostra l'originale o la copia."));
  legend->setWordWrap(true);
  layout->addWidget(legend);

  layout->addWidget(new QLabel(QStringLiteral("Problemi:")));
  problemList = new QListWidget;
  layout->addWidget(problemList);

  status = new QLabel(QString::fromUtf8(kChecking));
  status->setWordWrap(true);
  layout->addWidget(status);

  auto* buttons = new QHBoxLayout;
  switchPicture = new QPushButton(QString::fromUtf8(kShowOriginal));
  switchPicture->setAutoDefault(false);
  switchPicture->setEnabled(false);
  buttons->addWidget(switchPicture);
  buttons->addStretch();
  useProposed = new QPushButton(QStringLiteral("Usa i rettangoli proposti"));
  closeButton = new QPushButton(QStringLiteral("Chiudi"));
  closeButton->setAutoDefault(false);
  useProposed->setAutoDefault(false);
  useProposed->setEnabled(false);
  closeButton->setDefault(true);
  buttons->addWidget(useProposed);
  buttons->addWidget(closeButton);
  layout->addLayout(buttons);
  connect(switchPicture, &QPushButton::clicked, this, &DifferenceCheckDialog::togglePicture);
  connect(useProposed, &QPushButton::clicked, this, &QDialog::accept);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
  // Space switches the picture wherever the focus is, even on a button.
  auto* space = new QShortcut(QKeySequence(Qt::Key_Space), this);
  connect(space, &QShortcut::activated, this, &DifferenceCheckDialog::togglePicture);
  closeButton->setFocus();
}

void DifferenceCheckDialog::showResult() {
  const QString original = QString::fromStdString(pair_.original), copyName = QString::fromStdString(pair_.copy);
  for (const pair_check::Problem& p : report_.problems) {
    problemList->addItem(pair_check::problemText(p, report_, original, copyName));
  }
  if (report_.problems.empty()) problemList->addItem(QStringLiteral("Nessun problema."));
  problemList->setMaximumHeight(problemList->sizeHintForRow(0) * 6 + 2 * problemList->frameWidth());
  // Wide enough for its longest line, as far as the screen allows.
  const int lines = problemList->sizeHintForColumn(0) + 2 * problemList->frameWidth() +
                    problemList->verticalScrollBar()->sizeHint().width() + 8;
  problemList->setMinimumWidth(std::min(lines, mostOfTheScreen().width()));

  if (!proposed_.empty()) {
    status->setText(proposalCount(proposed_.size()));
  } else {
    status->setText(QString::fromUtf8(report_.sound() ? kNothingToPropose : kProblemsLeft));
  }
  // Return means "use" whenever there is something to use, whatever has the focus;
  // with nothing to use it closes the window rather than doing nothing.
  const bool something = !proposed_.empty();
  useProposed->setEnabled(something);
  useProposed->setDefault(something);
  closeButton->setDefault(!something);
  switchPicture->setEnabled(!copy_.isNull() && !original_.isNull() && original_.size() == copy_.size());
  showPicture();
  if (something) {
    useProposed->setFocus();
  } else {
    closeButton->setFocus();
  }
  checking_ = false;
  unsetCursor();
  adjustSize();
  emit checked();
}

void DifferenceCheckDialog::showPicture() {
  const QImage& shown = showingOriginal_ ? original_ : copy_;
  if (shown.isNull()) {
    picture->setText(QStringLiteral("La copia non si può mostrare."));
  } else {
    picture->setMargin(0);
    picture->setPixmap(QPixmap::fromImage(drawCheckOverlay(shown, report_)));
  }
  picture->adjustSize();
  // Natural size when it fits, scrolled when larger than most of the screen.
  const QSize wanted = picture->sizeHint() + QSize(2 * pictureArea->frameWidth(), 2 * pictureArea->frameWidth());
  pictureArea->setMinimumSize(wanted.boundedTo(mostOfTheScreen()));
}

void DifferenceCheckDialog::togglePicture() {
  if (!switchPicture->isEnabled()) return;
  showingOriginal_ = !showingOriginal_;
  switchPicture->setText(QString::fromUtf8(showingOriginal_ ? kShowCopy : kShowOriginal));
  showPicture();
}

}  // namespace editor
