#pragma once
// The window's fixed pictures, drawn from the SVG sources compiled into the program.
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace game {

inline constexpr const char* kNotFoundIcon = ":/artwork/red_cross.svg";
inline constexpr const char* kFoundIcon = ":/artwork/green_tick.svg";
inline constexpr const char* kWhiteFlag = ":/artwork/white_flag_in_hand.svg";
inline constexpr const char* kTrophy = ":/artwork/winner_trophy.svg";

// The picture at the given size over the background; null when the resource is missing.
QImage renderArtwork(const QString& resource, QSize size, const QColor& background = Qt::transparent);

}  // namespace game
