// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The five kinds of picture file the game reads, and a scene written as each of them.
#include <QByteArray>
#include <QImage>

#include <string>

#include "tools/scene.h"

namespace sample_maker {

enum class PictureFormat { Bmp, Jpeg, Gif, Wmf, Emf };

// Lower-case file extension without the dot: "bmp", "jpg", "gif", "wmf", "emf".
std::string fileExtension(PictureFormat format);

// Whether the scene is painted with smoothed edges for this format. GIF keeps hard
// edges so its few flat colours fit an exact palette.
bool paintsSmoothly(PictureFormat format);

// The scene as the bytes of a file of the format. Throws std::runtime_error when the
// encoder fails.
QByteArray encodeScene(const Scene& scene, PictureFormat format);

// A raster picture as BMP, JPEG or GIF bytes.
QByteArray encodeRaster(const QImage& image, PictureFormat format);

// A scene as Windows metafile records (Wmf or Emf), written with libuemf: one logical
// unit is one pixel, so the picture's natural size is the scene's size. A Windows
// metafile is placeable, at 96 units per inch; an enhanced one's bounds are the picture
// in pixels, its frame the same area at 96 dots per inch. Throws std::runtime_error.
QByteArray encodeMetafile(const Scene& scene, PictureFormat format);

}  // namespace sample_maker
