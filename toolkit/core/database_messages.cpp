// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/database_messages.h"

namespace toolkit {

QString missingDatabaseMessage(const QString& path) {
  return QStringLiteral("Manca il database delle immagini:\n%1\nIl file non esiste.").arg(path);
}

QString unopenableDatabaseMessage(const QString& path, const QString& reason) {
  return QStringLiteral("Impossibile aprire il database delle immagini:\n%1\n%2").arg(path, reason);
}

}  // namespace toolkit
