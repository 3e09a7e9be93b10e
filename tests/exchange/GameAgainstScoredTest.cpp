// The game's own score client against the real score server: what one
// submits, the other keeps, and the table the player then sees is the
// server's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ScoreTable.h"
#include "net/HighScoreClient.h"
#include "net/protocol/ScoreCheck.h"
#include "platform/headless/HeadlessPlatform.h"
#include "screens/ScoreTableExchange.h"
#include "server/ScoredProcess.h"
#include "support/RecordingListener.h"

namespace bt::test {
namespace {

class GameAgainstScoredTest : public ::testing::Test {
 protected:
  GameAgainstScoredTest() {
    ScoreServer server;
    server.port = static_cast<uint16_t>(scored_.port());
    client_.setServer(server);
    client_.setGameId(kScoreGameId);
  }

  // One exchange as the online score screen makes it, its rows taken into
  // the table; the last report.
  ExchangeStatus exchange() {
    listener_.clear();
    EXPECT_TRUE(client_.start(listener_, submissionFrom(table_)));
    const std::vector<ExchangeStatus> reports = listener_.waitForEnd();
    client_.stop();
    applyReceived(client_, table_);
    return reports.empty() ? ExchangeStatus::Idle : reports.back();
  }

  std::string name(int row) { return table_.entries[row].name.data(); }

  bt::scored::test::TempDatabaseFile database_;
  bt::scored::test::ScoredProcess scored_{{"--db", database_.path(), "--quiet"}};
  platform::HeadlessPlatform platform_{1000};
  ScoreTable table_;
  RecordingListener listener_;
  HighScoreClient client_{platform_.network()};
};

TEST_F(GameAgainstScoredTest, FetchesSubmitsAndGetsTheServersTableBack) {
  ASSERT_NE(scored_.port(), 0) << scored_.errorOutput();
  ScoreTable& table = table_;

  table.entries[0].score = 5;  // a local row the server does not know
  ASSERT_EQ(exchange(), ExchangeStatus::Complete);
  EXPECT_EQ(table.entries[0].score, 0) << "an empty server's padded table replaces ours";
  EXPECT_EQ(name(0), "AAAAAAAAAAAAAAA");

  for (auto [who, score] : {std::pair{"ANNA", 7}, {"BO", 12}, {"ANNA", 3}}) {
    SCOPED_TRACE(who);
    table.setEntryName(4, who);
    table.entries[4].score = score;
    table.setHighlighted(4);
    ASSERT_EQ(exchange(), ExchangeStatus::Complete);
    EXPECT_EQ(table.getHighlighted(), -1);
  }
  EXPECT_EQ(name(0), "BO");
  EXPECT_EQ(table.entries[0].score, 12);
  EXPECT_EQ(name(1), "ANNA");
  EXPECT_EQ(table.entries[1].score, 7) << "a name keeps its best";
  EXPECT_EQ(table.entries[2].score, 0);
}

}  // namespace
}  // namespace bt::test
