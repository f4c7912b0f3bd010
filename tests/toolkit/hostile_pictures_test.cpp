// SPDX-License-Identifier: GPL-2.0-or-later
// Picture files kept because they once went wrong, or because they announce more than
// any picture we show: each refused-* file must be refused with a reason, each taken-*
// file must load. New fuzz findings go into the same folder.
#include <QDir>
#include <gtest/gtest.h>

#include "toolkit/picture_loader.h"

TEST(HostilePictures, EveryKeptFileEndsAsAPictureOrAReason) {
  const QDir dir(QStringLiteral(VOBREL_TEST_DATA "/pictures"));
  const QStringList files = dir.entryList(QDir::Files, QDir::Name);
  ASSERT_GE(files.size(), 10) << "the regression pictures are missing";
  for (const QString& name : files) {
    const toolkit::LoadedPicture p = toolkit::loadPicture(dir.filePath(name));
    if (name.startsWith("refused-")) {
      EXPECT_FALSE(p.ok()) << name.toStdString() << " was taken as a picture";
      EXPECT_FALSE(p.error.isEmpty()) << name.toStdString();
    } else {
      EXPECT_TRUE(name.startsWith("taken-")) << name.toStdString() << ": name it refused-* or taken-*";
      EXPECT_TRUE(p.ok()) << name.toStdString() << ": " << p.error.toStdString();
      if (p.ok()) {
        EXPECT_LE(std::max(p.image.width(), p.image.height()), 8192) << name.toStdString();
      }
    }
  }
}
