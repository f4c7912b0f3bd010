#include "toolkit/picture_saver.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include "toolkit/failure_reasons.h"

namespace toolkit {

bool savePictureAsBmp(const QImage& image, const QString& path, QString* error) {
  auto fail = [&](const QString& why) {
    if (error) *error = QStringLiteral("impossibile salvare %1: %2").arg(path, failureReason(why));
    return false;
  };
  if (image.isNull()) return fail(QStringLiteral("nessuna immagine da salvare"));
  if (QFileInfo(path).isDir()) return fail(QStringLiteral("al suo posto c'è una cartella"));
  // Written beside the old file and put in its place only once complete.
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
