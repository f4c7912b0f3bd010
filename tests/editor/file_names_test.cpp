// SPDX-License-Identifier: GPL-2.0-or-later
// The parts of a path, the name proposed for a copy and the check of a typed name.
#include <gtest/gtest.h>

#include "editor/file_names.h"

using namespace editor;

TEST(FileNames, FileNameAndPathSplitAtTheLastSlash) {
  EXPECT_EQ(FileName("/app/Images/pair1.jpg"), "pair1.jpg");
  EXPECT_EQ(FileName("pair1.jpg"), "pair1.jpg");
  EXPECT_EQ(FileName("/app/Images/"), "");
  EXPECT_EQ(FileName("C:\\Images\\pair1.jpg"), "C:\\Images\\pair1.jpg");  // not a separator here
  EXPECT_EQ(Path("/app/Images/pair1.jpg"), "/app/Images/");
  EXPECT_EQ(Path("pair1.jpg"), "");
  EXPECT_EQ(Path("/"), "/");
}

TEST(FileNames, TheCopyTakesC_BeforeTheExtension) {
  EXPECT_EQ(CopyName("pair1.jpg"), "pair1_C.jpg");
  EXPECT_EQ(CopyName("a.gif"), "a_C.gif");
  EXPECT_EQ(CopyName("Casa Mia.BMP"), "Casa Mia_C.BMP");
  EXPECT_EQ(CopyName("x.bmp"), "x_C.bmp");
  EXPECT_EQ(CopyName(".wmf"), "_C.wmf");
}

TEST(FileNames, TypedNamesMustBeBarePictureNames) {
  for (const char* good : {"pair1_C.jpg", "x.JPG", "a b.Emf", "..x.wmf", "(none).gif"})
    EXPECT_EQ(targetNameProblem(good), "") << good;
  for (const char* bad : {"", "   ", ".", "..", "../x.jpg", "sub/x.jpg", "sub\\x.jpg", "x.png", "x", "x.jpg "})
    EXPECT_NE(targetNameProblem(bad), "") << bad;
  EXPECT_EQ(picturePattern(), "*.wmf;*.emf;*.bmp;*.jpg;*.gif");
  EXPECT_TRUE(hasPictureExtension("A.GiF"));
  EXPECT_FALSE(hasPictureExtension("gif"));
}
