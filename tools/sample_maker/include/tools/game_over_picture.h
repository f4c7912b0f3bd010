// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The picture the game shows in place of the unaltered picture once a game is over.
#include <QImage>

namespace sample_maker {

inline constexpr int kGameOverWidth = 360;
inline constexpr int kGameOverHeight = 420;

// "GAME OVER" lettering on a dark starry ground. Needs a running QGuiApplication for
// its fonts; throws std::runtime_error when no font can draw the lettering.
QImage drawGameOverPicture();

}  // namespace sample_maker
