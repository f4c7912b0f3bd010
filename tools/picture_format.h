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

}  // namespace sample_maker
