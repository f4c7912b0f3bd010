// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/picture_saver.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include "storage/atomic_file.h"
#include "toolkit/failure_reasons.h"

namespace toolkit {

QString saveBmpReplacing(const QImage& image, const QString& path, const std::string& temporaryPrefix) {
  if (image.isNull()) return QStringLiteral("nessuna immagine da salvare");
  if (QFileInfo(path).isDir()) return QStringLiteral("al suo posto c'è una cartella");
  // Encoded in memory first, so that a failure of the disk is told by its own reason.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "BMP");
  if (!writer.write(image)) return writer.errorString();
  try {
    storage::writeBytesAtomically(QFile::encodeName(path).toStdString(), bytes.constData(),
                                  static_cast<std::size_t>(bytes.size()), storage::ExistingFile::Replace,
                                  temporaryPrefix);
  } catch (const std::exception& e) {
    return failureReason(e);
  }
  return {};
}

}  // namespace toolkit
