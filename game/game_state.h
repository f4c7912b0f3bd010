#pragma once
// The course of a game, as the text the click on the copy dispatches on.
#include <QString>

namespace game::state {

inline const QString Game = QStringLiteral("Game");
inline const QString GameOver = QStringLiteral("GameOver");
inline const QString Restart = QStringLiteral("Restart");

}  // namespace game::state
