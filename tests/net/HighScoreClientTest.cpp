#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "net/HighScoreClient.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/LocalHttpServer.h"
#include "support/RecordingListener.h"
#include "support/ScoreReplyText.h"

namespace bt::test {
namespace {

using namespace std::chrono_literals;

using Reports = std::vector<ExchangeStatus>;
constexpr ExchangeStatus kConnecting = ExchangeStatus::Connecting;
constexpr ExchangeStatus kExchanging = ExchangeStatus::Exchanging;
constexpr ExchangeStatus kComplete = ExchangeStatus::Complete;
constexpr ExchangeStatus kFailed = ExchangeStatus::Failed;

// The name and score of a reply's pair i.
std::pair<std::string, int32_t> pairOf(const ScoreReply& reply, int i) {
  return {reply.pairs[static_cast<size_t>(i)].name.data(),
          reply.pairs[static_cast<size_t>(i)].score};
}

class HighScoreClientTest : public ::testing::Test {
 protected:
  HighScoreClientTest() {
    client_.setGameId("brambletop");
    useServer(server_.port(), 10s);
  }

  void useServer(int port, std::chrono::milliseconds timeout) {
    ScoreServer server;
    server.port = static_cast<uint16_t>(port);
    server.timeout = timeout;
    client_.setServer(server);
  }

  Reports exchange(const std::optional<ScoreSubmission>& submission = std::nullopt) {
    listener_.clear();
    EXPECT_TRUE(client_.start(listener_, submission));
    return listener_.waitForEnd();
  }

  LocalHttpServer server_;
  platform::HeadlessPlatform platform_{1000};
  RecordingListener listener_;
  HighScoreClient client_{platform_.network()};
};

TEST_F(HighScoreClientTest, FetchesThenSubmitsAgainstARealServer) {
  server_.answer(200, tenPairs("F"));
  EXPECT_EQ(exchange(), (Reports{kConnecting, kExchanging, kComplete}));
  std::optional<ScoreReply> reply = client_.takeReceived();
  ASSERT_TRUE(reply.has_value()) << "the reply waits for the user-interface thread";
  ASSERT_EQ(reply->count, 10);
  EXPECT_EQ(pairOf(*reply, 0), (std::pair<std::string, int32_t>{"F1", 10}));
  EXPECT_EQ(pairOf(*reply, 9), (std::pair<std::string, int32_t>{"F10", 100}));
  EXPECT_FALSE(client_.takeReceived()) << "taken once";

  server_.answer(200, tenPairs("S"));
  EXPECT_EQ(exchange(ScoreSubmission{"A B&C", 100, std::nullopt}),
            (Reports{kConnecting, kExchanging, kComplete}));
  reply = client_.takeReceived();
  ASSERT_TRUE(reply.has_value());
  EXPECT_EQ(pairOf(*reply, 9).first, "S10");

  // A name longer than a table's row holds is sent as the row would hold it.
  server_.answer(200, tenPairs("L"));
  EXPECT_EQ(exchange(ScoreSubmission{"ABCDEFGHIJKLMNOPQ", 7, std::nullopt}),
            (Reports{kConnecting, kExchanging, kComplete}));

  const std::vector<ReceivedRequest> requests = server_.requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[0].target, "/highscorescript/highscore.asp?game=brambletop");
  EXPECT_EQ(requests[1].target,
            "/highscorescript/highscore.asp?game=brambletop&init=A%20B%26C&score=100&special=1232");
  EXPECT_EQ(
      requests[2].target,
      "/highscorescript/highscore.asp?game=brambletop&init=ABCDEFGHIJKLMNO&score=7&special=209");
  for (const ReceivedRequest& r : requests) {
    EXPECT_EQ(r.body, "OK");
    EXPECT_EQ(r.agent, "Microsoft Internet Explorer");
  }
  EXPECT_EQ(platform_.headlessNetwork().dataConnectionsOpened(), 1) << "kept for the next one";
}

// A submission carries its proof in the body; after the server's answer, the
// player's records go one by one, then the fetch of each level's best, and
// none of them changes the reports. A refusal of the score itself is told
// to the reporter, and the records still go.
TEST_F(HighScoreClientTest, TheProofGoesInTheBodyAndTheExtrasFollow) {
  const std::string level = "/records/brambletop/";
  server_.answerRecords("POST " + level + "1", 200, "9 ANN\n");
  server_.answerRecords("POST " + level + "2", 403, "the moves do not solve level 2\n");
  server_.answerRecords("POST " + level + "3", 429, "more than 30 records a minute\n");
  server_.answerRecords("GET /records/brambletop", 200, "1 9 ANN\n2 17 BOB\n");
  ExchangeExtras extras;
  extras.records = {{"1", "ANN", "UU<L>L<L>"}, {"2", "ANN", "LU<"}, {"3", "ANN", "R>"}};
  extras.fetchWorldRecords = true;
  std::vector<std::string> refusals;
  client_.setRefusalReporter([&](std::string_view reason) { refusals.emplace_back(reason); });

  server_.answer(200, tenPairs("S"));
  listener_.clear();
  ASSERT_TRUE(
      client_.start(listener_, ScoreSubmission{"ANN", 2, "UU<L>L<L>,LUU<RR>DDDD<<LL>>"}, extras));
  EXPECT_EQ(listener_.waitForEnd(), (Reports{kConnecting, kExchanging, kComplete}));
  EXPECT_TRUE(client_.takeReceived().has_value());
  std::optional<ExtrasOutcome> outcome = client_.takeExtras();
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(outcome->records,
            (std::vector<RecordOutcome>{RecordOutcome::Kept, RecordOutcome::Refused,
                                        RecordOutcome::NotSent}));
  EXPECT_EQ(outcome->worldRecords, (std::vector<WorldRecord>{{1, {9, "ANN"}}, {2, {17, "BOB"}}}));
  EXPECT_FALSE(client_.takeExtras()) << "taken once";
  EXPECT_TRUE(refusals.empty());

  std::vector<ReceivedRequest> requests = server_.requests();
  ASSERT_EQ(requests.size(), 5u);
  EXPECT_EQ(requests[0].method, "POST");
  EXPECT_EQ(requests[0].target,
            "/highscorescript/highscore.asp?game=brambletop&init=ANN&score=2&special=154");
  EXPECT_EQ(requests[0].body, "proof=UU<L>L<L>,LUU<RR>DDDD<<LL>>");
  EXPECT_EQ(requests[1].target, level + "1");
  EXPECT_EQ(requests[1].body, "name=ANN&moves=UU<L>L<L>");
  EXPECT_EQ(requests[3].target, level + "3");
  EXPECT_EQ(requests[4].method, "GET");
  EXPECT_EQ(requests[4].target, "/records/brambletop");
  EXPECT_EQ(requests[4].body, "");

  server_.answer(403, "the proof solves 2 levels,\x1b[2J not 9\nmore");
  listener_.clear();
  ASSERT_TRUE(client_.start(listener_, ScoreSubmission{"ANN", 9, std::nullopt}, extras));
  EXPECT_EQ(listener_.waitForEnd(), (Reports{kConnecting, kExchanging, kFailed}));
  EXPECT_FALSE(client_.takeReceived());
  EXPECT_EQ(refusals, (std::vector<std::string>{
                          "the score server answered 403: the proof solves 2 levels,?[2J not 9"}));
  outcome = client_.takeExtras();
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(outcome->records[0], RecordOutcome::Kept) << "sent all the same";
  requests = server_.requests();
  ASSERT_EQ(requests.size(), 10u);
  EXPECT_EQ(requests[5].body, "OK") << "no proof: the phone's body";

  // A server that cannot be reached gets nothing more after the first try.
  LocalHttpServer closed;
  const int closedPort = closed.port();
  closed.stop();
  useServer(closedPort, 10s);
  listener_.clear();
  ASSERT_TRUE(client_.start(listener_, std::nullopt, extras));
  EXPECT_EQ(listener_.waitForEnd(), (Reports{kConnecting, kExchanging, kFailed}));
  outcome = client_.takeExtras();
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(outcome->records, std::vector<RecordOutcome>(3, RecordOutcome::NotSent));
  EXPECT_FALSE(outcome->worldRecords.has_value());
  EXPECT_EQ(refusals.size(), 1u);

  platform_.headlessNetwork().refuseDataConnection(true);
  listener_.clear();
  ASSERT_TRUE(client_.start(listener_, std::nullopt, extras));
  EXPECT_EQ(listener_.waitForEnd(), (Reports{kConnecting, kFailed}));
  outcome = client_.takeExtras();
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(outcome->records, std::vector<RecordOutcome>(3, RecordOutcome::NotSent));
}

// A reply nobody took is not handed out after the next exchange, whatever
// that one's end.
TEST_F(HighScoreClientTest, ANewExchangeDropsAReplyNotTaken) {
  server_.answer(200, tenPairs("F"));
  EXPECT_EQ(exchange(), (Reports{kConnecting, kExchanging, kComplete}));
  server_.answer(404, tenPairs("X"));
  EXPECT_EQ(exchange(), (Reports{kConnecting, kExchanging, kFailed}));
  EXPECT_FALSE(client_.takeReceived());
}

TEST_F(HighScoreClientTest, OnlyTheFirst1024BytesOfTheReplyAreRead) {
  std::string body;
  for (int i = 0; i < 9; ++i) body += "5 " + std::string(100, 'A' + i) + " ";
  body += "77 ";
  body.resize(1024, 'Q');
  body += "QQ 88 LATE";
  server_.answer(200, body);
  EXPECT_EQ(exchange(), (Reports{kConnecting, kExchanging, kComplete}));
  const std::optional<ScoreReply> reply = client_.takeReceived();
  ASSERT_TRUE(reply.has_value());
  ASSERT_EQ(reply->count, 10);
  EXPECT_EQ(pairOf(*reply, 9), (std::pair<std::string, int32_t>{std::string(15, 'Q'), 77}));
}

TEST_F(HighScoreClientTest, FailuresReportFailedAndLeaveNoReply) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
    Reports reports;
  };
  LocalHttpServer closed;
  const int closedPort = closed.port();
  closed.stop();
  const std::vector<Case> cases = {
      {"connection refused",
       [&] { useServer(closedPort, 10s); },
       {kConnecting, kExchanging, kFailed}},
      {"status 404",
       [&] { server_.answer(404, tenPairs("X")); },
       {kConnecting, kExchanging, kFailed}},
      {"status 500",
       [&] { server_.answer(500, tenPairs("X")); },
       {kConnecting, kExchanging, kFailed}},
      {"silent server",
       [&] {
         server_.setSilent(true);
         useServer(server_.port(), 200ms);
       },
       {kConnecting, kExchanging, kFailed}},
      {"no data connection",
       [&] { platform_.headlessNetwork().refuseDataConnection(true); },
       {kConnecting, kFailed}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.arrange();
    EXPECT_EQ(exchange(ScoreSubmission{"KIM", 2, std::nullopt}), c.reports);
    EXPECT_FALSE(client_.takeReceived());
    server_.setSilent(false);
    server_.answer(200, "");
    platform_.headlessNetwork().refuseDataConnection(false);
    useServer(server_.port(), 10s);
  }
}

// With a server that never answers and a long time-out, stopping and
// destroying both end the exchange at once, and nothing reports after.
TEST_F(HighScoreClientTest, StopAndTeardownEndARunningExchange) {
  for (bool destroy : {false, true}) {
    SCOPED_TRACE(destroy ? "destroyed" : "stopped");
    server_.setSilent(true);
    const size_t requestsBefore = server_.requests().size();
    auto client = std::make_unique<HighScoreClient>(platform_.network());
    client->setGameId("brambletop");
    ScoreServer server;
    server.port = static_cast<uint16_t>(server_.port());
    server.timeout = 60s;
    client->setServer(server);
    listener_.clear();
    ASSERT_TRUE(client->start(listener_, std::nullopt));
    listener_.waitFor(kExchanging);
    while (server_.requests().size() == requestsBefore) std::this_thread::sleep_for(1ms);
    EXPECT_FALSE(client->start(listener_, std::nullopt)) << "one worker at a time";
    const auto begin = std::chrono::steady_clock::now();
    if (destroy) {
      client.reset();
    } else {
      client->stop();
      EXPECT_FALSE(client->running());
      EXPECT_FALSE(client->takeReceived());
    }
    EXPECT_LT(std::chrono::steady_clock::now() - begin, 5s) << "cancelled, not timed out";
    server_.setSilent(false);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(listener_.reports(), (Reports{kConnecting, kExchanging}));
  }
}

}  // namespace
}  // namespace bt::test
