// SPDX-License-Identifier: GPL-2.0-or-later
// The scene tables: plain rows read as pieces in their order, faults named by source and line.
#include <gtest/gtest.h>

#include "tools/scene_table.h"

using namespace sample_maker;

TEST(SceneTable, RowsBecomePiecesInTheirOrder) {
  const auto scenes = readSceneTables("prova.txt",
                                      "# a note\n"
                                      "scene prova\n"
                                      "background 10,20,30\n"
                                      "band 0 300 380 136 90,160,80\n"
                                      "\n"
                                      "House 60 250 200,120,90\n"
                                      "Chair 280 372 160,100,60 90 0 - mirrored\n"
                                      "Person 270 430 150,90,160 100 2 40,40,40\n"
                                      "extra Cat 330 280 230,150,60 80 1\n"
                                      "scene altra\n"
                                      "Tree 50 150 60,140,60\n");
  ASSERT_EQ(scenes.size(), 2u);
  const SceneDesign& d = scenes[0];
  EXPECT_EQ(d.name, "prova");
  EXPECT_EQ(d.layout.width, 380);
  EXPECT_EQ(d.layout.height, 436);
  EXPECT_EQ(d.layout.background, QColor(10, 20, 30));
  ASSERT_EQ(d.layout.pieces.size(), 4u);
  const Piece& ground = d.layout.pieces[0];
  EXPECT_EQ(ground.name, "b1");
  EXPECT_TRUE(ground.fixed);
  EXPECT_EQ(QRect(ground.at, QSize(ground.w, ground.h)), QRect(0, 300, 380, 136));
  const Piece& house = d.layout.pieces[1];
  EXPECT_EQ(house.name, "p2");
  EXPECT_EQ(house.kind, "House");
  EXPECT_EQ(house.at, QPoint(60, 250));
  EXPECT_EQ(house.scale, 100);
  EXPECT_EQ(house.variant, 0);
  EXPECT_FALSE(house.accent.isValid());
  EXPECT_FALSE(house.mirrored || house.fixed);
  const Piece& chair = d.layout.pieces[2];
  EXPECT_EQ(chair.scale, 90);
  EXPECT_TRUE(chair.mirrored);
  EXPECT_FALSE(chair.accent.isValid()) << "- is no accent";
  const Piece& person = d.layout.pieces[3];
  EXPECT_EQ(person.variant, 2);
  EXPECT_EQ(person.accent, QColor(40, 40, 40));
  ASSERT_EQ(d.extras.size(), 1u);
  EXPECT_EQ(d.extras[0].name, "extra1");
  EXPECT_EQ(d.extras[0].kind, "Cat");
  EXPECT_EQ(d.extras[0].variant, 1);
  EXPECT_EQ(scenes[1].layout.background, QColor(160, 205, 235)) << "a sky when the table names none";
  EXPECT_EQ(scenes[1].layout.pieces.size(), 1u);
}

TEST(SceneTable, FaultsAreRefusedNamingSourceAndLine) {
  const std::pair<const char*, const char*> faulty[] = {
      {"House 60 250 200,120,90\n", "line 1: \"House\" comes before any scene"},
      {"scene a\nHouse near(60,5) 250 200,120,90\n", "line 2: \"near(60,5)\" is not a number"},
      {"scene a\nHouse 60 250 oneOf(1,2,3|4,5,6)\n", "line 2: \"oneOf(1,2,3|4,5,6)\" is not a colour"},
      {"scene a\nHouse 60 250 300,0,0\n", "line 2: \"300,0,0\" is not a colour"},
      {"scene a\nHouse 60 250 1,2\n", "is not a colour"},
      {"scene a\n\nCastle 60 250 1,2,3\n", "line 3: unknown piece \"Castle\""},
      {"scene a\nband 0 0 10 10 1,2,3\nBlock 0 0 1,2,3\n", "line 3: unknown piece \"Block\""},
      {"scene a\nHouse 60 250 1,2,3 100 3\n", "line 2: scale or variant out of range"},
      {"scene a\nHouse 60 250 1,2,3 100 0 - mirrored extra\n", "line 2: a piece reads"},
      {"scene a\nextra House 60 250 1,2,3 100 0 - mirrored\n", "line 2: a piece reads"},
      {"scene a\nband 0 0 10 1,2,3\n", "line 2: the line should read: band"},
      {"scene a\nscene a\n", "line 2: scene \"a\" comes twice"},
      {"let i 5\n", "line 1: \"let\" comes before any scene"},
  };
  for (const auto& [text, message] : faulty) {
    try {
      readSceneTables("bad.txt", text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const SceneTableError& e) {
      const std::string what = e.what();
      EXPECT_EQ(what.rfind("bad.txt line ", 0), 0u) << what;
      EXPECT_NE(what.find(message), std::string::npos) << what << " for " << text;
    }
  }
}
