// The HTTP side in-process, with limits small enough to reach in a test and
// a store that can be made to fail.
#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "MemoryStore.h"
#include "RawConnection.h"
#include "ScoreHttpServer.h"
#include "ScoreRequests.h"
#include "StaticFiles.h"
#include "game/LevelData.h"
#include "support/TempFolder.h"

namespace bt::scored {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

const std::string kFetch =
    "POST /highscorescript/highscore.asp?game=g HTTP/1.1\r\nHost: x\r\nConnection: close\r\n"
    "Content-Length: 2\r\n\r\nOK";

class ScoreHttpServerTest : public ::testing::Test {
 protected:
  void start(ConnectionLimits limits, std::vector<std::string> trustedProxies = {},
             const StaticFiles* files = nullptr) {
    server_ = std::make_unique<ScoreHttpServer>(service_, log_, std::move(trustedProxies), limits);
    if (files) server_->serveWebFiles(*files);
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

  test::MemoryStore store_;
  SubmissionRateLimit limit_;
  ScoreService service_{store_, limit_, /*acceptUnproven=*/true};
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
  first.send(kFetch);
  EXPECT_TRUE(first.receiveUntilClosed(milliseconds(2000)).starts_with("HTTP/1.1 200"));
  std::this_thread::sleep_for(milliseconds(100));
  auto c = test::clientFor(port_);
  EXPECT_EQ(test::post(c, "game=g").status, 200);
}

TEST_F(ScoreHttpServerTest, OneClientHoldsItsShareWhileOthersAreServed) {
  ConnectionLimits limits;
  limits.maxConnections = 8;
  limits.maxConnectionsPerClient = 2;
  start(limits, {"127.0.0.3"});
  test::RawConnection first(port_, "127.0.0.2"), second(port_, "127.0.0.2");
  std::this_thread::sleep_for(milliseconds(100));  // both taken up
  test::RawConnection third(port_, "127.0.0.2");
  const std::string reply = third.receiveUntilClosed(milliseconds(2000));
  EXPECT_TRUE(reply.starts_with("HTTP/1.1 429")) << reply;
  EXPECT_NE(reply.find("too many connections from this address"), std::string::npos);
  // Another address is served, and so is a trusted proxy past the share:
  // it speaks for many clients.
  auto c = test::clientFor(port_);
  EXPECT_EQ(test::post(c, "game=g").status, 200);
  std::vector<std::unique_ptr<test::RawConnection>> proxied;
  for (int i = 0; i < 4; ++i)
    proxied.push_back(std::make_unique<test::RawConnection>(port_, "127.0.0.3"));
  for (auto& p : proxied) {
    p->send(kFetch);
    const std::string answer = p->receiveUntilClosed(milliseconds(2000));
    EXPECT_TRUE(answer.starts_with("HTTP/1.1 200")) << answer;
  }
  // The share comes back as its connections end.
  first.send(kFetch);
  EXPECT_TRUE(first.receiveUntilClosed(milliseconds(2000)).starts_with("HTTP/1.1 200"));
  std::this_thread::sleep_for(milliseconds(100));
  test::RawConnection again(port_, "127.0.0.2");
  again.send(kFetch);
  EXPECT_TRUE(again.receiveUntilClosed(milliseconds(2000)).starts_with("HTTP/1.1 200"));
}

TEST_F(ScoreHttpServerTest, AFileGoesWholeToAReaderThatKeepsThePaceOnly) {
  bt::test::TempFolder folder;
  const size_t size = 512 * 1024;
  folder.writeText("page.data", std::string(size, 'x'));
  auto opened = StaticFiles::open(folder.path());
  ASSERT_TRUE(std::holds_alternative<StaticFiles>(opened));
  const StaticFiles& files = std::get<StaticFiles>(opened);
  ConnectionLimits limits;
  limits.writeTimeout = milliseconds(1000);
  limits.minSendRate = 64 * 1024;
  start(limits, {}, &files);
  struct Read {
    size_t bytes = 0;
    bool closed = false;
  };
  // Takes up to `piece` bytes every 100 ms, for up to 8 s or until the
  // server closes.
  const auto readAtPace = [this](size_t piece, int receiveBuffer) {
    test::RawConnection c(port_, "127.0.0.1", receiveBuffer);
    c.send("GET /page.data HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    Read read;
    char buffer[64 * 1024];
    const auto end = Clock::now() + std::chrono::seconds(8);
    while (!read.closed && Clock::now() < end) {
      for (size_t taken = 0; taken < piece && !read.closed;) {
        pollfd p{c.fd(), POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) break;
        const ssize_t got = ::recv(c.fd(), buffer, std::min(sizeof buffer, piece - taken), 0);
        read.closed = got <= 0;
        taken += got > 0 ? static_cast<size_t>(got) : 0;
        read.bytes += got > 0 ? static_cast<size_t>(got) : 0;
      }
      std::this_thread::sleep_for(milliseconds(100));
    }
    return read;
  };
  // 20 KiB/s, under a third of the pace; and 240 KiB/s, well over it.
  auto slow = std::async(std::launch::async, readAtPace, 2048, 4096);
  auto steady = std::async(std::launch::async, readAtPace, 24 * 1024, 0);
  const Read cut = slow.get();
  EXPECT_TRUE(cut.closed);
  EXPECT_LT(cut.bytes, size / 2);
  const Read whole = steady.get();
  EXPECT_TRUE(whole.closed);
  EXPECT_GT(whole.bytes, size);
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

// What a request's head decides is answered at once, before its body is
// sent (it never is here): the body of a refused request is not waited for,
// nor read, and its connection ends after the answer.
TEST_F(ScoreHttpServerTest, ARefusalTheHeadDecidesComesBeforeTheBody) {
  start({});
  const std::string record = "name=ANN&moves=" + std::string(levelSolutions()[0]);
  for (int i = 0; i < 30; ++i) {
    limit_.allow("127.0.0.2", SubmissionRateLimit::Clock::now());
    service_.handle({"POST", "/records/brambletop/1", "", record, record.size(), "127.0.0.2"});
  }
  const std::string proofLength = "Content-Length: 33000\r\n\r\n";
  const struct {
    const char* what;
    const char* from;
    std::string head;
    const char* status;
  } cases[] = {
      {"a score past the limit of 30 a minute", "127.0.0.2",
       "POST /highscorescript/highscore.asp?" + test::submitQuery("g", "A", 5) +
           " HTTP/1.1\r\nHost: x\r\n" + proofLength,
       "HTTP/1.1 429 "},
      {"a score whose check value is wrong", "127.0.0.1",
       "POST /highscorescript/highscore.asp?game=g&init=A&score=5&special=1 HTTP/1.1\r\n"
       "Host: x\r\n" +
           proofLength,
       "HTTP/1.1 403 "},
      {"a malformed query", "127.0.0.1",
       "POST /highscorescript/highscore.asp?game=g&init=a HTTP/1.1\r\nHost: x\r\n" + proofLength,
       "HTTP/1.1 400 "},
      {"a body over the path's limit", "127.0.0.1",
       "POST /records/brambletop/1 HTTP/1.1\r\nHost: x\r\nContent-Length: 4097\r\n\r\n",
       "HTTP/1.1 413 "},
      {"no such path", "127.0.0.1",
       "POST /nowhere HTTP/1.1\r\nHost: x\r\nContent-Length: 1000\r\n\r\n", "HTTP/1.1 404 "},
      {"no such path, chunked", "127.0.0.1",
       "POST /nowhere HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n", "HTTP/1.1 404 "},
      {"a method the path does not take", "127.0.0.1",
       "PUT /records/brambletop/1 HTTP/1.1\r\nHost: x\r\nContent-Length: 100\r\n\r\n",
       "HTTP/1.1 405 "},
      {"a record past the limit of 30 a minute", "127.0.0.2",
       "POST /records/brambletop/1 HTTP/1.1\r\nHost: x\r\nContent-Length: 100\r\n\r\n",
       "HTTP/1.1 429 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::RawConnection connection(port_, c.from);
    const auto sent = Clock::now();
    connection.send(c.head);
    bool closed = false;
    const std::string reply = connection.receiveUntilClosed(milliseconds(3000), &closed);
    EXPECT_TRUE(reply.starts_with(c.status)) << reply;
    EXPECT_TRUE(closed);
    EXPECT_LT(Clock::now() - sent, milliseconds(1500)) << "not after the 4 s a body may take";
  }
}

// A body is read up to its path's limit however it is framed: chunks past
// the limit are refused as they come, not read on to the largest limit of
// all, and chunks within it are read as a body with a length is.
TEST_F(ScoreHttpServerTest, AChunkedBodyHasItsPathsLimit) {
  bt::test::TempFolder folder;
  folder.writeText("index.html", "<!doctype html>\n");
  auto opened = StaticFiles::open(folder.path());
  ASSERT_TRUE(std::holds_alternative<StaticFiles>(opened));
  service_.serveScoresPage();
  start({}, {}, &std::get<StaticFiles>(opened));
  auto chunkOf = [](const std::string& bytes) {
    char length[16];
    std::snprintf(length, sizeof length, "%zx\r\n", bytes.size());
    return length + bytes + "\r\n";
  };
  auto keys = [](size_t count) { return std::string(count, 'L'); };
  const std::string chunked = " HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n";
  const struct {
    const char* what;
    std::string request;
    const char* status;
  } cases[] = {
      {"a record one byte over, in chunks",
       "POST /records/brambletop/1" + chunked + chunkOf(keys(4000)) + chunkOf(keys(97)),
       "HTTP/1.1 413 "},
      {"a score one byte over",
       "POST /highscorescript/highscore.asp?game=g" + chunked + chunkOf(keys(33 * 1024 + 1)),
       "HTTP/1.1 413 "},
      {"the scores page", "POST /scores" + chunked + chunkOf(keys(2048)), "HTTP/1.1 405 "},
      {"a web file", "POST /index.html" + chunked + chunkOf(keys(2048)), "HTTP/1.1 405 "},
      {"a file asked with a body", "GET /index.html" + chunked + chunkOf(keys(2048)),
       "HTTP/1.1 200 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::RawConnection connection(port_);
    const auto sent = Clock::now();
    connection.send(c.request);  // no last chunk: more would be waited for
    bool closed = false;
    const std::string reply = connection.receiveUntilClosed(milliseconds(3000), &closed);
    EXPECT_TRUE(reply.starts_with(c.status)) << reply;
    EXPECT_TRUE(closed);
    EXPECT_LT(Clock::now() - sent, milliseconds(1500));
  }
  // Within the limit, chunks are a body.
  const std::string body = "name=ANN&moves=" + std::string(levelSolutions()[0]);
  test::RawConnection connection(port_);
  connection.send(
      "POST /records/brambletop/1 HTTP/1.1\r\nHost: x\r\nConnection: close\r\n"
      "Transfer-Encoding: chunked\r\n\r\n" +
      chunkOf(body.substr(0, 5)) + chunkOf(body.substr(5)) + "0\r\n\r\n");
  const std::string reply = connection.receiveUntilClosed(milliseconds(3000));
  EXPECT_TRUE(reply.starts_with("HTTP/1.1 200 ")) << reply;
  EXPECT_NE(reply.find("\r\n\r\n9 ANN\n"), std::string::npos) << reply;
}

// A GET's body is not read; were its bytes left for the next request, a
// body shaped as a request would be answered as one of its own, which a
// proxy in front would never have sent.
TEST_F(ScoreHttpServerTest, ABodyNobodyReadsIsNeverARequestOfItsOwn) {
  start({});
  const std::string hidden = "GET /records/brambletop/1 HTTP/1.1\r\nHost: y\r\n\r\n";
  for (const std::string& framing :
       {"Content-Length: " + std::to_string(hidden.size()) + "\r\n\r\n" + hidden,
        "Transfer-Encoding: chunked\r\n\r\n"
        "0\r\n\r\n" +
            hidden}) {
    SCOPED_TRACE(framing);
    test::RawConnection connection(port_);
    connection.send("GET /records/brambletop HTTP/1.1\r\nHost: x\r\n" + framing);
    const std::string reply = connection.receiveUntilClosed(milliseconds(3000));
    EXPECT_TRUE(reply.starts_with("HTTP/1.1 200 ")) << reply;
    EXPECT_EQ(reply.find("HTTP/1.1", 1), std::string::npos) << reply;
  }
}

// An answer's pieces are gathered before they are sent; a client that waits
// for "100 Continue" before its body still gets it at once.
TEST_F(ScoreHttpServerTest, AContinueGoesBeforeTheBodyIsWaitedFor) {
  start({});
  test::RawConnection connection(port_);
  connection.send(
      "POST /highscorescript/highscore.asp?game=g HTTP/1.1\r\nHost: x\r\n"
      "Connection: close\r\nExpect: 100-continue\r\nContent-Length: 2\r\n\r\n");
  pollfd ready{connection.fd(), POLLIN, 0};
  ASSERT_EQ(::poll(&ready, 1, 1500), 1) << "no 100 Continue";
  char interim[64] = {};
  ASSERT_GT(::recv(connection.fd(), interim, sizeof interim - 1, 0), 0);
  EXPECT_TRUE(std::string(interim).starts_with("HTTP/1.1 100 Continue\r\n\r\n")) << interim;
  connection.send("OK");
  EXPECT_NE(connection.receiveUntilClosed(milliseconds(2000)).find("HTTP/1.1 200 "),
            std::string::npos);
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
