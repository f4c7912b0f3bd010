// SPDX-License-Identifier: GPL-2.0-or-later
// The controls of the editor's window at their fixed places (pixels, relative to their
// container). Nothing moves when the window is resized.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "artwork/artwork.h"
#include "editor/file_panel.h"
#include "editor/frm_ortavi.h"
#include "toolkit/file_list.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"
#include "toolkit/report_list.h"

namespace editor {

namespace {
constexpr int kClientWidth = 664;
constexpr int kClientHeight = 464;

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int x, int y, int w, int h) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QLatin1String(name));
  b->setGeometry(x, y, w, h);
  return b;
}

QPushButton* pictureButton(QWidget* parent, const char* name, const char* picture, const QString& tip, int x, int y) {
  auto* b = button(parent, name, QString(), x, y, 25, 25);
  b->setIcon(QIcon(artwork::pixmap(QLatin1String(picture), QSize(16, 16))));
  b->setIconSize(QSize(16, 16));
  b->setToolTip(tip);
  return b;
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, int x, int y, int w, int h) {
  auto* l = new QLabel(caption, parent);
  l->setObjectName(name);
  l->setGeometry(x, y, w, h);
  return l;
}

// A caption at its place, never narrower than its text.
QLabel* caption(QWidget* parent, const QString& name, const QString& text, int x, int y, int w, int h) {
  QLabel* l = label(parent, name, text, x, y, w, h);
  l->resize(std::max(w, l->sizeHint().width()), std::max(h, l->sizeHint().height()));
  return l;
}

// A label on the given background and text colour roles of the palette.
void paintLabel(QLabel* l, QPalette::ColorRole background, QPalette::ColorRole text) {
  QPalette pal = l->palette();
  pal.setColor(QPalette::Window, pal.color(background));
  pal.setColor(QPalette::WindowText, pal.color(text));
  l->setPalette(pal);
  l->setAutoFillBackground(true);
}

// A one-pixel line from (x1, y1) towards (x2, y2), horizontal or vertical.
QFrame* line(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2, const QColor& colour) {
  auto* l = new QFrame(parent);
  l->setObjectName(name);
  l->setGeometry(std::min(x1, x2), std::min(y1, y2), std::max(1, std::abs(x2 - x1)), std::max(1, std::abs(y2 - y1)));
  QPalette pal = l->palette();
  pal.setColor(QPalette::Window, colour);
  l->setPalette(pal);
  l->setAutoFillBackground(true);
  l->setAttribute(Qt::WA_TransparentForMouseEvents);
  return l;
}
}  // namespace

void FrmOrtavi::buildWindow() {
  setObjectName(QStringLiteral("FrmOrtavi"));
  setWindowTitle(QStringLiteral("Setup Immagini"));
  QFont f = font();
  f.setPixelSize(11);  // the small type the fixed places are made for
  setFont(f);
  resize(kClientWidth, kClientHeight);
  setMouseTracking(true);

  Picture1 = new toolkit::PictureArea(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(0, 0, 382, 438);

  Picture2 = new toolkit::PictureArea(Picture1);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  Picture2->setGeometry(0, 0, 137, 89);
  Picture2->setSizedToPicture(true);
  Picture2->hide();

  shBorder = Picture1->addShape(1);
  shBorder->setObjectName(QStringLiteral("shBorder"));
  shBorder->setStyle(toolkit::OverlayShape::Style::Dashed);

  Image2 = label(this, QStringLiteral("Image2"), QString(), 382, 0, 17, 438);
  Image2->setScaledContents(true);
  Image2->setPixmap(artwork::pixmap(QLatin1String(artwork::kHeightArrow), QSize(15, 436)));
  Image2->setMouseTracking(true);

  Image1 = label(this, QStringLiteral("Image1"), QString(), 0, 438, 382, 17);
  Image1->setScaledContents(true);
  Image1->setPixmap(artwork::pixmap(QLatin1String(artwork::kWidthArrow), QSize(380, 15)));
  Image1->setMouseTracking(true);

  FraCoord = new QGroupBox(QStringLiteral("Coordinate"), this);
  FraCoord->setObjectName(QStringLiteral("FraCoord"));
  FraCoord->setGeometry(408, 0, 249, 457);
  FraCoord->setMouseTracking(true);
  buildCoordinatesFrame();
  buildLegend();

  buildFileFrame();
}

void FrmOrtavi::buildCoordinatesFrame() {
  QWidget* fr = FraCoord;
  LstImages = new toolkit::ReportList(fr);
  LstImages->setObjectName(QStringLiteral("LstImages"));
  LstImages->setGeometry(8, 16, 177, 89);
  LstImages->showModel(&editor_.pairs());
  LstImages->setColumnWidthPx(PairListModel::kCopyColumn, 155);
  LstImages->setColumnWidthPx(PairListModel::kOriginalColumn, 0);
  installPairMaking();

  CmdImgAdd = button(fr, "CmdImgAdd", QStringLiteral("&Add"), 192, 16, 49, 25);
  CmdImgUpd = button(fr, "CmdImgUpd", QStringLiteral("&Update"), 192, 48, 49, 25);
  CmdImgDel = button(fr, "CmdImgDel", QStringLiteral("&Delete"), 192, 80, 49, 25);

  LstCoord = new toolkit::ReportList(fr);
  LstCoord->setObjectName(QStringLiteral("LstCoord"));
  LstCoord->setGeometry(8, 112, 177, 97);
  LstCoord->showModel(&editor_.differences());
  for (int edge = 0; edge < 4; ++edge) LstCoord->setColumnWidthPx(edge, 39);

  CmdAdd = button(fr, "CmdAdd", QStringLiteral("&Add"), 192, 120, 49, 25);
  CmdUpd = button(fr, "CmdUpd", QStringLiteral("&Update"), 192, 152, 49, 25);
  CmdDel = button(fr, "CmdDel", QStringLiteral("&Delete"), 192, 184, 49, 25);

  LblFile4 = caption(fr, QStringLiteral("LblFile4"), QStringLiteral("Importa"), 8, 216, 35, 13);
  File3 = new toolkit::FileList(fr);
  File3->setObjectName(QStringLiteral("File3"));
  File3->setGeometry(8, 232, 201, 45);
  File3->setPattern(QStringLiteral("*.ozt"));
  CmdImport = pictureButton(fr, "CmdImport", artwork::kImportPicture, QStringLiteral("Importa"), 216, 248);

  LblFile3 = caption(fr, QStringLiteral("LblFile3"), QStringLiteral("Esporta con nome..."), 8, 280, 95, 13);
  CmdExport = pictureButton(fr, "CmdExport", artwork::kExportPicture, QStringLiteral("Esporta"), 216, 288);
  TxtExport = new QLineEdit(fr);
  TxtExport->setObjectName(QStringLiteral("TxtExport"));
  TxtExport->setGeometry(8, 296, 201, 19);

  CurMove = label(fr, QStringLiteral("CurMove"), QString(), 16, 408, 32, 32);
  CurMove->setPixmap(artwork::moveCursorPixmap());
  CurMove->hide();
}

void FrmOrtavi::buildLegend() {
  QWidget* fr = FraCoord;
  Shape1Area = new toolkit::PictureArea(fr);
  Shape1Area->setObjectName(QStringLiteral("Shape1Area"));
  Shape1Area->setGeometry(104, 368, 33, 41);
  Shape1Area->setMouseTracking(false);
  Shape1Area->setAttribute(Qt::WA_TransparentForMouseEvents);
  Shape1 = Shape1Area->addShape(1);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setStyle(toolkit::OverlayShape::Style::Dashed);
  Shape1->setBox(QRectF(0, 0, 33, 41));
  Shape1->show();

  const QColor red(255, 0, 0), blue(0, 0, 255);
  Line[0] = line(fr, QStringLiteral("Line1"), 88, 368, 104, 368, red);
  Line[1] = line(fr, QStringLiteral("Line2"), 104, 344, 104, 368, blue);
  Line[2] = line(fr, QStringLiteral("Line3"), 136, 408, 136, 432, blue);
  Line[3] = line(fr, QStringLiteral("Line4"), 152, 408, 136, 408, red);

  struct Axis {
    int index;
    const char* caption;
    int x, y;
  };
  for (const Axis& a :
       {Axis{1, "Y1", 104, 328}, Axis{0, "X1", 32, 368}, Axis{3, "X2", 152, 408}, Axis{2, "Y2", 136, 432}}) {
    QLabel* l = label(fr, QStringLiteral("LblAxis%1").arg(a.index), QLatin1String(a.caption), a.x, a.y, 17, 17);
    l->setAlignment(Qt::AlignCenter);
    paintLabel(l, QPalette::Highlight, QPalette::HighlightedText);
    LblAxis[a.index] = l;
  }
  auto value = [&](const char* name, int x, int y) {
    QLabel* l = label(fr, QLatin1String(name), QString(), x, y, 41, 17);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setIndent(2);
    paintLabel(l, QPalette::Base, QPalette::Text);
    return l;
  };
  LblASV = value("LblASV", 120, 328);
  LblASH = value("LblASH", 48, 368);
  LblBDH = value("LblBDH", 168, 408);
  LblBDV = value("LblBDV", 152, 432);
}

void FrmOrtavi::buildFileFrame() {
  // The panel places itself where FraCoord lies and starts hidden.
  FraFile = new FilePanel(*this, this);
  FraFile->setObjectName(QStringLiteral("FraFile"));
}

}  // namespace editor
