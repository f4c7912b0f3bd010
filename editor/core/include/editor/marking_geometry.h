// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The geometry of the picture area's two mouse modes: the rubber band spanned from the
// press point to the pointer, and the preview dragged about under the viewport.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace editor {

// From the press point to the pointer whichever way it went: left and top are the
// smaller edges, width and height never negative. Nothing is clamped.
QRect rubberBand(const QPoint& press, const QPoint& pointer);

// The preview's new place when the pixel grabbed at dragStart (in the preview's own
// pixels) is now under pointer (also in the preview's pixels, taken before the move).
// Each axis moves on its own, and only when the viewport shows no gap on it afterwards.
QPoint pannedPosition(const QPoint& previewPos, const QSize& previewSize, const QSize& viewport,
                      const QPoint& dragStart, const QPoint& pointer);

}  // namespace editor
