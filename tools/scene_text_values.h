// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The numbers and colours of the scene texts, parsed once and worked out on every run.
#include <QColor>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tools/scene_composer.h"

namespace sample_maker::scene_text {

struct Env {
  Composer& c;
  std::map<std::string, int> vars;
};
using Number = std::function<int(Env&)>;
using Colour = std::function<QColor(Env&)>;
using Scope = std::vector<std::string>;  // the names a line may use

// Throws SceneScriptError with what.
[[noreturn]] void fail(const std::string& what);

Number number(const std::string& text, const Scope& scope);
Colour colour(const std::string& text, const Scope& scope);
std::vector<std::string> split(const std::string& text, char by);
// Adds a name for a loop or a let; refuses one already in use.
void declare(Scope& scope, const std::string& name);

}  // namespace sample_maker::scene_text
