// SPDX-License-Identifier: GPL-2.0-or-later
// File operations that never leave a picture half written or silently replaced.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "editor/file_operations.h"
#include "editor/file_size_limit.h"
#include "toolkit/picture_loader.h"
#include "support/file_bytes.h"

using test_support::fileBytes;
using test_support::writeFileBytes;
using namespace editor;

namespace {

struct stat statOf(const QString& path) {
  struct stat st {};
  ::stat(QFile::encodeName(path).constData(), &st);
  return st;
}

class FileOperations : public ::testing::Test {
 protected:
  QString at(const QString& name) const { return dir.path() + "/" + name; }
  QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
  QTemporaryDir dir;
};

TEST_F(FileOperations, AReplacementIsPutInPlaceWholeKeepingThePermissions) {
  writeFileBytes(at("a.bmp"), "old");
  ::chmod(QFile::encodeName(at("a.bmp")).constData(), 0604);
  const ino_t before = statOf(at("a.bmp")).st_ino;
  ASSERT_TRUE(writeFileAtomically(at("a.bmp"), "new content").ok);
  EXPECT_EQ(fileBytes(at("a.bmp")), "new content");
  EXPECT_NE(statOf(at("a.bmp")).st_ino, before);  // a new file took the name; the old one was never rewritten
  EXPECT_EQ(statOf(at("a.bmp")).st_mode & 07777, 0604u);
  EXPECT_EQ(files(), QStringList{"a.bmp"});
}

TEST_F(FileOperations, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
  writeFileBytes(at("a.bmp"), "old picture");
  {
    FileSizeLimit limit(64);
    const FileOpResult r = writeFileAtomically(at("a.bmp"), QByteArray(10000, 'x'));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, "il file è troppo grande");
  }
  EXPECT_EQ(fileBytes(at("a.bmp")), "old picture");
  EXPECT_EQ(files(), QStringList{"a.bmp"});

  writeFileBytes(at("plain"), "x");
  const FileOpResult r = writeFileAtomically(at("plain/a.bmp"), "x");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.reason, "una parte del percorso non è una cartella");
}

TEST_F(FileOperations, ABmpIsSavedUnderAnyExtensionAndLoadsByContent) {
  QImage img(7, 5, QImage::Format_RGB32);
  img.fill(QColor(200, 10, 30));
  ASSERT_TRUE(saveBmpAtomically(img, at("cut.jpg")).ok);
  EXPECT_TRUE(fileBytes(at("cut.jpg")).startsWith("BM"));
  const toolkit::LoadedPicture back = toolkit::loadPicture(at("cut.jpg"));
  ASSERT_TRUE(back.ok()) << back.error.toStdString();
  EXPECT_EQ(back.image.size(), QSize(7, 5));
  EXPECT_EQ(back.image.pixelColor(3, 3), QColor(200, 10, 30));
  EXPECT_FALSE(saveBmpAtomically(QImage(), at("cut.jpg")).ok);
  EXPECT_EQ(files(), QStringList{"cut.jpg"});
}

TEST_F(FileOperations, CopyReplacesButNeverOntoItself) {
  writeFileBytes(at("a.jpg"), "A");
  writeFileBytes(at("b.jpg"), "B");
  EXPECT_TRUE(copyPictureFile(at("a.jpg"), at("b.jpg")).ok);
  EXPECT_EQ(fileBytes(at("b.jpg")), "A");
  const FileOpResult self = copyPictureFile(at("a.jpg"), dir.path() + "/./a.jpg");
  EXPECT_FALSE(self.ok);
  EXPECT_EQ(self.reason, "origine e destinazione sono lo stesso file");
  EXPECT_EQ(fileBytes(at("a.jpg")), "A");
  const FileOpResult missing = copyPictureFile(at("gone.jpg"), at("c.jpg"));
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.reason, "il file o la cartella non esiste");
  EXPECT_FALSE(QFile::exists(at("c.jpg")));
}

TEST_F(FileOperations, RenameReplacesOnlyWhenAllowed) {
  writeFileBytes(at("a.jpg"), "A");
  writeFileBytes(at("b.jpg"), "B");
  const FileOpResult refused = renamePictureFile(at("a.jpg"), at("b.jpg"), false);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.reason, "esiste già un file con questo nome");
  EXPECT_EQ(fileBytes(at("a.jpg")), "A");
  EXPECT_EQ(fileBytes(at("b.jpg")), "B");

  EXPECT_TRUE(renamePictureFile(at("a.jpg"), at("c.jpg"), false).ok);
  EXPECT_TRUE(renamePictureFile(at("c.jpg"), at("b.jpg"), true).ok);
  EXPECT_EQ(files(), QStringList{"b.jpg"});
  EXPECT_EQ(fileBytes(at("b.jpg")), "A");
  EXPECT_FALSE(renamePictureFile(at("b.jpg"), at("b.jpg"), true).ok);
  EXPECT_TRUE(QFile::exists(at("b.jpg")));
}

TEST_F(FileOperations, DeleteReportsWhatIsMissing) {
  writeFileBytes(at("a.jpg"), "A");
  EXPECT_TRUE(deletePictureFile(at("a.jpg")).ok);
  EXPECT_FALSE(QFile::exists(at("a.jpg")));
  const FileOpResult again = deletePictureFile(at("a.jpg"));
  EXPECT_FALSE(again.ok);
  EXPECT_EQ(again.reason, "il file o la cartella non esiste");
  QDir(dir.path()).mkdir("folder.jpg");
  EXPECT_FALSE(deletePictureFile(at("folder.jpg")).ok);
  EXPECT_TRUE(QFileInfo(at("folder.jpg")).isDir());
}

}  // namespace
