// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The JSON form of a pair's check, as vobrel-check --json prints it.
#include <QJsonObject>

#include "pair_check/pair_report.h"
#include "picture_db/records.h"

namespace pair_check {

QJsonObject pairJson(const picture_db::PictureRecord& pair, const PairReport& report);

}  // namespace pair_check
