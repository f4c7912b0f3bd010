// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/file_use_question.h"

#include <QStringList>

#include "editor/pair_numbering.h"

namespace editor {

QString fileInUseQuestion(const QString& fileName, const std::vector<picture_db::PictureRecord>& users,
                          const QString& question) {
  if (users.empty()) return {};
  QStringList pairs;
  for (const picture_db::PictureRecord& p : users) {
    pairs << QStringLiteral("%1 (%2)").arg(p.id).arg(shownPairText(keyOfPair(p.id), QString::fromStdString(p.copy)));
  }
  const QString who = users.size() == 1 ? QStringLiteral("dalla coppia ") : QStringLiteral("dalle coppie ");
  return QStringLiteral("Il file ") + fileName + QStringLiteral(" è usato ") + who + pairs.join(QStringLiteral(", ")) +
         QStringLiteral(". ") + question;
}

QString shownPairText(const QString& key, const QString& copy) {
  if (copy != QLatin1String(picture_db::kNoFile)) return copy;
  const std::optional<picture_db::PairId> id = pairOfKey(key);
  return id ? QStringLiteral("(nessun file) n. %1").arg(*id) : copy;
}

}  // namespace editor
