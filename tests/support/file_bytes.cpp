// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/file_bytes.h"

#include <QFile>
#include <gtest/gtest.h>

namespace test_support {

QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString writeFileBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
    ADD_FAILURE() << "cannot write " << path.toStdString();
  return path;
}

}  // namespace test_support
