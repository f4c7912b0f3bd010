// SPDX-License-Identifier: GPL-2.0-or-later
// The hall of fame: ranking, ties, a table not yet full, names with quotes, and the
// insert with its delete happening together or not at all.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "picture_db/hall_of_fame.h"
#include "support/temp_app_folder.h"
#include "support/thrown_text.h"

using namespace picture_db;
using test_support::TempAppFolder;

namespace {
void fillTen(Database& db) {  // 100, 90, ..., 10
  for (int i = 0; i < 10; ++i) enterHallOfFame(db, "P" + std::to_string(i), 100 - 10 * i);
}
std::vector<std::string> names(const std::vector<HallOfFameEntry>& rows) {
  std::vector<std::string> out;
  for (const auto& r : rows) out.push_back(r.name.value_or("<null>"));
  return out;
}
// A trigger that makes every `statement` (INSERT or DELETE) on the table fail.
void refuse(Database& db, const std::string& statement) {
  db.sqlite().exec("CREATE TRIGGER refuse BEFORE " + statement + " ON HALL_OF_FAME BEGIN SELECT RAISE(ABORT, '" +
                   statement + " refused'); END");
}
}  // namespace

TEST(HallOfFame, RankedByScoreThenNameWithoutRegardToCase) {
  TempAppFolder app;
  Database db = app.open();
  enterHallOfFame(db, "bruno", 50);
  enterHallOfFame(db, "Anna", 50);
  enterHallOfFame(db, "Carlo", 70);
  enterHallOfFame(db, "alba", 50);
  EXPECT_EQ(names(hallOfFame(db)), (std::vector<std::string>{"Carlo", "alba", "Anna", "bruno"}));
}

TEST(HallOfFame, ABetterScoreReplacesTheLastRow) {
  TempAppFolder app;
  Database db = app.open();
  fillTen(db);
  auto ranked = hallOfFame(db);
  ASSERT_EQ(ranked.size(), 10u);
  EXPECT_FALSE(qualifiesForHallOfFame(ranked, 10));  // a tie does not enter
  EXPECT_FALSE(qualifiesForHallOfFame(ranked, 3));
  EXPECT_TRUE(qualifiesForHallOfFame(ranked, 11));

  enterHallOfFame(db, "Nuovo", 25);
  ranked = hallOfFame(db);
  ASSERT_EQ(ranked.size(), 10u);
  EXPECT_EQ(ranked[8].name, "Nuovo");  // ninth, between 30 and 20
  EXPECT_EQ(ranked[7].score, 30);
  EXPECT_EQ(ranked[9].score, 20);
  for (const auto& r : ranked) EXPECT_NE(r.score, 10);
}

TEST(HallOfFame, AmongEqualLowestScoresTheAlphabeticallyLastGoes) {
  TempAppFolder app;
  Database db = app.open();
  for (int i = 0; i < 7; ++i) enterHallOfFame(db, "P" + std::to_string(i), 100 - i);
  enterHallOfFame(db, "zorro", 5);
  enterHallOfFame(db, "Mario", 5);
  enterHallOfFame(db, "ada", 5);
  enterHallOfFame(db, "Ultimo", 6);
  const auto n = names(hallOfFame(db));
  EXPECT_EQ(std::vector<std::string>(n.end() - 3, n.end()), (std::vector<std::string>{"Ultimo", "ada", "Mario"}));
}

TEST(HallOfFame, FewerThanTenRowsTakeAnyScoreWithoutDeleting) {
  TempAppFolder app;
  Database db = app.open();
  EXPECT_TRUE(qualifiesForHallOfFame(hallOfFame(db), 0));  // empty
  enterHallOfFame(db, "Uno", 300);
  enterHallOfFame(db, "Due", 0);
  const auto ranked = hallOfFame(db);
  ASSERT_EQ(ranked.size(), 2u);
  EXPECT_TRUE(qualifiesForHallOfFame(ranked, 0));
}

TEST(HallOfFame, NamesAreStoredExactlyAsTyped) {
  TempAppFolder app;
  Database db = app.open();
  const std::string tricky[] = {"D'Annunzio", "O''Brien",   "\"virgolette\"", "'); DELETE FROM HALL_OF_FAME;--",
                                "",           "Città àèìòù"};
  int score = 100;
  for (const auto& name : tricky) enterHallOfFame(db, name, score--);
  const auto ranked = hallOfFame(db);
  ASSERT_EQ(ranked.size(), 6u);
  for (std::size_t i = 0; i < ranked.size(); ++i) EXPECT_EQ(ranked[i].name, tricky[i]);
}

TEST(HallOfFame, NullCellsAreReadAsMissingAndRankLast) {
  TempAppFolder app;
  Database db = app.open();
  fillTen(db);
  db.sqlite().exec("UPDATE HALL_OF_FAME SET PUNTEGGIO=NULL WHERE PUNTEGGIO=60");
  db.sqlite().exec("UPDATE HALL_OF_FAME SET NOME=NULL WHERE PUNTEGGIO=100");
  auto ranked = hallOfFame(db);
  EXPECT_FALSE(ranked.front().name);
  EXPECT_FALSE(ranked.back().score);
  EXPECT_TRUE(qualifiesForHallOfFame(ranked, 1));
  enterHallOfFame(db, "Basso", 1);
  ranked = hallOfFame(db);
  ASSERT_EQ(ranked.size(), 10u);
  for (const auto& r : ranked) EXPECT_TRUE(r.score);  // the row without a score went
}

TEST(HallOfFame, InsertAndDeleteHappenTogetherOrNotAtAll) {
  TempAppFolder app;
  Database db = app.open();
  fillTen(db);
  // Refusing the delete makes the second half of the step fail.
  refuse(db, "DELETE");
  EXPECT_THAT(test_support::thrownText<DbError>([&] { enterHallOfFame(db, "Mezzo", 55); },
                                                "the refused delete was not reported"),
              ::testing::HasSubstr("DELETE refused"));
  auto ranked = hallOfFame(db);
  ASSERT_EQ(ranked.size(), 10u);
  for (const auto& r : ranked) EXPECT_NE(r.name, "Mezzo");
  EXPECT_EQ(ranked.back().score, 10);

  db.sqlite().exec("DROP TRIGGER refuse");
  enterHallOfFame(db, "Mezzo", 55);
  EXPECT_EQ(hallOfFame(db).size(), 10u);
}

TEST(HallOfFame, AFailingInsertLeavesTheTableAsItWas) {
  TempAppFolder app;
  Database db = app.open();
  fillTen(db);
  refuse(db, "INSERT");
  EXPECT_THROW(enterHallOfFame(db, "Nessuno", 99), DbError);
  const auto ranked = hallOfFame(db);
  ASSERT_EQ(ranked.size(), 10u);
  EXPECT_EQ(ranked.back().score, 10);
}
