// The game's own score client against the real score server: what one
// submits, the other keeps, and the table the player then sees is the
// server's. A default server takes only proven scores; the game's proof
// comes from "proof.dat" as the online score screen sends it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/GameProofFile.h"
#include "app/ScoreTable.h"
#include "app/ShellFixture.h"
#include "game/DailyPuzzle.h"
#include "game/LevelData.h"
#include "game/PuzzleGenerator.h"
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
  // The phone's client proves nothing: this server takes the check value alone.
  bt::scored::test::ScoredProcess scored_{
      {"--db", database_.path(), "--quiet", "--accept-unproven"}};
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

// A server as it runs by default, and the game's application around the
// client, with its files in a temporary folder.
class ProvenScoresTest : public ShellTest {
 protected:
  void SetUp() override {
    ASSERT_NE(scored_.port(), 0) << scored_.errorOutput();
    start();
    ScoreServer server;
    server.port = static_cast<uint16_t>(scored_.port());
    client_.setServer(server);
    client_.setGameId(kScoreGameId);
    client_.setRefusalReporter([this](std::string_view reason) { refusals_.emplace_back(reason); });
  }

  // The highlighted row's exchange as the online score screen makes it.
  ExchangeStatus exchange(const ExchangeExtras& extras = {}) {
    listener_.clear();
    EXPECT_TRUE(client_.start(listener_, provenSubmission(app_->player()), extras));
    const std::vector<ExchangeStatus> reports = listener_.waitForEnd();
    client_.stop();
    applyReceived(client_, app_->player().scores());
    return reports.empty() ? ExchangeStatus::Idle : reports.back();
  }

  void highlight(const char* name, int32_t score) {
    ScoreTable& table = app_->player().scores();
    table.setEntryName(0, name);
    table.entries[0].score = score;
    table.setHighlighted(0);
  }

  bt::scored::test::TempDatabaseFile database_;
  // A Tuesday, whose daily puzzle (side 6) is made quickly.
  bt::scored::test::ScoredProcess scored_{{"--db", database_.path(), "--quiet", "--today", kToday}};
  static constexpr const char* kToday = "2026-12-08";
  RecordingListener listener_;
  HighScoreClient client_{platform_.network()};
  std::vector<std::string> refusals_;
};

TEST_F(ProvenScoresTest, AnHonestGameIsAcceptedAndAnUnprovenOneRefused) {
  // Two levels solved, the first with detours the proof leaves out.
  GameProofFile proof(app_->player());
  proof.clear();
  proof.levelSolved(0, "LLRRUU<><L>DUL<L>");
  proof.levelSolved(1, levelSolutions()[1]);

  highlight("CURL", 999999999);  // what a forger would send
  EXPECT_EQ(exchange(), ExchangeStatus::Failed);
  highlight("ANNA", 3);  // one level more than the proof holds: no proof sent
  EXPECT_EQ(exchange(), ExchangeStatus::Failed);
  ASSERT_EQ(refusals_.size(), 2u);
  EXPECT_EQ(refusals_[1], "the score server answered 403: the score has no proof of play");

  highlight("ANNA", 2);
  ExchangeExtras extras;
  extras.records = {levelRecord(1, "ANNA", std::string(levelSolutions()[0])),
                    levelRecord(2, "ANNA", "LU<")};
  extras.fetchWorldRecords = true;
  EXPECT_EQ(exchange(extras), ExchangeStatus::Complete);
  EXPECT_EQ(refusals_.size(), 2u);
  const ScoreTable& table = app_->player().scores();
  EXPECT_STREQ(table.entries[0].name.data(), "ANNA");
  EXPECT_EQ(table.entries[0].score, 2);
  EXPECT_EQ(table.entries[1].score, 0) << "nothing else was taken";
  std::optional<ExtrasOutcome> outcome = client_.takeExtras();
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(outcome->records,
            (std::vector<RecordOutcome>{RecordOutcome::Kept, RecordOutcome::Refused}));
  EXPECT_EQ(outcome->worldRecords, (std::vector<WorldRecord>{{1, {9, "ANNA"}}}));
}

// The daily puzzle's record goes as a level's does, its id for the level:
// the server replays it on the puzzle it makes from the id, and refuses a
// day that is over.
TEST_F(ProvenScoresTest, ADailyRecordGoesWithTheExchange) {
  const std::string today = puzzle::dailyPuzzleId(*puzzle::parseDate(kToday));
  const std::string solution = puzzle::generatePuzzle(*puzzle::parsePuzzleId(today)).solution;
  const std::string monthAgo = puzzle::dailyPuzzleId(*puzzle::parseDate("2026-11-01"));
  ExchangeExtras extras;
  extras.records = {puzzleRecord(today, "ANNA", solution),
                    puzzleRecord(today, "BO", solution.substr(1)),
                    puzzleRecord(monthAgo, "ANNA", solution)};
  EXPECT_EQ(exchange(extras), ExchangeStatus::Complete);
  std::optional<ExtrasOutcome> outcome = client_.takeExtras();
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(outcome->records,
            (std::vector<RecordOutcome>{RecordOutcome::Kept, RecordOutcome::Refused,
                                        RecordOutcome::Refused}));
}

}  // namespace
}  // namespace bt::test
