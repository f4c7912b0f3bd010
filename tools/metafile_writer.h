// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Writes a scene as Windows metafile records with libuemf: one logical unit is one
// pixel, so the picture's natural size is the scene's size.
#include <QByteArray>

#include "tools/scene.h"

namespace sample_maker {

enum class MetafileKind {
  Wmf,  // a placeable Windows metafile at 96 units per inch
  Emf,  // an enhanced metafile: bounds the picture in pixels, frame the same area at 96 dots per inch
};

// The scene as the bytes of a metafile of the kind. Throws std::runtime_error on failure.
QByteArray encodeMetafile(const Scene& scene, MetafileKind kind);

}  // namespace sample_maker
