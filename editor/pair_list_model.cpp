#include "editor/pair_list_model.h"

#include <set>
#include <stdexcept>

#include "editor/file_use_question.h"
#include "editor/pair_numbering.h"
#include "toolkit/report_list_roles.h"

namespace editor {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

void PairListModel::setPairs(std::vector<picture_db::PictureRecord> pairs) {
  std::set<picture_db::PairId> seen;
  for (const auto& p : pairs) {
    if (!seen.insert(p.id).second) throw std::invalid_argument("two pairs numbered " + std::to_string(p.id));
  }
  beginResetModel();
  pairs_ = std::move(pairs);
  endResetModel();
}

int PairListModel::append(picture_db::PictureRecord pair) {
  if (rowOfPair(pair.id)) throw std::invalid_argument("two pairs numbered " + std::to_string(pair.id));
  const int row = rowCount();
  beginInsertRows(QModelIndex(), row, row);
  pairs_.push_back(std::move(pair));
  endInsertRows();
  return row;
}

void PairListModel::remove(int row) {
  if (row < 0 || row >= rowCount()) return;
  beginRemoveRows(QModelIndex(), row, row);
  pairs_.erase(pairs_.begin() + row);
  endRemoveRows();
}

void PairListModel::clear() { setPairs({}); }

std::optional<int> PairListModel::rowOfPair(picture_db::PairId id) const {
  for (std::size_t i = 0; i < pairs_.size(); ++i) {
    if (pairs_[i].id == id) return static_cast<int>(i);
  }
  return std::nullopt;
}

void PairListModel::setOriginal(int row, const std::string& name) {
  pairs_.at(static_cast<std::size_t>(row)).original = name;
  emit dataChanged(index(row, kOriginalColumn), index(row, kOriginalColumn));
}

void PairListModel::setCopy(int row, const std::string& name) {
  pairs_.at(static_cast<std::size_t>(row)).copy = name;
  emit dataChanged(index(row, kCopyColumn), index(row, kCopyColumn));
}

int PairListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(pairs_.size());
}

int PairListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant PairListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return QVariant();
  const picture_db::PictureRecord& p = pair(index.row());
  if (role == toolkit::ReportListRole::Key) return keyOfPair(p.id);
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return QVariant();
  // Pairs still without files are told apart by their number; the record keeps "(none)".
  if (index.column() == kCopyColumn) return shownPairText(keyOfPair(p.id), q(p.copy));
  return q(p.original);
}

QVariant PairListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
  if (section == kCopyColumn) return QStringLiteral("Immagini");
  if (section == kOriginalColumn) return QStringLiteral("Originale");
  return QVariant();
}

}  // namespace editor
