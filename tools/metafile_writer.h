// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Writes a scene as Windows metafile records with libuemf: one logical unit is one
// pixel, so the picture's natural size is the scene's size.
#include <QByteArray>

#include "tools/scene.h"

namespace sample_maker {

// A placeable Windows metafile at 96 units per inch. Throws std::runtime_error on failure.
QByteArray encodeWmf(const Scene& scene);

// An enhanced metafile whose header bounds are the picture in pixels and whose frame is
// the same area at 96 dots per inch. Throws std::runtime_error on failure.
QByteArray encodeEmf(const Scene& scene);

}  // namespace sample_maker
