// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the programs tell the user when images.mdb cannot be used, so that every
// program of the folder says it the same way.
#include <QString>

namespace toolkit {

QString missingDatabaseMessage(const QString& path);
// reason: why, as the program tells it (failureReason, or more where the program knows more).
QString unopenableDatabaseMessage(const QString& path, const QString& reason);

}  // namespace toolkit
