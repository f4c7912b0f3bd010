// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a report list asks of a model beside its texts.
#include <Qt>

namespace toolkit::ReportListRole {

// The row's key, a QString; empty when the row has none.
inline constexpr int Key = Qt::UserRole + 1;
// The caller's data of the row.
inline constexpr int RowData = Qt::UserRole + 2;

}  // namespace toolkit::ReportListRole
