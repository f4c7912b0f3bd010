// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The file panel's operations on picture files. None of them leaves a file half written:
// a new content is written beside its destination and put in place in one step, and a
// failure leaves every file as it was. Reasons are given in Italian for the user.
#include <QByteArray>
#include <QImage>
#include <QString>

#include <string>

namespace editor {

// The editor writes a picture under this name and six random characters until it is
// complete; start-up removes such leftovers of a killed editor from Images.
inline constexpr const char* kPictureTemporaryPrefix = ".ortavi-part-";

struct FileOpResult {
  bool ok = true;
  QString reason;  // why it failed, in Italian
  static FileOpResult failure(const QString& why) { return {false, why}; }
};

// Writes bytes into path, replacing a file already there only once all of them are written.
FileOpResult writeFileAtomically(const QString& path, const QByteArray& bytes);

// Saves a picture as a BMP file the same way, whatever the name's extension.
FileOpResult saveBmpAtomically(const QImage& picture, const QString& path);

// Copies a file; a file at `to` is replaced. Copying a file onto itself is refused.
FileOpResult copyPictureFile(const QString& from, const QString& to);

// Gives a file another name. An existing file at `to` is replaced only when replaceExisting
// is set; otherwise the rename is refused, even when that file appears at the last moment.
FileOpResult renamePictureFile(const QString& from, const QString& to, bool replaceExisting);

FileOpResult deletePictureFile(const QString& path);

// Whether two paths name one existing file.
bool isSameFile(const QString& a, const QString& b);

}  // namespace editor
