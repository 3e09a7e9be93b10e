// The local table's side of a score exchange: what a submission sends and
// how a reply fills the table.
#include <gtest/gtest.h>

#include <string>

#include "screens/ScoreTableExchange.h"

namespace bt {
namespace {

std::string nameOf(const ScoreTable& table, int row) {
  return table.entries[static_cast<size_t>(row)].name.data();
}

TEST(ScoreTableExchangeTest, TheHighlightedRowIsSubmittedAndNoneFetches) {
  ScoreTable table;
  table.setEntryName(4, "KIM");
  table.entries[4].score = 100;
  for (int32_t row : {-1, 10, 99}) {
    table.setHighlighted(row);
    EXPECT_FALSE(submissionFrom(table).has_value()) << row;
  }
  table.setHighlighted(4);
  const auto submission = submissionFrom(table);
  ASSERT_TRUE(submission.has_value());
  EXPECT_EQ(submission->name, "KIM");
  EXPECT_EQ(submission->score, 100);
}

TEST(ScoreTableExchangeTest, TenPairsFillTheTableFromTheBottom) {
  std::string body;
  for (int i = 1; i <= 10; ++i) body += std::to_string(i) + " " + char('A' + i - 1) + "\n";
  ScoreTable table;
  applyScoreReply(parseScoreReply(body), table);
  EXPECT_EQ(nameOf(table, 0), "J");
  EXPECT_EQ(table.entries[0].score, 10);
  EXPECT_EQ(nameOf(table, 9), "A");
  EXPECT_EQ(table.entries[9].score, 1);
}

TEST(ScoreTableExchangeTest, FewerPairsLeaveTheUpperRows) {
  ScoreTable table;
  table.setEntryName(0, "TOP");
  table.entries[0].score = 99;
  applyScoreReply(parseScoreReply("1 LOW 2 NEXT"), table);
  EXPECT_EQ(nameOf(table, 9), "LOW");
  EXPECT_EQ(nameOf(table, 8), "NEXT");
  EXPECT_EQ(table.entries[7].score, 0);
  EXPECT_EQ(nameOf(table, 0), "TOP");
  EXPECT_EQ(table.entries[0].score, 99);
}

// Rows no server of the game could send end what is taken: a score the game
// cannot make, a name outside A-Z 0-9; a reply without a true row changes
// nothing.
TEST(ScoreTableExchangeTest, RowsThatCannotBeTrueAreNotTaken) {
  const struct {
    const char* body;
    int taken;
  } cases[] = {
      {"2147483647 <script> -5 \x1b[31mX", 0}, {"-5 ANN", 0}, {"73 ANN", 0}, {"3 ann", 0},
      {"3 ANN 72 BOB 4 A-B 5 CAT", 2},         {"0 ANN", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    ScoreTable table;
    for (int row = 0; row < ScoreTable::kEntries; ++row) table.setEntryName(row, "OLD");
    const ScoreTable before = table;
    applyScoreReply(parseScoreReply(c.body), table);
    for (int row = 0; row < ScoreTable::kEntries; ++row) {
      const bool taken = row >= ScoreTable::kEntries - c.taken;
      EXPECT_EQ(nameOf(table, row) == nameOf(before, row), !taken) << "row " << row;
    }
  }
}

}  // namespace
}  // namespace bt
