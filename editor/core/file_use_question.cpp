// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/file_use_question.h"

#include <QStringList>

namespace editor {

QString fileInUseQuestion(const QString& fileName, const std::vector<picture_db::PictureRecord>& users,
                          const QString& question) {
  if (users.empty()) return {};
  QStringList pairs;
  for (const picture_db::PictureRecord& p : users) {
    pairs << QStringLiteral("%1 (%2)").arg(p.id).arg(QString::fromStdString(p.copy));
  }
  const QString who = users.size() == 1 ? QStringLiteral("dalla coppia ") : QStringLiteral("dalle coppie ");
  return QStringLiteral("Il file ") + fileName + QStringLiteral(" è usato ") + who + pairs.join(QStringLiteral(", ")) +
         QStringLiteral(". ") + question;
}

}  // namespace editor
