// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Paints a scene into a raster picture with QPainter.
#include <QImage>

#include "tools/scene.h"

namespace sample_maker {

// smooth: antialiased edges. Off for pictures that must keep to a small palette (GIF).
QImage paintScene(const Scene& scene, bool smooth);

}  // namespace sample_maker
