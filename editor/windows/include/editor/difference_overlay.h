// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The copy of a pair with what the check found drawn over it.
#include <QColor>
#include <QImage>

#include "pair_check/pair_report.h"

namespace editor {

// Red for what the pictures show, blue for what the database holds: apart at a glance,
// and neither is a colour the sample scenes lean on.
inline const QColor kFoundDifferenceColour(230, 0, 0);
inline const QColor kStoredRectColour(0, 90, 255);
// Under every outline: the gaps of the red dashes, and a rim round the blue lines.
inline const QColor kOutlineUnderColour(255, 255, 255);

// The picture in 32-bit colour with each found difference outlined just outside its
// changed pixels and each stored rectangle drawn on its edges, in lines that show on
// any colour and at the picture's edges.
QImage drawCheckOverlay(const QImage& copy, const pair_check::PairReport& report);

}  // namespace editor
