// SPDX-License-Identifier: GPL-2.0-or-later
#include "game/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "artwork/artwork.h"
#include "game/close_request_filter.h"
#include "game/frm_top_ten.h"
#include "game/score_text.h"
#include "storage/app_folders.h"
#include "toolkit/colour.h"
#include "toolkit/dialogs.h"
#include "toolkit/failure_reasons.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"
#include "toolkit/startup_error.h"

namespace game {

namespace {
constexpr QColor kBarBlue(0, 0, 255);
constexpr QSize kIconSize(32, 32);
constexpr QSize kFlagSize(94, 118);

QFont arial(double points, bool bold = true) {
  QFont f(QStringLiteral("Arial"));
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

QLabel* captionLabel(QWidget* parent, const QString& text, Qt::Alignment align, double points) {
  auto* l = new QLabel(text, parent);
  l->setFont(arial(points));
  l->setAlignment(align | Qt::AlignVCenter);
  return l;
}
}  // namespace

Form1::Form1(const QString& appDir, std::uint32_t seed, toolkit::Dialogs& dialogs, QWidget* parent)
    : Form1(appDir, appDir, seed, dialogs, parent) {}

Form1::Form1(const QString& appDir, const QString& deliveredDir, std::uint32_t seed, toolkit::Dialogs& dialogs,
             QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      endProgram([] { QCoreApplication::exit(0); }),
      appDir_(appDir),
      deliveredDir_(deliveredDir),
      seed_(seed),
      dialogs_(dialogs),
      session_(store_,
               [app = appDir.toStdString()](const std::string& fileName) { return readPairPicture(app, fileName); }) {
  setWindowTitle(QStringLiteral("Vobrel"));
  setFixedSize(kClientWidth, kClientHeight);
  closeRequests_ = std::make_unique<CloseRequestFilter>(*this);
  buildControls();
  placeControls();
  connectSession();
  Form_Load();
}

Form1::~Form1() {
  ending_ = true;
  Timer1->stop();
  TmrColors->stop();
  TmrFlag->stop();
}

void Form1::buildControls() {
  LblLabel[0] = captionLabel(this, QStringLiteral("Originale"), Qt::AlignHCenter, 14.25);
  LblLabel[1] = captionLabel(this, QStringLiteral("Copia"), Qt::AlignHCenter, 14.25);
  LblLabel[2] = captionLabel(this, QStringLiteral("Punti"), Qt::AlignRight, 14.25);

  Image1 = new toolkit::PictureArea(this);
  Image1->setSunkenBorder(true);
  Image2 = new toolkit::PictureArea(this);
  Image2->setSunkenBorder(true);
  for (auto& circle : Diff) {
    circle = Image2->addShape(0);
    circle->setBorderColor(toolkit::kOrange);
    circle->setBorderWidth(2);
    circle->hide();
  }
  connect(Image2, &toolkit::PictureArea::mouseUp, this, &Form1::Image2_MouseUp);

  IconWrong = new toolkit::PictureArea(this);
  IconWrong->setSizedToPicture(true);
  IconWrong->setPicture(artwork::render(artwork::kNotFoundIcon, kIconSize));
  IconWrong->hide();
  IconRight = new toolkit::PictureArea(this);
  IconRight->setSizedToPicture(true);
  IconRight->setPicture(artwork::render(artwork::kFoundIcon, kIconSize));
  IconRight->hide();
  for (auto& marker : PicMatches) marker = new toolkit::PictureArea(this);

  lblTime = new QLabel(this);
  lblTime->setAutoFillBackground(true);
  QPalette bar = lblTime->palette();
  bar.setColor(QPalette::Window, kBarBlue);
  lblTime->setPalette(bar);

  lblPunti = captionLabel(this, QString(), Qt::AlignHCenter, 15.75);
  cmdExit = new QPushButton(QStringLiteral("&Esci"), this);
  cmdExit->setFont(arial(14.25));
  connect(cmdExit, &QPushButton::clicked, this, &Form1::cmdExit_Click);

  // The flag lies over the left picture, so it is made after it.
  PicFlag = new toolkit::PictureArea(this);
  PicFlag->setSizedToPicture(true);
  PicFlag->setPicture(artwork::render(artwork::kWhiteFlag, kFlagSize, Qt::transparent));
  PicFlag->hide();

  Timer1 = new QTimer(this);
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
  TmrColors = new QTimer(this);
  // About 33 colour changes a second: a rapid flicker for a small share of a core.
  TmrColors->setInterval(30);
  connect(TmrColors, &QTimer::timeout, this, &Form1::TmrColors_Timer);
  TmrFlag = new QTimer(this);
  TmrFlag->setInterval(300);
  connect(TmrFlag, &QTimer::timeout, this, &Form1::TmrFlag_Timer);
}

void Form1::placeControls() {
  LblLabel[0]->setGeometry(8, 8, 385, 25);
  LblLabel[1]->setGeometry(400, 8, 385, 25);
  Image1->setGeometry(8, 32, 385, 441);
  Image2->setGeometry(400, 32, 385, 441);
  for (int i = 0; i < kMarkerCount; ++i) PicMatches[i]->setGeometry(8 + 40 * i, 496, 33, 33);
  lblTime->setGeometry(8, 536, 361, 25);
  LblLabel[2]->setGeometry(448, 536, 81, 25);
  lblPunti->setGeometry(552, 528, 121, 33);
  cmdExit->setGeometry(704, 528, 73, 33);
  PicFlag->move(233, 29);
  PicFlag->raise();
}

void Form1::Form_Load() {
  try {
    storage::ensureFolders(appDir_.toStdString(),
                           {storage::kImagesFolder, storage::kImportFolder, storage::kExportFolder});
  } catch (const std::exception& e) {
    throw toolkit::StartupError(failureText(tr("Impossibile preparare le cartelle del gioco"), e).toStdString());
  }
  session_.prepare(seed_, static_cast<int>(std::lround(lblTime->width() * TimeBar::kTwipsPerPixel)));
  const std::string dbPath = storage::databasePath(appDir_.toStdString());
  try {
    store_.open(dbPath);
    store_.database().leaveLogOnClose();
    store_.database().setLockWait(
        kLockWaitMs, [this](bool) { whileDatabaseLocked(); }, [this] { return ending_; });
    session_.clearFoundMarks();
  } catch (const picture_db::DbError& e) {
    store_.close();
    // Closed while it waited: the program ends without a word.
    if (ending_) return;
    // The window goes with the failure, so the pointer cannot wait for it.
    if (waitingForDatabase_) endDatabaseWait();
    throw toolkit::StartupError(
        failureText(tr("Impossibile aprire il database %1").arg(QString::fromStdString(dbPath)), e).toStdString());
  }
  guarded([&] { session_.firstPair(); });
}

QString Form1::failureText(const QString& what, const std::exception& e) const {
  return what + QStringLiteral(":\n") + toolkit::failureReason(e);
}

void Form1::guarded(const std::function<void()>& body) {
  try {
    body();
  } catch (const picture_db::DbError& e) {
    // A statement cut short because the window closed meanwhile is no error to show.
    if (ending_) return;
    dialogs_.messageBox(failureText(tr("Errore nel database"), e), toolkit::box::Critical);
  } catch (const std::exception& e) {
    // A picture too large to hold, or any other failure, costs this action, not the game.
    dialogs_.messageBox(failureText(tr("Errore"), e), toolkit::box::Critical);
  }
}

void Form1::cmdExit_Click() { close(); }

void Form1::closeEvent(QCloseEvent* event) {
  ending_ = true;
  session_.end();
  Timer1->stop();
  TmrColors->stop();
  TmrFlag->stop();
  if (topTen_) topTen_->reject();
  event->accept();
  if (endProgram) endProgram();
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (centred_) return;
  centred_ = true;
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

}  // namespace game
