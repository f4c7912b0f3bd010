#pragma once
// Saving a picture as a Windows bitmap without ever leaving a half-written file: the new
// file is written beside the old one and replaces it only once complete.
#include <QImage>
#include <QString>

namespace toolkit {

bool savePictureAsBmp(const QImage& image, const QString& path, QString* error);

}  // namespace toolkit
