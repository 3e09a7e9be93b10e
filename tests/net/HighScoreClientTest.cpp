#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "app/ShellFixture.h"
#include "net/HighScoreClient.h"
#include "support/LocalHttpServer.h"
#include "support/ScoreReplyText.h"

namespace bt::test {
namespace {

using namespace std::chrono_literals;

// Records what the worker reports, from the worker's thread.
class ListenerScreen : public Screen {
 public:
  using Screen::Screen;
  void notify(int32_t status) override {
    std::lock_guard<std::mutex> lock(mutex_);
    reports_.push_back(status);
    changed_.notify_all();
  }
  // Waits (at most 20 s) until the last report is 3 or 4.
  std::vector<int32_t> waitForEnd() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, 20s, [this] {
      return !reports_.empty() && (reports_.back() == 3 || reports_.back() == 4);
    });
    return reports_;
  }
  void waitFor(int32_t status) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, 20s, [&] { return !reports_.empty() && reports_.back() == status; });
  }
  std::vector<int32_t> reports() {
    std::lock_guard<std::mutex> lock(mutex_);
    return reports_;
  }
  void clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    reports_.clear();
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<int32_t> reports_;
};

class HighScoreClientTest : public ShellTest {
 protected:
  HighScoreClientTest() {
    start();
    listener_ = std::make_unique<ListenerScreen>(*app_);
    client_.setGameId("brambletop");
    client_.setScoreTable(&table_);
    useServer(server_.port(), 10s);
  }

  void useServer(int port, std::chrono::milliseconds timeout) {
    ScoreServer server;
    server.port = static_cast<uint16_t>(port);
    server.timeout = timeout;
    client_.setServer(server);
  }

  std::vector<int32_t> exchange() {
    listener_->clear();
    EXPECT_TRUE(client_.start(*listener_));
    return listener_->waitForEnd();
  }

  LocalHttpServer server_;
  ScoreTable table_;
  std::unique_ptr<ListenerScreen> listener_;
  HighScoreClient client_{platform_.network()};
};

TEST_F(HighScoreClientTest, FetchesThenSubmitsAgainstARealServer) {
  server_.answer(200, tenPairs("F"));
  EXPECT_EQ(exchange(), (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(table_.entries[0].score, 0) << "the table waits for the user-interface thread";
  ASSERT_TRUE(client_.applyReceived());
  EXPECT_EQ(std::string(table_.entries[0].name.data()), "F10");
  EXPECT_EQ(table_.entries[9].score, 10);
  EXPECT_FALSE(client_.applyReceived()) << "taken once";

  table_.setEntryName(4, "A B&C");
  table_.entries[4].score = 100;
  table_.setHighlighted(4);
  server_.answer(200, tenPairs("S"));
  EXPECT_EQ(exchange(), (std::vector<int32_t>{1, 2, 3}));
  ASSERT_TRUE(client_.applyReceived());
  EXPECT_EQ(std::string(table_.entries[0].name.data()), "S10");
  EXPECT_EQ(table_.getHighlighted(), -1) << "the next exchange fetches";

  const std::vector<ReceivedRequest> requests = server_.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].target, "/highscorescript/highscore.asp?game=brambletop");
  EXPECT_EQ(requests[1].target,
            "/highscorescript/highscore.asp?game=brambletop&init=A%20B%26C&score=100&special=1232");
  for (const ReceivedRequest& r : requests) {
    EXPECT_EQ(r.body, "OK");
    EXPECT_EQ(r.agent, "Microsoft Internet Explorer");
  }
  EXPECT_EQ(platform_.headlessNetwork().dataConnectionsOpened(), 1) << "kept for the next one";
}

TEST_F(HighScoreClientTest, OnlyTheFirst1024BytesOfTheReplyAreRead) {
  std::string body;
  for (int i = 0; i < 9; ++i) body += "5 " + std::string(100, 'A' + i) + " ";
  body += "77 ";
  body.resize(1024, 'Q');
  body += "QQ 88 LATE";
  server_.answer(200, body);
  EXPECT_EQ(exchange(), (std::vector<int32_t>{1, 2, 3}));
  ASSERT_TRUE(client_.applyReceived());
  EXPECT_EQ(table_.entries[0].score, 77);
  EXPECT_EQ(std::string(table_.entries[0].name.data()), std::string(15, 'Q'));
}

TEST_F(HighScoreClientTest, FailuresReportFourAndLeaveTheTable) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
    std::vector<int32_t> reports;
  };
  LocalHttpServer closed;
  const int closedPort = closed.port();
  closed.stop();
  const std::vector<Case> cases = {
      {"connection refused", [&] { useServer(closedPort, 10s); }, {1, 2, 4}},
      {"status 404", [&] { server_.answer(404, tenPairs("X")); }, {1, 2, 4}},
      {"status 500", [&] { server_.answer(500, tenPairs("X")); }, {1, 2, 4}},
      {"silent server",
       [&] {
         server_.setSilent(true);
         useServer(server_.port(), 200ms);
       },
       {1, 2, 4}},
      {"no data connection",
       [&] { platform_.headlessNetwork().refuseDataConnection(true); },
       {1, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    table_.setHighlighted(2);
    const ScoreTable before = table_;
    c.arrange();
    EXPECT_EQ(exchange(), c.reports);
    EXPECT_FALSE(client_.applyReceived());
    EXPECT_EQ(table_.entries[9].score, before.entries[9].score);
    EXPECT_EQ(table_.getHighlighted(), 2);
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
    client->setScoreTable(&table_);
    ScoreServer server;
    server.port = static_cast<uint16_t>(server_.port());
    server.timeout = 60s;
    client->setServer(server);
    listener_->clear();
    ASSERT_TRUE(client->start(*listener_));
    listener_->waitFor(2);
    while (server_.requests().size() == requestsBefore) std::this_thread::sleep_for(1ms);
    EXPECT_FALSE(client->start(*listener_)) << "one worker at a time";
    const auto begin = std::chrono::steady_clock::now();
    if (destroy) {
      client.reset();
    } else {
      client->stop();
      EXPECT_FALSE(client->running());
      EXPECT_FALSE(client->applyReceived());
    }
    EXPECT_LT(std::chrono::steady_clock::now() - begin, 5s) << "cancelled, not timed out";
    server_.setSilent(false);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(listener_->reports(), (std::vector<int32_t>{1, 2}));
  }
}

TEST_F(HighScoreClientTest, NothingStartsWithoutATable) {
  HighScoreClient client(platform_.network());
  EXPECT_FALSE(client.start(*listener_));
  EXPECT_TRUE(listener_->reports().empty());
}

}  // namespace
}  // namespace bt::test
