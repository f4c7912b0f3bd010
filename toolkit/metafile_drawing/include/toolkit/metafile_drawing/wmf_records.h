// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Windows metafile records checked before any library sees them: every record must lie
// inside the file and carry the parameters its kind needs. Also builds the probes and
// the cleaned copy that the player is given. No metafile library here.
#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <optional>

namespace toolkit::metafile::wmf {

inline constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
inline constexpr qsizetype kPlaceableBytes = 22;
inline constexpr qsizetype kHeaderBytes = 18;
inline constexpr int kScreenDpi = 96;

// A frame in the metafile's own logical units.
struct Frame {
  int left, top, right, bottom;
};

struct Layout {
  bool placeable = false;
  qsizetype headerAt = 0;
  QByteArray mapping;  // the leading records that set up the coordinate system
  bool hasWindowExt = false;
  qint32 orgX = 0, orgY = 0, extX = 0, extY = 0;
  qsizetype end = 0;  // bytes up to and including the end record
  quint32 largestRecord = 3;
  quint32 objects = 0;
};

// The file's layout when every record checks out, else the reason in *error.
std::optional<Layout> readLayout(const QByteArray& b, QString* error);

// The header of a metafile made of the given records, with its counts made true.
QByteArray headedRecords(const QByteArray& original, const Layout& l, const QByteArray& records, quint32 objects,
                         quint32 largest);

// The header, the coordinate set-up, an invisible pen and one rectangle over the frame.
QByteArray probeOf(const QByteArray& original, const Layout& l, const Frame& f);

}  // namespace toolkit::metafile::wmf
