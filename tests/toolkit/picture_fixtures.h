// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Picture files of every kind the loader reads, made on the spot: bitmap and JPEG by
// Qt, GIF by giflib, Windows and enhanced metafiles by libuemf. Each shows the same
// scene: filled rectangles on a white page.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace picture_fixtures {

struct Fill {
  QRect rect;  // pixels, both edges inside the fill
  QColor colour;
};

struct Scene {
  QSize size;
  std::vector<Fill> fills;
};

// A page of 120 x 80 pixels with a red block and a blue block, margins left white.
Scene sampleScene();

QImage sceneImage(const Scene& scene);
QByteArray bmpOf(const Scene& scene);
QByteArray jpegOf(const Scene& scene);
QByteArray gifOf(const Scene& scene);

enum class WmfHeader {
  Placeable96,     // placeable header, 96 units to the inch: one unit one pixel
  PlaceableTwips,  // placeable header, 1440 units to the inch
  Plain,           // no placeable header: the window extent gives the size
};
QByteArray wmfOf(const Scene& scene, WmfHeader header = WmfHeader::Placeable96, bool transparentBackground = false);

// The header's bounds hug the drawing, as the programs that write metafiles set them;
// the frame is the whole page.
QByteArray emfOf(const Scene& scene);

// A metafile holding one polygon of the given points, for damaging its point count.
QByteArray wmfWithPolygon(const Scene& scene, const std::vector<QPoint>& points);
QByteArray emfWithPolygon(const Scene& scene, const std::vector<QPoint>& points);

// The scene, a small bitmap stretched over a rectangle, and a line of black text: the
// records of metafiles that carry more than shapes.
struct TextAndBitmap {
  QRect bitmapAt{60, 5, 40, 20};
  QColor bitmapColour{0, 192, 0};
  QString text = QStringLiteral("Vobrel");
  QPoint textAt{8, 48};
  int textHeight = 16;
};
QByteArray wmfWithTextAndBitmap(const Scene& scene, const TextAndBitmap& extra = {});
QByteArray emfWithTextAndBitmap(const Scene& scene, const TextAndBitmap& extra = {});

// Offset of the first record with that function (WMF) or type (EMF); -1 if none.
qsizetype wmfRecordAt(const QByteArray& wmf, quint16 function);
qsizetype emfRecordAt(const QByteArray& emf, quint32 type);

}  // namespace picture_fixtures
