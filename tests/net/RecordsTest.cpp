// The world-records side of the score client: the bodies and paths it sends
// and the replies it reads, which come from a server it does not control.
#include <gtest/gtest.h>

#include <string>

#include "net/ExchangeExtras.h"
#include "net/RecordsReply.h"
#include "net/RecordsRequest.h"
#include "net/protocol/RecordsProtocol.h"

namespace bt {
namespace {

TEST(RecordsRequestTest, BodiesAndPaths) {
  EXPECT_EQ(scoreBody(std::nullopt), "OK") << "the phone's body: no proof";
  EXPECT_EQ(scoreBody("UU<L>L<L>,LUU<RR>DDDD<<LL>>"), "proof=UU<L>L<L>,LUU<RR>DDDD<<LL>>");
  EXPECT_EQ(scoreBody(""), "proof=") << "the proof of no level";
  // Bytes the game never puts in a proof cannot end the field.
  EXPECT_EQ(scoreBody("U&proof=R%"), "proof=U%26proof%3DR%25");
  EXPECT_EQ(worldRecordsPath("brambletop"), "/records/brambletop");
  EXPECT_EQ(levelRecordsPath("brambletop", 72), "/records/brambletop/72");
  EXPECT_EQ(levelRecordsPath("a b", 1), "/records/a%20b/1");
  EXPECT_EQ(dailyRecordsPath("brambletop"), "/records/brambletop/daily");
  // A daily puzzle's record goes where its id says; a level's key is its number.
  const RecordSubmission daily = puzzleRecord("8c4p7m-2r3ch", "ANN", "UU<");
  EXPECT_EQ(recordsPath("brambletop", daily.key), "/records/brambletop/8c4p7m-2r3ch");
  EXPECT_EQ(levelOf(daily), std::nullopt);
  EXPECT_EQ(levelOf(levelRecord(12, "ANN", "UU<")), 12);
  EXPECT_EQ(planExtras("brambletop", {{daily}, false}).front().path,
            "/records/brambletop/8c4p7m-2r3ch");
  EXPECT_EQ(recordBody("ANN7", "UU<L>L<L>"), "name=ANN7&moves=UU<L>L<L>");
  EXPECT_EQ(recordBody("A&B", "U&x"), "name=A%26B&moves=U%26x");
}

TEST(RecordsReplyTest, ALevelsTenBestAreReadLineByLine) {
  EXPECT_EQ(parseLevelRecords("9 ANN\n11 BOB\n11 CY\n"),
            (std::vector<LevelRecord>{{9, "ANN"}, {11, "BOB"}, {11, "CY"}}));
  EXPECT_EQ(parseLevelRecords(""), std::vector<LevelRecord>{});
  EXPECT_EQ(parseLevelRecords("9 ANN"), (std::vector<LevelRecord>{{9, "ANN"}})) << "no last \\n";
  // Each of these lines is skipped; the good one after them is read.
  for (const char* bad : {"0 ANN", "09 ANN", "1001 ANN", "99999999999 ANN", "-9 ANN", "+9 ANN",
                          "9 ann", "9 ABCDEFGHIJKLMNOP", "9  ANN", "9 ANN X", "9 ANN\r", "9",
                          " 9 ANN", "9 AN\x01N", "x ANN", ""}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(parseLevelRecords(std::string(bad) + "\n12 ZED\n"),
              (std::vector<LevelRecord>{{12, "ZED"}}));
  }
  std::string many;
  for (int i = 1; i <= 12; ++i) many += std::to_string(i) + " P\n";
  const std::vector<LevelRecord> ten = parseLevelRecords(many);
  ASSERT_EQ(ten.size(), 10u);
  EXPECT_EQ(ten.back(), (LevelRecord{10, "P"}));
  EXPECT_EQ(parseLevelRecords("1000 MAX\n"), (std::vector<LevelRecord>{{1000, "MAX"}}));
}

TEST(RecordsReplyTest, EachLevelsBestOncePerLevel) {
  EXPECT_EQ(parseWorldRecords("1 9 ANN\n2 17 BOB\n72 23 CY\n"),
            (std::vector<WorldRecord>{{1, {9, "ANN"}}, {2, {17, "BOB"}}, {72, {23, "CY"}}}));
  EXPECT_EQ(parseWorldRecords("1 9 ANN\n1 5 LIAR\n0 9 ZERO\n1000 9 FAR\n3 9\n4 9 D E\n5 9 FIVE"),
            (std::vector<WorldRecord>{{1, {9, "ANN"}}, {5, {9, "FIVE"}}}));
  EXPECT_EQ(parseWorldRecords(std::string("1 9 A\0B\n2 9 B", 13)),
            (std::vector<WorldRecord>{{2, {9, "B"}}}));
}

// The counts of players came after the records: a reader of the records
// alone reads a reply with them as before, and they are read apart.
TEST(RecordsReplyTest, PlayersLinesAreReadApartAndSkippedByTheRecords) {
  const std::string bests = "1 9 ANN\n2 17 BOB\nplayers 1 11 57\nplayers 2 1 1\n";
  EXPECT_EQ(parseWorldRecords(bests),
            (std::vector<WorldRecord>{{1, {9, "ANN"}}, {2, {17, "BOB"}}}));
  EXPECT_EQ(parseWorldRecordPlayers(bests),
            (std::vector<WorldRecordPlayers>{{1, 11, 57}, {2, 1, 1}}));
  EXPECT_EQ(parseWorldRecordPlayers("1 9 ANN\n"), std::vector<WorldRecordPlayers>{});
  EXPECT_EQ(parseLevelRecords("9 ANN\n9 BOB\nplayers 9 2\nplayers 11 1\nplayers all 3\n"),
            (std::vector<LevelRecord>{{9, "ANN"}, {9, "BOB"}}));
  for (const char* bad : {"players 1 12 11", "players 0 1 1", "players 1 0 1", "players 1 1",
                          "players 1 01 1", "players 1 1 1 1", "players 1 1 -1", "player 1 1 1",
                          "players 1000 1 1", "players 1 1 10000000000000", "1 9 ANN"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(parseWorldRecordPlayers(std::string(bad) + "\nplayers 3 2 5\n"),
              (std::vector<WorldRecordPlayers>{{3, 2, 5}}));
  }
  EXPECT_EQ(parseWorldRecordPlayers("players 1 1 2\nplayers 1 2 2\n"),
            (std::vector<WorldRecordPlayers>{{1, 1, 2}}))
      << "once per level";
}

TEST(ExchangeExtrasTest, RecordsAreSentUpToTheLimitThenTheFetch) {
  ExchangeExtras extras;
  for (int level = 1; level <= 30; ++level)
    extras.records.push_back(levelRecord(level, "ANN", "UU<L>L<L>"));
  extras.fetchWorldRecords = true;
  const std::vector<RequestPlan> plans = planExtras("brambletop", extras);
  ASSERT_EQ(plans.size(), kMaxRecordsPerExchange + 1);
  EXPECT_EQ(plans[0].method, "POST");
  EXPECT_EQ(plans[0].path, "/records/brambletop/1");
  EXPECT_EQ(plans[0].body, "name=ANN&moves=UU<L>L<L>");
  EXPECT_EQ(plans[24].record, 24u);
  EXPECT_EQ(plans.back().method, "GET");
  EXPECT_EQ(plans.back().path, "/records/brambletop");
  EXPECT_GE(plans.back().maxBody, 72u * 25u) << "a line for each level";

  ExtrasOutcome outcome = outcomeBefore(extras);
  ASSERT_EQ(outcome.records.size(), 30u);
  // A server without the records' paths (404, 405) settles nothing: the
  // records go again, to a server that takes them.
  const struct {
    int status;
    RecordOutcome outcome;
  } answers[] = {{200, RecordOutcome::Kept},
                 {403, RecordOutcome::Refused},
                 {400, RecordOutcome::Refused},
                 {413, RecordOutcome::Refused},
                 {429, RecordOutcome::NotSent},
                 {408, RecordOutcome::NotSent},
                 {kRecordTooEarlyStatus, RecordOutcome::NotSent},
                 {503, RecordOutcome::NotSent},
                 {404, RecordOutcome::NotSent},
                 {405, RecordOutcome::NotSent}};
  for (size_t i = 0; i < std::size(answers); ++i) {
    SCOPED_TRACE(answers[i].status);
    noteExtra(plans[i], {answers[i].status, "9 ANN\n"}, outcome);
    EXPECT_EQ(outcome.records[i], answers[i].outcome);
  }
  noteExtra(plans.back(), {503, "1 9 ANN\n"}, outcome);
  EXPECT_FALSE(outcome.worldRecords.has_value());
  noteExtra(plans.back(), {200, "1 9 ANN\n"}, outcome);
  EXPECT_EQ(outcome.worldRecords, (std::vector<WorldRecord>{{1, {9, "ANN"}}}));
}

}  // namespace
}  // namespace bt
