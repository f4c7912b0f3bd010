// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The score as its label shows it: plain decimal text.
#include <QString>
#include <cstdint>

namespace game {

QString scoreText(std::int64_t score);

}  // namespace game
