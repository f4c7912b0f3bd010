#include "toolkit/picture_saver.h"

#include <QImageWriter>
#include <QSaveFile>

namespace toolkit {

bool savePictureAsBmp(const QImage& image, const QString& path, QString* error) {
  auto fail = [&](const QString& why) {
    if (error) *error = why;
    return false;
  };
  if (image.isNull()) return fail(QStringLiteral("nessuna immagine da salvare"));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
  QImageWriter writer(&file, "BMP");
  if (!writer.write(image)) {
    file.cancelWriting();
    return fail(writer.errorString());
  }
  if (!file.commit()) return fail(file.errorString());
  return true;
}

}  // namespace toolkit
