// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Pair numbers and the keys of the picture list: pair 12 has the key "I12".
#include <QString>
#include <QStringList>
#include <optional>

#include "picture_db/records.h"

namespace editor {

QString keyOfPair(picture_db::PairId id);
// The key without its first character as a pair number; nothing when it is not one.
std::optional<picture_db::PairId> pairOfKey(const QString& key);

// One more than the largest pair number among the keys, 1 when there is none (keys that
// are not pair keys are passed over). Nothing when the largest is the highest number a
// pair can have.
std::optional<picture_db::PairId> nextPairNumber(const QStringList& keys);

}  // namespace editor
