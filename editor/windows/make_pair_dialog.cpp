// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/make_pair_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/make_pair_views.h"
#include "pair_make/pair_maker.h"
#include "pair_make/photo_fit.h"
#include "toolkit/failure_reasons.h"

namespace editor {

namespace {
// The first changes of a crop and level are those vobrel-make-pair gives the same photo.
constexpr std::uint64_t kFirstSeed = 1;
}  // namespace

MakePairDialog::MakePairDialog(const QImage& covering, QWidget* parent) : QDialog(parent), covering_(covering) {
  setWindowTitle(QStringLiteral("Crea coppia da una foto"));
  setModal(true);
  photo = new CropView(this);
  copy = new ChangesView(this);
  photo->setToolTip(QStringLiteral("Trascinare la foto per scegliere la parte da usare"));
  copy->setToolTip(QStringLiteral("Un clic su una differenza la sostituisce con un'altra"));
  level = new QComboBox(this);
  level->addItems({QStringLiteral("Facile"), QStringLiteral("Normale"), QStringLiteral("Difficile")});
  level->setCurrentIndex(1);
  auto* levelLabel = new QLabel(QStringLiteral("Livello"), this);
  levelLabel->setBuddy(level);
  moreChanges = new QPushButton(QStringLiteral("Altre differenze"), this);
  save = new QPushButton(QStringLiteral("Salva la coppia"), this);
  cancel = new QPushButton(QStringLiteral("Annulla"), this);
  moreChanges->setAutoDefault(false);
  cancel->setAutoDefault(false);
  save->setDefault(true);
  status = new QLabel(this);
  status->setWordWrap(true);

  auto* pictures = new QHBoxLayout;
  pictures->addWidget(photo);
  pictures->addWidget(copy);
  auto* controls = new QHBoxLayout;
  controls->addWidget(levelLabel);
  controls->addWidget(level);
  controls->addWidget(moreChanges);
  controls->addStretch(1);
  controls->addWidget(save);
  controls->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(pictures);
  layout->addWidget(status);
  layout->addLayout(controls);

  photo->setPhoto(covering_);
  connect(photo, &CropView::cropMoved, this, [this] {
    seed_ = kFirstSeed;
    remake();
  });
  connect(level, &QComboBox::currentIndexChanged, this, [this] {
    seed_ = kFirstSeed;
    remake();
  });
  connect(moreChanges, &QPushButton::clicked, this, [this] { redrawAll(); });
  connect(copy, &ChangesView::changeClicked, this, [this](int index) { redrawOne(index); });
  connect(save, &QPushButton::clicked, this, [this] {
    if (pair()) accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  remake();
}

MakePairDialog::~MakePairDialog() = default;

const pair_make::MadePair* MakePairDialog::pair() const { return maker_ ? &maker_->pair() : nullptr; }

template <typename Step>
void MakePairDialog::making(Step&& step) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    step();
    status->setText(QStringLiteral("Un clic su una differenza la sostituisce con un'altra."));
  } catch (const pair_make::PhotoRefused& e) {
    maker_.reset();
    status->setText(QString::fromUtf8(e.what()));
  } catch (const std::exception& e) {
    maker_.reset();
    status->setText(toolkit::failureReason(e));
  }
  QApplication::restoreOverrideCursor();
  showPair();
}

void MakePairDialog::remake() {
  making([this] {
    maker_.reset();
    const QImage frame = pair_make::cropToFrame(covering_, photo->offset());
    maker_ = std::make_unique<pair_make::PairMaker>(frame, pair_make::Level(level->currentIndex()), seed_);
  });
}

void MakePairDialog::redrawAll() {
  if (!maker_) {
    ++seed_;  // the last seed was refused: another draw
    return remake();
  }
  making([this] { maker_->redrawAll(); });
}

void MakePairDialog::redrawOne(int index) {
  if (!maker_) return;
  making([this, index] { maker_->redraw(index); });
}

void MakePairDialog::showPair() {
  const pair_make::MadePair* made = pair();
  // "Altre differenze" stays: after a refusal it tries this crop and level afresh.
  save->setEnabled(made != nullptr);
  if (!made) {
    copy->clear();
    return;
  }
  std::vector<QPolygon> outlines;
  std::vector<QRect> boxes;
  for (const pair_make::MadeChange& c : made->changes) {
    outlines.push_back(c.outline);
    boxes.push_back(c.area);
  }
  copy->show(made->copy, outlines, boxes);
}

}  // namespace editor
