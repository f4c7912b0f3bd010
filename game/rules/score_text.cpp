// SPDX-License-Identifier: GPL-2.0-or-later
#include "game/score_text.h"

namespace game {

QString scoreText(std::int64_t score) { return QString::number(score); }

}  // namespace game
