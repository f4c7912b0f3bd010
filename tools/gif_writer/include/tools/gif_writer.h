// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Writes a raster picture as a GIF with giflib (Qt reads GIFs but cannot write them).
#include <QByteArray>
#include <QImage>

namespace sample_maker {

// The picture as GIF89a bytes. A picture of at most 256 colours keeps them exactly;
// one with more is reduced to a fixed 256-colour cube. Throws std::runtime_error with
// giflib's reason when encoding fails.
QByteArray encodeGif(const QImage& image);

}  // namespace sample_maker
