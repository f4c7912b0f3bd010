// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The problems of a pair in plain Italian, for the editor's window and vobrel-check.
#include <QString>

#include "pair_check/pair_report.h"

namespace pair_check {

// "x1,y1-x2,y2", whole numbers as they are stored; a null edge shows as "?".
QString edgesText(const Rect& r);

// One sentence; originalName and copyName are the pair's file names.
QString problemText(const Problem& p, const PairReport& report, const QString& originalName, const QString& copyName);

}  // namespace pair_check
