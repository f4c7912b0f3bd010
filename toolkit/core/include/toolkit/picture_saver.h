// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Saving a picture as a Windows bitmap without ever leaving a half-written file: the new
// file is written beside the old one and replaces it only once complete and on disk.
#include <QImage>
#include <QString>

#include <string>

namespace toolkit {

// Returns why it failed, in Italian, or an empty text. The temporary file is named
// temporaryPrefix and six random characters, so leftovers can be found again.
QString saveBmpReplacing(const QImage& image, const QString& path, const std::string& temporaryPrefix);

}  // namespace toolkit
