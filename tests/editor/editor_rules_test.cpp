// SPDX-License-Identifier: GPL-2.0-or-later
// The editor's rules that need no window: pair numbers, the texts of its questions,
// reading legend edges, the proposed package name, the rubber band and panning.
#include <gtest/gtest.h>

#include <limits>

#include "editor/difference_texts.h"
#include "editor/marking_geometry.h"
#include "editor/pair_list_model.h"
#include "editor/pair_numbering.h"

using namespace editor;

TEST(PairNumbering, OneMoreThanTheLargestWhateverTheOrder) {
  EXPECT_EQ(nextPairNumber({}), 1);
  EXPECT_EQ(nextPairNumber({"I3", "I7", "I5"}), 8);
  EXPECT_EQ(nextPairNumber({"I7", "I3", "I5"}), 8);
  EXPECT_EQ(nextPairNumber({"I3", "I5", "I7"}), 8);
  // Numbers below 1 never lower the start value.
  EXPECT_EQ(nextPairNumber({"I-4", "I0"}), 1);
  // What is not a pair key is passed over.
  EXPECT_EQ(nextPairNumber({"I2", "X", "Iabc", ""}), 3);
}

TEST(PairList, TwoPairsWithOneNumberAreRefusedInAnyOrderAndTheListStaysAsItWas) {
  PairListModel list;
  list.setPairs({{1, "a", "a_C"}, {4, "b", "b_C"}});
  for (const std::vector<picture_db::PictureRecord>& twice :
       {std::vector<picture_db::PictureRecord>{{1, "x", "y"}, {3, "x", "y"}, {3, "x", "y"}},
        std::vector<picture_db::PictureRecord>{{5, "x", "y"}, {2, "x", "y"}, {5, "x", "y"}}}) {
    EXPECT_THROW(list.setPairs(twice), std::invalid_argument);
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.pair(1).id, 4);
  }
  list.setPairs({{9, "x", "y"}, {2, "x", "y"}, {5, "x", "y"}});
  EXPECT_EQ(list.rowCount(), 3);
  EXPECT_EQ(list.pair(0).id, 9) << "the stored order is kept";
}

TEST(PairNumbering, NoNumberAfterTheHighestPossible) {
  const int top = std::numeric_limits<int>::max();
  EXPECT_EQ(nextPairNumber({"I" + QString::number(top - 1)}), top);
  EXPECT_EQ(nextPairNumber({"I" + QString::number(top)}), std::nullopt);
}

TEST(PairNumbering, KeysCarryThePairNumberAfterTheirFirstLetter) {
  EXPECT_EQ(keyOfPair(12), "I12");
  EXPECT_EQ(pairOfKey("I12"), 12);
  EXPECT_EQ(pairOfKey("I-3"), -3);
  EXPECT_EQ(pairOfKey("I"), std::nullopt);
  EXPECT_EQ(pairOfKey("I1x"), std::nullopt);
}

TEST(DifferenceTexts, QuestionsReadExactly) {
  EXPECT_EQ(updateQuestion({"0", "0", "0", "0"}, {"20", "40", "50", "100"}),
            "Aggiornare la coordinata ?\r\nX1: 0 -> 20\r\nY1: 0 -> 40\r\nX2: 0 -> 50\r\nY2: 0 -> 100");
  EXPECT_EQ(deleteQuestion({"10", "20", "30", "-4"}),
            "Eliminare la coordinata ?\r\nX1 = 10\r\nY1 = 20\r\nX2 = 30\r\nY2 = -4");
  EXPECT_EQ(pairDeleteQuestion("(none)"), "Eliminare\r\n(none)");
}

TEST(DifferenceTexts, OnlyPlainWholeNumbersAreEdges) {
  EXPECT_EQ(wholeEdge("0"), 0);
  EXPECT_EQ(wholeEdge("117"), 117);
  EXPECT_EQ(wholeEdge("-3"), -3);
  for (const char* bad : {"", " 1", "1 ", "1.5", "+2", "1e3", "--1", "abc", "99999999999", "2147483648"}) {
    EXPECT_EQ(wholeEdge(bad), std::nullopt) << bad;
  }
  EXPECT_EQ(wholeEdge("2147483647"), 2147483647);
}

TEST(DifferenceTexts, EdgesAreShownAsStored) {
  EXPECT_EQ(edgeText(10.0), "10");
  EXPECT_EQ(edgeText(-3.0), "-3");
  EXPECT_EQ(edgeText(2.5), "2.5");
  EXPECT_EQ(edgeText(std::nullopt), "");
}

TEST(DifferenceTexts, PackageNameDropsAThreeLetterExtension) {
  EXPECT_EQ(exportNameOf("casa.jpg"), "casa");
  EXPECT_EQ(exportNameOf("(none)"), "(n");
  EXPECT_EQ(exportNameOf("a.jp"), "");
  EXPECT_EQ(exportNameOf("abc"), "");
  EXPECT_EQ(exportNameOf(""), "");
}

TEST(MarkingGeometry, RubberBandSpansFromThePressPointWhicheverWay) {
  EXPECT_EQ(rubberBand({50, 40}, {20, 100}), QRect(20, 40, 30, 60));
  EXPECT_EQ(rubberBand({50, 40}, {80, 10}), QRect(50, 10, 30, 30));
  const QRect still = rubberBand({50, 40}, {50, 40});
  EXPECT_EQ(still.topLeft(), QPoint(50, 40));
  EXPECT_EQ(still.width(), 0);
  EXPECT_EQ(still.height(), 0);
  // Beyond the picture nothing is clamped.
  EXPECT_EQ(rubberBand({10, 10}, {-5, -20}), QRect(-5, -20, 15, 30));
}

TEST(MarkingGeometry, PanningNeverShowsAGapAndEachAxisMovesOnItsOwn) {
  const QSize view(382, 438);
  // Larger both ways: the grabbed pixel follows the pointer.
  EXPECT_EQ(pannedPosition({0, 0}, {600, 700}, view, {100, 100}, {70, 80}), QPoint(-30, -20));
  // A move that would uncover the left edge is refused on x only.
  EXPECT_EQ(pannedPosition({0, 0}, {600, 700}, view, {100, 100}, {130, 80}), QPoint(0, -20));
  // The right edge stops at the viewport's right edge.
  EXPECT_EQ(pannedPosition({-218, 0}, {600, 700}, view, {100, 100}, {99, 100}), QPoint(-218, 0));
  EXPECT_EQ(pannedPosition({-217, 0}, {600, 700}, view, {100, 100}, {99, 100}), QPoint(-218, 0));
  // Exactly the viewport's size: immovable.
  EXPECT_EQ(pannedPosition({0, 0}, view, view, {50, 50}, {10, 10}), QPoint(0, 0));
  // Wider only: moves horizontally only.
  EXPECT_EQ(pannedPosition({0, 0}, {500, 438}, view, {50, 50}, {10, 10}), QPoint(-40, 0));
}
