// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Colours in the platform encoding red + 256 x green + 65536 x blue (orange 255, 128, 0
// is 33023), and back.
#include <QColor>

namespace toolkit {

constexpr int colourValue(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

inline QColor colourFromValue(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

inline int valueOfColour(const QColor& c) { return colourValue(c.red(), c.green(), c.blue()); }

// The circles' orange.
inline constexpr QColor kOrange(255, 128, 0);

}  // namespace toolkit
