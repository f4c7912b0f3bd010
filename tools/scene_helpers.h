// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Groups of pieces several scenes share, called from the scene texts by name.
#include <QColor>

#include <optional>
#include <string>
#include <vector>

#include "tools/scene_composer.h"

namespace sample_maker {

struct SceneHelper {
  const char* name;
  const char* arguments;  // one letter an argument: n a number, c a colour
  void (*run)(Composer& c, const std::vector<int>& numbers, const std::vector<QColor>& colours);
};

const SceneHelper* sceneHelper(const std::string& name);

std::optional<PieceKind> pieceKindNamed(const std::string& name);

}  // namespace sample_maker
