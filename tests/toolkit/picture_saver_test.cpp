// SPDX-License-Identifier: GPL-2.0-or-later
// Saving as a Windows bitmap: the file is replaced whole or not at all.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <system_error>

#include "toolkit/picture_loader.h"
#include "toolkit/picture_saver.h"
#include "support/file_bytes.h"

using test_support::fileBytes;
using test_support::writeFileBytes;
using namespace toolkit;

namespace {

QImage twoColours() {
  QImage image(13, 7, QImage::Format_RGB32);
  image.fill(QColor(10, 200, 30));
  for (int x = 0; x < 13; ++x) image.setPixelColor(x, 0, QColor(250, 0, 120));
  return image;
}
constexpr const char* kPrefix = ".vobrel-part-";
}  // namespace

TEST(PictureSaver, ReplacesAFileUnderItsOldNameWithABitmap) {
  QTemporaryDir dir;
  const QString path = writeFileBytes(dir.filePath("trim.jpg"), "old content, not a picture");
  const QString error = saveBmpReplacing(twoColours(), path, kPrefix);
  ASSERT_TRUE(error.isEmpty()) << error.toStdString();

  const QByteArray saved = fileBytes(path);
  EXPECT_TRUE(saved.startsWith("BM"));
  EXPECT_EQ(sniffPictureKind(saved), PictureKind::Bmp);
  const LoadedPicture back = loadPicture(path);  // a bitmap under a .jpg name
  ASSERT_TRUE(back.ok()) << back.error.toStdString();
  EXPECT_EQ(back.image.size(), QSize(13, 7));
  EXPECT_EQ(back.image.pixelColor(3, 0), QColor(250, 0, 120));
  EXPECT_EQ(back.image.pixelColor(12, 6), QColor(10, 200, 30));
  // Nothing but the picture is left in the folder.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"trim.jpg"});
}

TEST(PictureSaver, FailsCleanlyAndLeavesTheOldFileAsItWas) {
  QTemporaryDir dir;
  const QString intoMissingFolder = dir.filePath("gone/trim.bmp");
  QString error = saveBmpReplacing(twoColours(), intoMissingFolder, kPrefix);
  // In Italian whether or not Qt's own translation is installed (it words it differently).
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(error.contains(QString::fromLocal8Bit(std::generic_category().message(ENOENT)))) << error.toStdString();
  EXPECT_FALSE(QFile::exists(intoMissingFolder));
  EXPECT_FALSE(QDir(dir.filePath("gone")).exists());

  const QString kept = writeFileBytes(dir.filePath("kept.bmp"), "the old bytes");
  EXPECT_FALSE(saveBmpReplacing(QImage(), kept, kPrefix).isEmpty());
  EXPECT_EQ(fileBytes(kept), QByteArray("the old bytes"));

  // A folder where the file should be: refused, folder untouched.
  ASSERT_TRUE(QDir(dir.path()).mkdir("taken.bmp"));
  EXPECT_FALSE(saveBmpReplacing(twoColours(), dir.filePath("taken.bmp"), kPrefix).isEmpty());
  EXPECT_TRUE(QFileInfo(dir.filePath("taken.bmp")).isDir());

  // Failures leave no half-written or temporary files behind.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.bmp"});
}
