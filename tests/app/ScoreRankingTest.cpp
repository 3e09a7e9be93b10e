#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/ScoreRanking.h"

namespace bt {
namespace {

using Rows = std::vector<std::pair<std::string, int32_t>>;

ScoreTable tableOf(const Rows& rows) {
  ScoreTable table;
  for (size_t i = 0; i < rows.size(); ++i) {
    table.setEntryName(static_cast<int>(i), rows[i].first);
    table.entries[i].score = rows[i].second;
  }
  table.lastInitials.fill(0);
  return table;
}

Rows rowsOf(const ScoreTable& table) {
  Rows rows;
  for (const ScoreEntry& e : table.entries) rows.emplace_back(e.name.data(), e.score);
  return rows;
}

const std::string kA = "AAAAAAAAAAAAAAA";

const Rows kTen = {{"J", 90}, {"I", 80}, {"H", 70}, {"G", 60}, {"F", 50},
                   {"E", 40}, {"D", 30}, {"C", 20}, {"B", 10}, {"A", 5}};

TEST(ScoreRankingTest, InsertsAtItsRankAndTheLastDropsOut) {
  struct Case {
    int32_t score;
    int32_t row;
  };
  for (const Case& c : {Case{100, 0}, Case{55, 4}, Case{50, 5}, Case{6, 9}}) {
    SCOPED_TRACE(c.score);
    ScoreTable table = tableOf(kTen);
    ASSERT_EQ(insertScore(table, c.score), c.row);
    EXPECT_EQ(table.getHighlighted(), c.row);
    Rows expected = kTen;
    expected.insert(expected.begin() + c.row, {kA, c.score});
    expected.pop_back();
    EXPECT_EQ(rowsOf(table), expected) << "equal scores stay above the new one";
  }
}

TEST(ScoreRankingTest, NoRowForAScoreNotAboveTheLowest) {
  for (int32_t score : {5, 0, -3}) {
    ScoreTable table = tableOf(kTen);
    EXPECT_EQ(insertScore(table, score), -1);
    EXPECT_EQ(rowsOf(table), kTen);
    EXPECT_EQ(table.getHighlighted(), -1);
  }
}

TEST(ScoreRankingTest, TheNewRowStartsWithTheLastInitials) {
  ScoreTable table = tableOf(kTen);
  table.setEntryName(-1, "BOB");
  insertScore(table, 45);
  EXPECT_EQ(std::string(table.entries[5].name.data()), "BOB");
}

TEST(ScoreRankingTest, AGameCountsOnlyWhenItImproved) {
  ScoreTable table = tableOf(kTen);
  EXPECT_EQ(recordGameScore(table, 60, 60), -1) << "continued without solving a level";
  EXPECT_EQ(recordGameScore(table, 61, 3), -1);
  EXPECT_EQ(recordGameScore(table, 60, 61), 3);
}

TEST(ScoreRankingTest, AStoredNameKeepsOnlyItsBestRow) {
  struct Case {
    const char* what;
    Rows before;
    int32_t stored;
    std::string name;
    Rows after;
    int32_t highlighted;
  };
  const std::vector<Case> cases = {
      {"a new name changes nothing else",
       {{"X", 9}, {"Y", 7}, {"Z", 5}},
       1,
       "NEW",
       {{"X", 9}, {"NEW", 7}, {"Z", 5}},
       1},
      {"the stored row is better: the old one goes",
       {{"X", 9}, {"", 7}, {"Z", 5}, {"BOB", 3}},
       1,
       "BOB",
       {{"X", 9}, {"BOB", 7}, {"Z", 5}},
       1},
      {"a better row of that name stays, the stored one goes",
       {{"BOB", 9}, {"X", 8}, {"", 7}, {"Z", 5}},
       2,
       "BOB",
       {{"BOB", 9}, {"X", 8}, {"Z", 5}},
       0},
      {"equal scores: the upper row stays",
       {{"X", 9}, {"BOB", 7}, {"", 7}},
       2,
       "BOB",
       {{"X", 9}, {"BOB", 7}},
       1},
      {"several old rows of the name go at once",
       {{"BOB", 1}, {"X", 9}, {"BOB", 2}, {"", 12}},
       3,
       "BOB",
       {{"X", 9}, {"BOB", 12}},
       1},
      {"names compare as stored, cut to 15 characters",
       {{"ABCDEFGHIJKLMNO", 4}, {"", 7}},
       1,
       "ABCDEFGHIJKLMNOPQ",
       {{"ABCDEFGHIJKLMNO", 7}},
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Rows of other names keep their order; default rows fill the bottom.
    Rows before = c.before;
    Rows after = c.after;
    for (size_t i = before.size(); i < 10; ++i) {
      before.emplace_back("OTHER" + std::to_string(i), 0);
      after.push_back(before.back());
    }
    while (after.size() < 10) after.emplace_back(kA, 0);
    ScoreTable table = tableOf(before);
    EXPECT_EQ(storeName(table, c.stored, c.name), c.highlighted);
    EXPECT_EQ(table.getHighlighted(), c.highlighted);
    EXPECT_EQ(rowsOf(table), after);
    EXPECT_EQ(std::string(table.lastInitials.data()), c.name.substr(0, 15));
  }
}

TEST(ScoreRankingTest, StoringTheDefaultNameEnds) {
  ScoreTable table;  // ten default rows
  ASSERT_EQ(insertScore(table, 3), 0);
  EXPECT_EQ(storeName(table, 0, kA), 0);
  EXPECT_EQ(table.entries[0].score, 3);
  for (int i = 1; i < 10; ++i) EXPECT_EQ(std::string(table.entries[i].name.data()), kA);
}

}  // namespace
}  // namespace bt
