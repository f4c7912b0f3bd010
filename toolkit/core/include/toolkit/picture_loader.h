// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Loading picture files of the five kinds the programs know (Windows bitmap, JPEG,
// GIF, Windows metafile, enhanced metafile). The kind is decided by the file's
// content, never by its extension. A file that is not a readable picture gives a
// null image and a reason; it never crashes the caller. Pictures wider or taller than
// 8192 pixels, and files over 64 MiB, are refused from their headers alone. Metafiles are
// drawn on a white page at their natural size (96 pixels to the inch), by a child
// program with limits on time and memory (metafile_process.h).
#include <QByteArray>
#include <QImage>
#include <QString>

namespace toolkit {

enum class PictureKind { Unknown, Bmp, Jpeg, Gif, Wmf, Emf };

// The kind named by the first bytes of a file.
PictureKind sniffPictureKind(const QByteArray& head);

struct LoadedPicture {
  QImage image;   // null when the file could not be read as a picture
  QString error;  // why, in plain words, when image is null
  bool ok() const { return !image.isNull(); }
};

// Decodes bytes already read from a file.
LoadedPicture decodePicture(const QByteArray& bytes);

// Reads and decodes a whole file. Only a regular file is read, and opening it never
// waits: a FIFO or a device is refused at once.
LoadedPicture loadPicture(const QString& path);

// As above, decoding into reuse's memory where the kind of picture allows it and reuse
// has the picture's size and format: a caller that reads many pictures of one size then
// allocates none. Give reuse up (moved, not shared), and keep the result's image for the
// next call. The result is the same as without it.
LoadedPicture decodePicture(const QByteArray& bytes, QImage reuse);
LoadedPicture loadPicture(const QString& path, QImage reuse);

}  // namespace toolkit
