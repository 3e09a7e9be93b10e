// The HTTP side in-process, with limits small enough to reach in a test and
// a store that can be made to fail.
#include <gtest/gtest.h>

#include <thread>

#include "RawConnection.h"
#include "ScoreHttpServer.h"
#include "ScoreRequests.h"

namespace bt::scored {
namespace {

using std::chrono::milliseconds;

class MemoryStore : public ScoreStore {
 public:
  std::vector<ScoreEntry> topTen(const std::string&) override {
    if (failing) throw StoreError("down");
    return entries;
  }
  void record(const ScoreRecord& r) override {
    if (failing) throw StoreError("down");
    entries.insert(entries.begin(), {r.name, r.score});
  }
  std::vector<ScoreEntry> entries;
  bool failing = false;
};

class ScoreHttpServerTest : public ::testing::Test {
 protected:
  void start(ConnectionLimits limits) {
    server_ = std::make_unique<ScoreHttpServer>(service_, log_, std::vector<std::string>{}, limits);
    port_ = server_->bindTo("127.0.0.1", 0);
    ASSERT_GT(port_, 0);
    thread_ = std::thread([this] { server_->serve(); });
  }
  void TearDown() override {
    if (thread_.joinable()) {
      server_->shutDown();
      thread_.join();
    }
  }

  MemoryStore store_;
  SubmissionRateLimit limit_;
  ScoreService service_{store_, limit_};
  RequestLog log_{false};
  std::unique_ptr<ScoreHttpServer> server_;
  std::thread thread_;
  int port_ = 0;
};

TEST_F(ScoreHttpServerTest, ConnectionsPastTheLimitAreTurnedAwayAtOnce) {
  ConnectionLimits limits;
  limits.maxConnections = 2;
  start(limits);
  test::RawConnection first(port_), second(port_);
  std::this_thread::sleep_for(milliseconds(100));  // both taken up
  test::RawConnection third(port_);
  const std::string reply = third.receiveUntilClosed(milliseconds(2000));
  EXPECT_TRUE(reply.starts_with("HTTP/1.1 503")) << reply;
  // Once one leaves, a new client is served again.
  first.send(
      "POST /highscorescript/highscore.asp?game=g HTTP/1.1\r\nConnection: close\r\n"
      "Content-Length: 2\r\n\r\nOK");
  EXPECT_TRUE(first.receiveUntilClosed(milliseconds(2000)).starts_with("HTTP/1.1 200"));
  std::this_thread::sleep_for(milliseconds(100));
  auto c = test::clientFor(port_);
  EXPECT_EQ(test::post(c, "game=g").status, 200);
}

TEST_F(ScoreHttpServerTest, IdleAndSlowConnectionsEndOnTime) {
  ConnectionLimits limits;
  limits.idleTimeout = milliseconds(300);
  limits.requestTimeout = milliseconds(300);
  start(limits);
  test::RawConnection idle(port_), slow(port_);
  slow.send("POST /highscorescript/highscore.asp?game=g HTTP/1.1\r\n");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(idle.closedWithin(milliseconds(2000)));
  const std::string reply = slow.receiveUntilClosed(milliseconds(2000));
  EXPECT_TRUE(reply.starts_with("HTTP/1.1 408")) << reply;
  EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(1500));
}

TEST_F(ScoreHttpServerTest, AnUnreachableStoreIsA503AndNotASuccess) {
  start({});
  store_.failing = true;
  auto c = test::clientFor(port_);
  for (const std::string& query : {std::string("game=g"), test::submitQuery("g", "A", 5)}) {
    SCOPED_TRACE(query);
    const test::Answer answer = test::post(c, query);
    EXPECT_EQ(answer.status, 503);
    EXPECT_EQ(answer.body, "the score table cannot be reached now\n");
  }
}

}  // namespace
}  // namespace bt::scored
