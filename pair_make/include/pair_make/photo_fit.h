// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A photo brought to the game's picture: read at the size that covers the frame
// (decoded smaller where the decoder allows it), then cropped to 380 x 436.
#include <QImage>
#include <QPoint>
#include <QString>

namespace pair_make {

// The photo scaled so that it covers the frame, in RGB. Throws PhotoRefused for a file
// that is not a regular file, is empty, is not a picture Qt reads, is over the picture
// loader's limits or smaller than half the frame.
QImage loadPhotoCoveringFrame(const QString& path);

// The frame's part of a covering photo: centred, moved by offset (in the covering
// photo's pixels) and kept within the photo.
QImage cropToFrame(const QImage& covering, QPoint offset = {});

// The largest offset each way that still keeps the frame within the photo.
QPoint maxCropOffset(const QImage& covering);

}  // namespace pair_make
