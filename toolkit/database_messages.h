// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the programs tell the user when images.mdb cannot be used, so that every
// program of the folder says it the same way.
#include <QString>
#include <exception>

namespace toolkit {

QString missingDatabaseMessage(const QString& path);
QString unopenableDatabaseMessage(const QString& path, const std::exception& e);

}  // namespace toolkit
