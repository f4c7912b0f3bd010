// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Taking what a picture box shows as a picture that can be saved. The pixels are rendered
// from the widgets themselves (background, then the children at their places), so the
// result is what the box shows even when another window covers it on the screen.
#include <QImage>
#include <QList>
#include <QRgb>

class QWidget;

namespace editor {

// The whole box, as large as its outer size.
QImage GrabPictureBox(QWidget& box);

// The rectangle left, top, width x height of a window: of its inner area (inside its
// border) when clientOnly is set, of the whole window otherwise. Parts of the rectangle
// outside the window show the window's background colour.
QImage GrabWindowArea(QWidget& window, bool clientOnly, int left, int top, int width, int height);

// The picture to save from a grabbed bitmap. With a palette (a display of 256 colours) the
// picture keeps to those colours; without one it keeps the bitmap's own.
QImage BitmapToPicture(const QImage& bitmap, const QList<QRgb>& palette = {});

}  // namespace editor
