#pragma once
// The editor's fixed pictures, rendered from the SVG sources compiled into the program.
#include <QCursor>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace editor {

inline constexpr const char* kHeightArrow = ":/artwork/ortavi_height_436.svg";
inline constexpr const char* kWidthArrow = ":/artwork/ortavi_width_380.svg";
inline constexpr const char* kMoveCursor = ":/artwork/ortavi_move_cursor.svg";
inline constexpr const char* kExportPicture = ":/artwork/ortavi_export.svg";
inline constexpr const char* kImportPicture = ":/artwork/ortavi_import.svg";

// The picture at the given size on a transparent ground; null when the resource is missing.
QPixmap artworkPixmap(const QString& resource, const QSize& size);

// The 32 x 32 move pointer in black and white, hot spot at its arrow's tip (0, 0).
QPixmap moveCursorPixmap();
QCursor moveCursor();

}  // namespace editor
