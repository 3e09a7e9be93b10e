// Clients that try to tie the server up, all at once: each is refused or
// cut off within 5 s, the server stays under 64 MB, and a well-behaved
// client is answered promptly throughout.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <thread>

#include "RawConnection.h"
#include "ScoreRequests.h"
#include "ScoredProcess.h"

namespace bt::scored::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
using Clock = std::chrono::steady_clock;

const std::string kRequestStart =
    "POST " + std::string(kScorePath) + "?game=g HTTP/1.1\r\nHost: scores\r\n";

// Sends `bytes` over and over until the server stops taking them; whether
// it stopped them within `limit`.
bool floodUntilRefused(RawConnection& c, const std::string& bytes, Clock::duration limit) {
  const auto deadline = Clock::now() + limit;
  while (Clock::now() < deadline) {
    pollfd p{c.fd(), POLLOUT, 0};
    if (::poll(&p, 1, 50) == 0) continue;  // the server is not reading: it may be answering
    if (!c.send(bytes)) return true;
    pollfd in{c.fd(), POLLIN, 0};
    if (::poll(&in, 1, 0) > 0) return c.closedWithin(seconds(5));
  }
  return false;
}

struct Hostile {
  std::string name;
  // Runs the client against the port; true when the server cut it off (or
  // refused it) within the time allowed.
  std::function<bool(int port)> run;
};

std::vector<Hostile> hostileClients() {
  const auto limit = seconds(5);
  return {
      {"a 64 MiB header line without a newline",
       [=](int port) {
         RawConnection c(port);
         const auto start = Clock::now();
         c.send(kRequestStart + "X-Long: ");
         const std::string block(1 << 16, 'a');
         size_t sent = 0;
         while (sent < (64u << 20) && c.send(block)) sent += block.size();
         return c.closedWithin(limit) && Clock::now() - start < limit;
       }},
      {"a huge Content-Length with a body that keeps coming",
       [=](int port) {
         RawConnection c(port);
         const auto start = Clock::now();
         c.send(kRequestStart + "Content-Length: 1099511627776\r\n\r\n");
         return floodUntilRefused(c, std::string(4096, 'b'), limit) && Clock::now() - start < limit;
       }},
      {"a huge Content-Length and nothing after it",
       [=](int port) {
         RawConnection c(port);
         const auto start = Clock::now();
         c.send(kRequestStart + "Content-Length: 1099511627776\r\n\r\n");
         bool closed = false;
         const std::string reply = c.receiveUntilClosed(limit, &closed);
         return reply.starts_with("HTTP/1.1 413") && Clock::now() - start < limit;
       }},
      {"a chunked body without end",
       [=](int port) {
         RawConnection c(port);
         const auto start = Clock::now();
         c.send(kRequestStart + "Transfer-Encoding: chunked\r\n\r\n");
         return floodUntilRefused(c, "400\r\n" + std::string(1024, 'c') + "\r\n", limit) &&
                Clock::now() - start < limit;
       }},
      {"one byte a second",
       [=](int port) {
         RawConnection c(port);
         const auto start = Clock::now();
         const std::string request = kRequestStart + "Content-Length: 2\r\n\r\nOK";
         for (char byte : request) {
           if (!c.send(std::string(1, byte)) || c.closedWithin(seconds(1))) break;
         }
         return Clock::now() - start < limit;
       }},
      {"200 idle connections",
       [=](int port) {
         std::vector<std::unique_ptr<RawConnection>> idle;
         const auto start = Clock::now();
         for (int i = 0; i < 200; ++i) idle.push_back(std::make_unique<RawConnection>(port));
         for (auto& c : idle) {
           const auto left =
               std::chrono::duration_cast<milliseconds>(limit - (Clock::now() - start));
           if (!c->connected() || left.count() <= 0 || !c->closedWithin(left)) return false;
         }
         return true;
       }},
  };
}

TEST(HostileClients, AreCutOffWhileOthersAreServedAndMemoryStaysSmall) {
  TempDatabaseFile file;
  ScoredProcess server({"--db", file.path(), "--quiet"});
  ASSERT_NE(server.port(), 0) << server.errorOutput();

  std::vector<Hostile> hostile = hostileClients();
  std::vector<std::future<bool>> outcomes;
  for (const Hostile& h : hostile) {
    outcomes.push_back(std::async(std::launch::async, h.run, server.port()));
  }
  // Meanwhile a polite client, a new connection each time, is answered
  // within a second, every time.
  const auto end = Clock::now() + seconds(5);
  int answered = 0;
  while (Clock::now() < end) {
    httplib::Client c("127.0.0.1", server.port());
    c.set_connection_timeout(1);
    c.set_read_timeout(1);
    const auto asked = Clock::now();
    const Answer answer = post(c, fetchQuery("g"));
    EXPECT_EQ(answer.status, 200);
    EXPECT_LT(Clock::now() - asked, seconds(1));
    ++answered;
    std::this_thread::sleep_for(milliseconds(100));
  }
  EXPECT_GT(answered, 10);
  for (size_t i = 0; i < hostile.size(); ++i) {
    SCOPED_TRACE(hostile[i].name);
    EXPECT_TRUE(outcomes[i].get());
  }
#if !defined(__SANITIZE_ADDRESS__) && !defined(BT_SANITIZE)
  // Under the sanitizers memory is not the program's own.
  EXPECT_LT(server.peakMemoryKiB(), 64 * 1024);
#endif
  std::printf("peak memory: %ld KiB\n", server.peakMemoryKiB());
}

}  // namespace
}  // namespace bt::scored::test
