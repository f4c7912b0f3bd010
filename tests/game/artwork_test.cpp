// SPDX-License-Identifier: GPL-2.0-or-later
// The game's artwork and the programs' icons, drawn without a window.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <utility>

#include "artwork/artwork.h"

TEST(Artwork, IsDrawnAtItsSizes) {
  for (auto [name, size] :
       {std::pair{artwork::kNotFoundIcon, QSize(32, 32)}, std::pair{artwork::kFoundIcon, QSize(32, 32)},
        std::pair{artwork::kWhiteFlag, QSize(94, 118)}, std::pair{artwork::kTrophy, QSize(195, 224)}}) {
    const QImage img = artwork::render(name, size, Qt::white);
    ASSERT_FALSE(img.isNull()) << name;
    EXPECT_EQ(img.size(), size);
    int drawn = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) drawn += img.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_GT(drawn, size.width() * size.height() / 10) << name;
  }
  EXPECT_TRUE(artwork::render(":/artwork/none.svg", QSize(4, 4)).isNull());
}

TEST(Artwork, ProgramIconsComeAtEverySizeADesktopAsksFor) {
  for (const char* name : {artwork::kGameIcon, artwork::kEditorIcon}) {
    const QIcon icon = artwork::icon(name);
    const QList<QSize> sizes = icon.availableSizes();
    for (const int side : {16, 24, 32, 48, 64, 128, 256})
      EXPECT_TRUE(sizes.contains(QSize(side, side))) << name << side;
    const QImage small = icon.pixmap(QSize(16, 16)).toImage();
    int opaque = 0;
    for (int y = 0; y < small.height(); ++y)
      for (int x = 0; x < small.width(); ++x) opaque += small.pixelColor(x, y).alpha() > 0;
    EXPECT_GT(opaque, 16 * 16 / 4) << name;
  }
  EXPECT_TRUE(artwork::icon(":/artwork/none.svg").isNull());
}
