// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The windows' fixed pictures, drawn from the SVG sources compiled into the programs.
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace artwork {

// The programs' own icons.
inline constexpr const char* kGameIcon = ":/artwork/vobrel.svg";
inline constexpr const char* kEditorIcon = ":/artwork/ortavi.svg";

// The game's.
inline constexpr const char* kNotFoundIcon = ":/artwork/red_cross.svg";
inline constexpr const char* kFoundIcon = ":/artwork/green_tick.svg";
inline constexpr const char* kWhiteFlag = ":/artwork/white_flag_in_hand.svg";
inline constexpr const char* kTrophy = ":/artwork/winner_trophy.svg";

// The editor's.
inline constexpr const char* kHeightArrow = ":/artwork/ortavi_height_436.svg";
inline constexpr const char* kWidthArrow = ":/artwork/ortavi_width_380.svg";
inline constexpr const char* kMoveCursor = ":/artwork/ortavi_move_cursor.svg";
inline constexpr const char* kExportPicture = ":/artwork/ortavi_export.svg";
inline constexpr const char* kImportPicture = ":/artwork/ortavi_import.svg";

// The picture at the given size over the background; null when the resource is missing.
QImage render(const QString& resource, QSize size, const QColor& background = Qt::transparent);

// The picture at the given size on a transparent ground; null when the resource is missing.
QPixmap pixmap(const QString& resource, const QSize& size);

// The icon at the sizes a desktop asks for, 16 to 256 pixels; null when the resource is missing.
QIcon icon(const QString& resource);

// The 32 x 32 move pointer in black and white; its hot spot is the arrow's tip (0, 0).
QPixmap moveCursorPixmap();

}  // namespace artwork
