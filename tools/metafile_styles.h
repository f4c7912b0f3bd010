// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What both metafile writers share: the shapes to write and the pens and brushes they
// need, each made once and selected again when reused.
#include <QColor>

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "tools/scene.h"

namespace sample_maker {

// The scene's shapes with its background as a first rectangle over the whole picture.
std::vector<Shape> shapesWithBackground(const Scene& scene);

// A pen: colour and width; nothing for a shape without outline.
using PenStyle = std::optional<std::pair<QRgb, int>>;
// A brush: its colour; nothing for a shape without fill.
using BrushStyle = std::optional<QRgb>;

PenStyle penOf(const Shape& shape);
BrushStyle brushOf(const Shape& shape);

// Handles of the objects made so far, and the one currently selected.
template <typename Style>
struct StyleTable {
  std::map<Style, std::uint32_t> handles;
  bool anySelected = false;
  Style selected{};

  bool isSelected(const Style& style) const { return anySelected && selected == style; }
  void select(const Style& style) {
    anySelected = true;
    selected = style;
  }

  // Selects the style's object through selectRecord, making it first through make (which
  // writes its record and returns its handle) when the style is new.
  template <typename Make, typename SelectRecord>
  void use(const Style& style, Make make, SelectRecord selectRecord) {
    if (isSelected(style)) return;
    auto found = handles.find(style);
    if (found == handles.end()) found = handles.emplace(style, make()).first;
    selectRecord(found->second);
    select(style);
  }
};

}  // namespace sample_maker
