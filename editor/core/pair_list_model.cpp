// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/pair_list_model.h"

#include <algorithm>
#include <stdexcept>

#include "editor/pair_numbering.h"
#include "toolkit/report_list_roles.h"

namespace editor {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

void PairListModel::setPairs(std::vector<picture_db::PictureRecord> pairs) {
  // Pairs usually come in rising order, which proves them distinct in one pass; otherwise
  // one sorted copy of the numbers: no allocation per pair on a list of thousands.
  const bool rising = std::adjacent_find(pairs.begin(), pairs.end(),
                                         [](const auto& a, const auto& b) { return a.id >= b.id; }) == pairs.end();
  if (!rising) {
    std::vector<picture_db::PairId> ids;
    ids.reserve(pairs.size());
    for (const auto& p : pairs) ids.push_back(p.id);
    std::sort(ids.begin(), ids.end());
    if (const auto twice = std::adjacent_find(ids.begin(), ids.end()); twice != ids.end()) {
      throw std::invalid_argument("two pairs numbered " + std::to_string(*twice));
    }
  }
  setRecords(std::move(pairs));
}

int PairListModel::append(picture_db::PictureRecord pair) {
  if (rowOfPair(pair.id)) throw std::invalid_argument("two pairs numbered " + std::to_string(pair.id));
  return RecordListModel::append(std::move(pair));
}

std::optional<int> PairListModel::rowOfPair(picture_db::PairId id) const {
  for (int i = 0; i < rowCount(); ++i) {
    if (pair(i).id == id) return i;
  }
  return std::nullopt;
}

void PairListModel::setOriginal(int row, const std::string& name) {
  change(row, kOriginalColumn, kOriginalColumn, [&](picture_db::PictureRecord& p) { p.original = name; });
}

void PairListModel::setCopy(int row, const std::string& name) {
  change(row, kCopyColumn, kCopyColumn, [&](picture_db::PictureRecord& p) { p.copy = name; });
}

int PairListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant PairListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return QVariant();
  const picture_db::PictureRecord& p = pair(index.row());
  if (role == toolkit::ReportListRole::Key) return keyOfPair(p.id);
  const QString shown = q(index.column() == kCopyColumn ? p.copy : p.original);
  // Rows of pairs still without files read alike; the tooltip tells them apart.
  if (role == Qt::ToolTipRole) return QStringLiteral("%1 (coppia n. %2)").arg(shown).arg(p.id);
  if (role != Qt::DisplayRole) return QVariant();
  return shown;
}

QVariant PairListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
  if (section == kCopyColumn) return QStringLiteral("Immagini");
  if (section == kOriginalColumn) return QStringLiteral("Originale");
  return QVariant();
}

}  // namespace editor
