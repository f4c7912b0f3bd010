// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/pair_numbering.h"

#include <cstdint>
#include <cstdio>
#include <limits>

namespace editor {

QString keyOfPair(picture_db::PairId id) {
  // One allocation per key: the editor makes one for every pair at start-up.
  char text[16];
  const int n = std::snprintf(text, sizeof text, "I%d", static_cast<int>(id));
  return QString::fromLatin1(text, n);
}

std::optional<picture_db::PairId> pairOfKey(const QString& key) {
  if (key.size() < 2) return std::nullopt;
  bool ok = false;
  const int n = key.mid(1).toInt(&ok, 10);
  if (!ok) return std::nullopt;
  return n;
}

std::optional<picture_db::PairId> nextPairNumber(const QStringList& keys) {
  std::int64_t candidate = 1;
  for (const QString& key : keys) {
    const auto n = pairOfKey(key);
    if (n && std::int64_t(*n) + 1 > candidate) candidate = std::int64_t(*n) + 1;
  }
  if (candidate > std::numeric_limits<picture_db::PairId>::max()) return std::nullopt;
  return static_cast<picture_db::PairId>(candidate);
}

}  // namespace editor
