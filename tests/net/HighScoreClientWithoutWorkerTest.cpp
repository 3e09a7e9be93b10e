#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/HighScoreClient.h"
#include "support/RecordingListener.h"
#include "support/ScoreReplyText.h"

namespace bt::test {
namespace {

// A network that must never block, as a browser page's: each post waits
// until the test completes it, as the page's event loop would.
class LaterNetwork : public platform::Network {
 public:
  struct Post : platform::HttpPost {
    explicit Post(LaterNetwork& network, platform::HttpPostRequest request)
        : network(network), request(std::move(request)) {}
    ~Post() override { network.live = nullptr; }
    std::optional<platform::HttpResponse> send() override {
      ADD_FAILURE() << "a blocking send on a network that never blocks";
      return std::nullopt;
    }
    bool sendLater(Done then) override {
      if (network.refuse) return false;
      done = std::move(then);
      network.live = this;
      return true;
    }
    void cancel() override { cancelled = true; }
    LaterNetwork& network;
    platform::HttpPostRequest request;
    Done done;
    bool cancelled = false;
  };

  std::unique_ptr<platform::DataConnection> openDataConnection() override {
    struct Up : platform::DataConnection {
      bool isConnected() const override { return true; }
    };
    return std::make_unique<Up>();
  }
  std::unique_ptr<platform::HttpPost> makePost(platform::HttpPostRequest request) override {
    return std::make_unique<Post>(*this, std::move(request));
  }
  bool sendsBlocking() const override { return false; }

  // Ends the waiting post as the page would (never after a cancel).
  void complete(std::optional<platform::HttpResponse> response) {
    ASSERT_NE(live, nullptr);
    if (live->cancelled) return;
    auto done = std::move(live->done);
    done(std::move(response));
  }

  Post* live = nullptr;
  bool refuse = false;
};

using Reports = std::vector<ExchangeStatus>;
constexpr ExchangeStatus kConnecting = ExchangeStatus::Connecting;
constexpr ExchangeStatus kExchanging = ExchangeStatus::Exchanging;
constexpr ExchangeStatus kComplete = ExchangeStatus::Complete;
constexpr ExchangeStatus kFailed = ExchangeStatus::Failed;

class HighScoreClientWithoutWorkerTest : public ::testing::Test {
 protected:
  HighScoreClientWithoutWorkerTest() { client_.setGameId("brambletop"); }

  LaterNetwork network_;
  RecordingListener reports_;
  HighScoreClient client_{network_};
};

// The same reports and reply as with a worker, all on the calling thread:
// Connecting and Exchanging from start, the last one when the request
// completes.
TEST_F(HighScoreClientWithoutWorkerTest, ReportsAsTheRequestEnds) {
  ASSERT_TRUE(client_.start(reports_, std::nullopt));
  EXPECT_EQ(reports_.reports(), (Reports{kConnecting, kExchanging}));
  EXPECT_TRUE(client_.running());
  ASSERT_NE(network_.live, nullptr);
  EXPECT_EQ(network_.live->request.path, "/highscorescript/highscore.asp?game=brambletop");
  EXPECT_FALSE(client_.start(reports_, std::nullopt)) << "one exchange at a time";

  network_.complete(platform::HttpResponse{200, tenPairs("W")});
  EXPECT_EQ(reports_.reports(), (Reports{kConnecting, kExchanging, kComplete}));
  EXPECT_FALSE(client_.running());
  EXPECT_EQ(network_.live, nullptr) << "the finished request is released";
  const std::optional<ScoreReply> reply = client_.takeReceived();
  ASSERT_TRUE(reply.has_value());
  EXPECT_EQ(std::string(reply->pairs[9].name.data()), "W10");
}

TEST_F(HighScoreClientWithoutWorkerTest, FailuresReportFailed) {
  struct Case {
    const char* what;
    std::optional<platform::HttpResponse> response;
    bool refuse;
  };
  const Case cases[] = {{"no response", std::nullopt, false},
                        {"not found", platform::HttpResponse{404, tenPairs("W")}, false},
                        {"fetch refused", std::nullopt, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    reports_.clear();
    network_.refuse = c.refuse;
    ASSERT_TRUE(client_.start(reports_, std::nullopt));
    if (!c.refuse) network_.complete(c.response);
    EXPECT_EQ(reports_.reports(), (Reports{kConnecting, kExchanging, kFailed}));
    EXPECT_FALSE(client_.running());
    EXPECT_FALSE(client_.takeReceived());
  }
}

// The extras follow one by one as each request completes, and the last
// report waits for the last of them; a request that gets no answer ends the
// extras there.
TEST_F(HighScoreClientWithoutWorkerTest, TheExtrasFollowOneByOne) {
  ExchangeExtras extras;
  extras.records = {{"1", "ANN", "UU<L>L<L>"}, {"2", "ANN", "LU<"}};
  extras.fetchWorldRecords = true;
  ASSERT_TRUE(client_.start(reports_, ScoreSubmission{"ANN", 1, "UU<L>L<L>"}, extras));
  EXPECT_EQ(network_.live->request.body, "proof=UU<L>L<L>");
  network_.complete(platform::HttpResponse{200, tenPairs("W")});
  ASSERT_NE(network_.live, nullptr);
  EXPECT_EQ(network_.live->request.path, "/records/brambletop/1");
  network_.complete(platform::HttpResponse{200, "9 ANN\n"});
  EXPECT_EQ(network_.live->request.path, "/records/brambletop/2");
  network_.complete(platform::HttpResponse{403, "no\n"});
  EXPECT_EQ(network_.live->request.method, "GET");
  EXPECT_EQ(reports_.reports(), (Reports{kConnecting, kExchanging})) << "not before the last";
  network_.complete(platform::HttpResponse{200, "1 9 ANN\n"});
  EXPECT_EQ(reports_.reports(), (Reports{kConnecting, kExchanging, kComplete}));
  EXPECT_EQ(network_.live, nullptr);
  EXPECT_TRUE(client_.takeReceived().has_value());
  std::optional<ExtrasOutcome> outcome = client_.takeExtras();
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(outcome->records,
            (std::vector<RecordOutcome>{RecordOutcome::Kept, RecordOutcome::Refused}));
  EXPECT_EQ(outcome->worldRecords, (std::vector<WorldRecord>{{1, {9, "ANN"}}}));

  reports_.clear();
  ASSERT_TRUE(client_.start(reports_, std::nullopt, extras));
  network_.complete(platform::HttpResponse{200, tenPairs("W")});
  network_.complete(std::nullopt);
  EXPECT_EQ(reports_.reports(), (Reports{kConnecting, kExchanging, kComplete}));
  EXPECT_EQ(network_.live, nullptr) << "nothing more after a request without an answer";
  outcome = client_.takeExtras();
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(outcome->records, std::vector<RecordOutcome>(2, RecordOutcome::NotSent));
}

// STOP cancels the request; nothing reports after it, and the next exchange
// starts afresh.
TEST_F(HighScoreClientWithoutWorkerTest, StopCancelsTheRequest) {
  ASSERT_TRUE(client_.start(reports_, std::nullopt));
  LaterNetwork::Post* first = network_.live;
  client_.stop();
  EXPECT_TRUE(first->cancelled);
  EXPECT_FALSE(client_.running());
  network_.complete(platform::HttpResponse{200, tenPairs("W")});
  EXPECT_EQ(reports_.reports(), (Reports{kConnecting, kExchanging}));

  ASSERT_TRUE(client_.start(reports_, std::nullopt));
  network_.complete(platform::HttpResponse{200, tenPairs("W")});
  EXPECT_EQ(reports_.reports(),
            (Reports{kConnecting, kExchanging, kConnecting, kExchanging, kComplete}));
}

}  // namespace
}  // namespace bt::test
