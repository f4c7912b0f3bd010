// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// libwmf's SVG layer writes every colour as the nearest SVG colour name, so a WMF drawn
// through it comes out in about 140 colours. Before playing, each distinct colour of the
// records is swapped for a distinct named colour; afterwards the names in the SVG text
// are swapped back to the exact colours. Internal to the picture loader.
#include <QByteArray>
#include <QHash>
#include <QRgb>

namespace toolkit::metafile {

using ColourTags = QHash<QByteArray, QRgb>;  // colour name written by libwmf -> true colour

// Rewrites the colours of the records from recordsAt to the end-of-file record; the
// records have been checked to lie inside the bytes.
ColourTags tagColours(QByteArray& wmf, qsizetype recordsAt);

QByteArray untagColours(const QByteArray& svg, const ColourTags& tags);

}  // namespace toolkit::metafile
