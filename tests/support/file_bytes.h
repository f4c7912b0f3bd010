// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Whole files in and out, for tests that compare what lies on disk.
#include <QByteArray>
#include <QString>

namespace test_support {

// The file's bytes; empty when it cannot be read.
QByteArray fileBytes(const QString& path);
// Writes the bytes, failing the running test when it cannot; returns the path.
QString writeFileBytes(const QString& path, const QByteArray& bytes);

}  // namespace test_support
