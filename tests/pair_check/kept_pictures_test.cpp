// SPDX-License-Identifier: GPL-2.0-or-later
// Pictures decoded into the memory of the previous ones, as the check of many pairs
// does: the memory is used again, and what was in it never shows.
#include <gtest/gtest.h>

#include <QFile>

#include "support/drawn_pairs.h"
#include "support/photo_edits.h"
#include "support/temp_app_folder.h"
#include "toolkit/picture_loader.h"

namespace {
QByteArray fileBytes(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
  return f.readAll();
}

QImage photo(int i) {
  return toolkit::decodePicture(fileBytes(photo_edits::photoFolder() + '/' + photo_edits::photoNames()[i])).image;
}
}  // namespace

TEST(KeptPictures, AJpegDecodesIntoTheMemoryOfTheLastOneOfItsSizeAndGivesWhatItGivesAlone) {
  const QByteArray first = photo_edits::encoded(photo(0), "JPEG", 90);
  const QByteArray second = photo_edits::encoded(photo(1), "JPEG", 75);
  const toolkit::LoadedPicture alone = toolkit::decodePicture(second);
  ASSERT_TRUE(alone.ok());

  toolkit::LoadedPicture kept = toolkit::decodePicture(first);
  ASSERT_TRUE(kept.ok());
  ASSERT_EQ(kept.image.size(), alone.image.size());
  const uchar* memory = kept.image.constBits();
  const toolkit::LoadedPicture again = toolkit::decodePicture(second, std::move(kept.image));
  ASSERT_TRUE(again.ok()) << again.error.toStdString();
  EXPECT_EQ(again.image.constBits(), memory);
  EXPECT_EQ(again.image, alone.image);

  // Of another size, the picture gets memory of its own.
  const QImage small = photo(2).scaled(100, 80);
  const toolkit::LoadedPicture other =
      toolkit::decodePicture(photo_edits::encoded(small, "JPEG", 90), QImage(again.image));
  ASSERT_TRUE(other.ok());
  EXPECT_EQ(other.image.size(), QSize(100, 80));
  EXPECT_EQ(again.image, alone.image);  // given shared, the kept picture stays as it was
}

TEST(KeptPictures, OtherKindsAndFailuresAreNotTouchedByWhatWasKept) {
  test_support::TempAppFolder folder;
  const drawn_pairs::DrawnPair drawn = drawn_pairs::fiveChanges();
  QImage kept = drawn.copy.convertToFormat(QImage::Format_RGB32);
  kept.fill(Qt::magenta);
  for (const char* format : {"GIF", "BMP"}) {
    const auto [original, copy] = drawn_pairs::save(folder, drawn, QString("scena_%1").arg(format), format);
    const QByteArray bytes = fileBytes(folder.imagesPath() + '/' + copy);
    const toolkit::LoadedPicture alone = toolkit::decodePicture(bytes);
    ASSERT_TRUE(alone.ok()) << format;
    const toolkit::LoadedPicture into = toolkit::decodePicture(bytes, kept);
    EXPECT_EQ(into.image, alone.image) << format;
  }
  QByteArray cut = photo_edits::encoded(photo(0), "JPEG", 90);
  cut.chop(cut.size() / 2);
  const toolkit::LoadedPicture refused = toolkit::decodePicture(cut, kept);
  EXPECT_FALSE(refused.ok());
  EXPECT_FALSE(refused.error.isEmpty());
  EXPECT_EQ(kept.pixelColor(3, 3), QColor(Qt::magenta));
}
