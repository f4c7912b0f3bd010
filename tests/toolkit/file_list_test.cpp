// SPDX-License-Identifier: GPL-2.0-or-later
// The file list: the matching files of a folder, sorted without regard to case, with
// one entry at most chosen, read again on request.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "toolkit/file_list.h"

using toolkit::FileList;

namespace {
const QString kPictures = "*.wmf;*.emf;*.bmp;*.jpg;*.gif";

class FileListTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  FileList list;
  void touch(const QString& name) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  void SetUp() override {
    for (const char* n : {"c.jpg", "B.GIF", "a.bmp", "notes.txt", "d.jpeg", "e.Wmf", "f.emf"}) touch(n);
    QDir(dir.path()).mkdir("folder.jpg");
    list.resize(200, 120);
    list.setPattern(kPictures);
    list.setFolder(dir.path());
  }
};
}  // namespace

TEST_F(FileListTest, ListsMatchingFilesSortedWithoutRegardToCase) {
  EXPECT_EQ(list.names(), (QStringList{"a.bmp", "B.GIF", "c.jpg", "e.Wmf", "f.emf"}));
  EXPECT_EQ(list.selectedIndex(), -1);
  EXPECT_EQ(list.selectedName(), "");
  EXPECT_EQ(list.selectedPath(), "");
}

TEST_F(FileListTest, PatternsMatchWholeNamesWithoutRegardToCase) {
  EXPECT_TRUE(FileList::matchesPattern("X.JPG", kPictures));
  EXPECT_FALSE(FileList::matchesPattern("x.jpeg", kPictures));
  EXPECT_FALSE(FileList::matchesPattern("x.jpg.txt", kPictures));
  EXPECT_TRUE(FileList::matchesPattern(".ozt", "*.ozt"));  // a package saved without a name
  EXPECT_TRUE(FileList::matchesPattern("README", "*.*"));
  EXPECT_FALSE(FileList::matchesPattern("a.bmp", ""));
}

TEST_F(FileListTest, SelectingByNameIsExactAndRaisesNoClick) {
  QSignalSpy clicks(&list, &FileList::fileClick);
  EXPECT_FALSE(list.selectName("b.gif"));  // case differs
  EXPECT_EQ(list.selectedIndex(), -1);
  EXPECT_TRUE(list.selectName("B.GIF"));
  EXPECT_EQ(list.selectedIndex(), 1);
  EXPECT_EQ(list.selectedPath(), dir.filePath("B.GIF"));
  EXPECT_FALSE(list.selectName("zzz.bmp"));
  EXPECT_EQ(list.selectedName(), "B.GIF");  // unchanged
  list.selectIndex(-1);
  EXPECT_EQ(list.selectedIndex(), -1);
  EXPECT_EQ(clicks.size(), 0);
}

TEST_F(FileListTest, RereadingFindsNewFilesAndKeepsAChoiceStillThere) {
  list.selectName("c.jpg");
  touch("0first.jpg");
  EXPECT_EQ(list.count(), 5);  // not before it is read again
  list.refresh();
  EXPECT_EQ(list.name(0), "0first.jpg");
  EXPECT_EQ(list.selectedName(), "c.jpg");
  ASSERT_TRUE(QFile::remove(dir.filePath("c.jpg")));
  list.refresh();
  EXPECT_EQ(list.selectedIndex(), -1);
  EXPECT_FALSE(list.names().contains("c.jpg"));
}

TEST_F(FileListTest, AMissingFolderListsNothing) {
  list.setFolder(dir.filePath("nowhere"));
  EXPECT_EQ(list.count(), 0);
}

TEST_F(FileListTest, TheUsersClickAndKeysAreReported) {
  list.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  QSignalSpy clicks(&list, &FileList::fileClick);
  const QPoint second = list.visualItemRect(list.item(1)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);
  ASSERT_EQ(clicks.size(), 1);
  EXPECT_EQ(clicks[0][0].toInt(), 1);
  EXPECT_EQ(list.selectedName(), "B.GIF");
  list.setFocus();
  QTest::keyClick(&list, Qt::Key_Down);
  EXPECT_EQ(list.selectedName(), "c.jpg");
  EXPECT_EQ(clicks.size(), 2);
  // A press on one entry let go over another chooses the pressed one.
  QTest::mousePress(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
  QTest::mouseMove(list.viewport(), list.visualItemRect(list.item(3)).center());
  QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(3)).center());
  EXPECT_EQ(list.selectedName(), "a.bmp");
  EXPECT_EQ(clicks.size(), 3);
  EXPECT_EQ(clicks[2][0].toInt(), 0);
  // Beside the entries: the choice stays.
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(5, list.viewport()->height() - 2));
  EXPECT_EQ(list.selectedName(), "a.bmp");
}
