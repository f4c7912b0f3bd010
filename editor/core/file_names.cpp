// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/file_names.h"

#include <algorithm>

namespace editor {

QString FileName(const QString& PathFileName) {
  const int slash = PathFileName.lastIndexOf('/');
  return slash < 0 ? PathFileName : PathFileName.mid(slash + 1);
}

QString Path(const QString& PathFileName) {
  const int slash = PathFileName.lastIndexOf('/');
  return slash < 0 ? QString() : PathFileName.left(slash + 1);
}

QString CopyName(const QString& name) {
  return name.left(std::max<qsizetype>(0, name.size() - 4)) + "_C." + name.right(3);
}

const QStringList& pictureExtensions() {
  static const QStringList extensions{"wmf", "emf", "bmp", "jpg", "gif"};
  return extensions;
}

QString picturePattern() {
  QStringList globs;
  for (const QString& e : pictureExtensions()) globs << "*." + e;
  return globs.join(';');
}

bool hasPictureExtension(const QString& name) {
  const int dot = name.lastIndexOf('.');
  return dot >= 0 && pictureExtensions().contains(name.mid(dot + 1), Qt::CaseInsensitive);
}

QString targetNameProblem(const QString& name) {
  if (name.trimmed().isEmpty()) return QStringLiteral("il nome è vuoto");
  if (name.contains('/') || name.contains('\\'))
    return QStringLiteral("scrivere solo il nome del file, senza cartella");
  if (name == "." || name == "..") return QStringLiteral("non è il nome di un file");
  if (!hasPictureExtension(name))
    return QStringLiteral("l'estensione deve essere una di: .wmf, .emf, .bmp, .jpg, .gif");
  return QString();
}

}  // namespace editor
