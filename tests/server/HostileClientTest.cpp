// Clients that try to tie the server up, all at once: each is refused or
// cut off within 5 s, the server stays under 64 MB, and a well-behaved
// client is answered promptly throughout. Requests that break HTTP's rules
// get one answer and the connection ends.
#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
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
  // Runs the client against the port from the loopback address `from`; true
  // when the server cut it off (or refused it) within the time allowed.
  std::function<bool(int port, const char* from)> run;
};

// Holds `count` connections from one address for `span`, opening a new one
// in place of each the server closed, four times a second (a faster churn
// would take loopback ports from everything else on the machine); true when
// none stayed open past `limit`.
bool holdConnections(int port, const char* from, size_t count, Clock::duration span,
                     Clock::duration limit) {
  struct Held {
    std::unique_ptr<RawConnection> connection;
    Clock::time_point opened;
  };
  std::vector<Held> held(count);
  const auto end = Clock::now() + span;
  bool allEnded = true;
  while (Clock::now() < end) {
    for (Held& h : held) {
      if (h.connection && h.connection->closedNow()) h.connection.reset();
      if (h.connection && Clock::now() - h.opened > limit) allEnded = false;
      if (!h.connection) h = {std::make_unique<RawConnection>(port, from), Clock::now()};
    }
    std::this_thread::sleep_for(milliseconds(250));
  }
  return allEnded;
}

std::vector<Hostile> hostileClients() {
  const auto limit = seconds(5);
  return {
      {"a 64 MiB header line without a newline",
       [=](int port, const char* from) {
         RawConnection c(port, from);
         const auto start = Clock::now();
         c.send(kRequestStart + "X-Long: ");
         const std::string block(1 << 16, 'a');
         size_t sent = 0;
         while (sent < (64u << 20) && c.send(block)) sent += block.size();
         return c.closedWithin(limit) && Clock::now() - start < limit;
       }},
      {"a huge Content-Length with a body that keeps coming",
       [=](int port, const char* from) {
         RawConnection c(port, from);
         const auto start = Clock::now();
         c.send(kRequestStart + "Content-Length: 1099511627776\r\n\r\n");
         return floodUntilRefused(c, std::string(4096, 'b'), limit) && Clock::now() - start < limit;
       }},
      {"a huge Content-Length and nothing after it",
       [=](int port, const char* from) {
         RawConnection c(port, from);
         const auto start = Clock::now();
         c.send(kRequestStart + "Content-Length: 1099511627776\r\n\r\n");
         bool closed = false;
         const std::string reply = c.receiveUntilClosed(limit, &closed);
         return reply.starts_with("HTTP/1.1 413") && Clock::now() - start < limit;
       }},
      {"a chunked body without end",
       [=](int port, const char* from) {
         RawConnection c(port, from);
         const auto start = Clock::now();
         c.send(kRequestStart + "Transfer-Encoding: chunked\r\n\r\n");
         return floodUntilRefused(c, "400\r\n" + std::string(1024, 'c') + "\r\n", limit) &&
                Clock::now() - start < limit;
       }},
      {"a chunked world record without end",
       [=](int port, const char* from) {
         RawConnection c(port, from);
         const auto start = Clock::now();
         c.send(
             "POST /records/brambletop/1 HTTP/1.1\r\nHost: scores\r\n"
             "Transfer-Encoding: chunked\r\n\r\n");
         return floodUntilRefused(c, "400\r\n" + std::string(1024, 'c') + "\r\n", limit) &&
                Clock::now() - start < limit;
       }},
      {"30 proofs at the body limit that solve nothing, all at once",
       [=](int port, const char* from) {
         const std::string body = "proof=" + std::string(33 * 1024 - 6, '<');
         const std::string request = "POST " + std::string(kScorePath) +
                                     "?game=g&init=X&score=1&special=143 HTTP/1.1\r\n"
                                     "Host: scores\r\nConnection: close\r\nContent-Length: " +
                                     std::to_string(body.size()) + "\r\n\r\n" + body;
         std::vector<std::unique_ptr<RawConnection>> many;
         for (int i = 0; i < 30; ++i) many.push_back(std::make_unique<RawConnection>(port, from));
         for (auto& c : many) c->send(request);
         bool refused = true;
         for (auto& c : many) {
           bool closed = false;
           const std::string reply = c->receiveUntilClosed(limit, &closed);
           refused = refused && reply.starts_with("HTTP/1.1 403");
         }
         return refused;
       }},
      {"one byte a second",
       [=](int port, const char* from) {
         RawConnection c(port, from);
         const auto start = Clock::now();
         const std::string request = kRequestStart + "Content-Length: 2\r\n\r\nOK";
         for (char byte : request) {
           if (!c.send(std::string(1, byte)) || c.closedWithin(seconds(1))) break;
         }
         return Clock::now() - start < limit;
       }},
      {"200 idle connections",
       [=](int port, const char* from) {
         std::vector<std::unique_ptr<RawConnection>> idle;
         const auto start = Clock::now();
         for (int i = 0; i < 200; ++i) idle.push_back(std::make_unique<RawConnection>(port, from));
         for (auto& c : idle) {
           const auto left =
               std::chrono::duration_cast<milliseconds>(limit - (Clock::now() - start));
           if (!c->connected() || left.count() <= 0 || !c->closedWithin(left)) return false;
         }
         return true;
       }},
      {"520 idle connections from one address, reopened as they close",
       [=](int port, const char* from) {
         return holdConnections(port, from, 520, seconds(6), limit);
       }},
  };
}

TEST(HostileClients, AreCutOffWhileOthersAreServedAndMemoryStaysSmall) {
  // The HTTP client writes without MSG_NOSIGNAL: a refusal and close must
  // fail the test, not end it.
  std::signal(SIGPIPE, SIG_IGN);
  TempDatabaseFile file;
  ScoredProcess server({"--db", file.path(), "--quiet"});
  ASSERT_NE(server.port(), 0) << server.errorOutput();

  // Each hostile client from an address of its own, 127.0.0.10 and on.
  std::vector<Hostile> hostile = hostileClients();
  std::vector<std::string> addresses;
  for (size_t i = 0; i < hostile.size(); ++i) addresses.push_back(numbered("127.0.0.", 10 + i));
  std::vector<std::future<bool>> outcomes;
  for (size_t i = 0; i < hostile.size(); ++i) {
    outcomes.push_back(
        std::async(std::launch::async, hostile[i].run, server.port(), addresses[i].c_str()));
  }
  // Meanwhile a polite client from 127.0.0.1, a new connection each time, is
  // answered within a second, every time.
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

// Sends `bytes` and reads until the server closes (up to 3 s).
struct RawExchange {
  std::string reply;
  bool closed = false;
  Clock::duration took{};
};
RawExchange exchangeRaw(int port, const std::string& bytes) {
  RawConnection c(port);
  RawExchange e;
  const auto start = Clock::now();
  c.send(bytes);
  e.reply = c.receiveUntilClosed(seconds(3), &e.closed);
  e.took = Clock::now() - start;
  return e;
}

size_t occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(MalformedRequests, GetOneAnswerAndTheConnectionEnds) {
  TempDatabaseFile file;
  ScoredProcess server({"--db", file.path(), "--quiet"});
  ASSERT_NE(server.port(), 0) << server.errorOutput();
  // A well-formed request after each bad one: it must not be answered, as
  // its bytes may be the body of the bad one.
  const std::string next = kRequestStart + "Content-Length: 2\r\n\r\nOK";
  const std::string path = std::string(kScorePath) + "?game=g";
  std::string nulInPath = "POST " + path + "x HTTP/1.1\r\nHost: x\r\n\r\n";
  nulInPath[5 + path.size()] = '\0';
  std::string longHead = kRequestStart;
  for (int i = 0; i < 400; ++i) longHead += "X-Pad: 0123456789012345678901234567890123456789\r\n";
  struct Case {
    std::string name, bytes;
    int status;
  };
  for (const Case& c : std::vector<Case>{
           {"a NUL in the path", nulInPath + next, 400},
           {"two Content-Lengths",
            kRequestStart + "Content-Length: 0\r\nContent-Length: 44\r\n\r\n" + next, 400},
           {"a negative Content-Length", kRequestStart + "Content-Length: -1\r\n\r\n", 400},
           {"a Content-Length list", kRequestStart + "Content-Length: 2, 2\r\n\r\nOK" + next, 400},
           {"a signed Content-Length", kRequestStart + "Content-Length: +2\r\n\r\nOK" + next, 400},
           {"a 20 KB target",
            "POST " + path + "&pad=" + std::string(20000, 'a') + " HTTP/1.1\r\nHost: x\r\n\r\n",
            414},
           {"a head of 20 KB in short lines", longHead + "\r\n" + next, 431},
           {"a space before a colon", kRequestStart + "Content-Length : 2\r\n\r\nOK" + next, 400},
           {"a folded header line", kRequestStart + "X-Note: a\r\n b\r\n\r\n" + next, 400},
           {"a header line without a colon", kRequestStart + "Content-Length 2\r\n\r\nOK" + next,
            400},
           {"a control byte in a value", kRequestStart + "X-Note: a\x01b\r\n\r\n" + next, 400},
           {"lines ended by LF alone", "POST " + path + " HTTP/1.1\nHost: x\n\n" + next, 400},
           {"two spaces in the request line",
            "POST  " + path + " HTTP/1.1\r\nHost: x\r\n\r\n" + next, 400},
           {"HTTP/1.1 without Host", "POST " + path + " HTTP/1.1\r\n\r\n" + next, 400},
           {"two Hosts", kRequestStart + "Host: other\r\n\r\n" + next, 400},
           {"Content-Length beside Transfer-Encoding",
            kRequestStart +
                "Content-Length: 7\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nOK\r\n0\r\n\r\n" +
                next,
            400},
           {"a body coding that does not end in chunked",
            kRequestStart + "Transfer-Encoding: gzip\r\n\r\n" + next, 400},
           {"a transfer coding the server lacks",
            kRequestStart + "Transfer-Encoding: gzip, chunked\r\n\r\n" + next, 501},
           {"an unknown method", "BREW " + path + " HTTP/1.1\r\nHost: x\r\n\r\n" + next, 501},
           {"HTTP/2.0 as text", "POST " + path + " HTTP/2.0\r\nHost: x\r\n\r\n" + next, 505},
       }) {
    SCOPED_TRACE(c.name);
    const RawExchange e = exchangeRaw(server.port(), c.bytes);
    EXPECT_TRUE(e.reply.starts_with(numbered("HTTP/1.1 ", c.status) + " ")) << e.reply;
    EXPECT_EQ(occurrences(e.reply, "HTTP/1.1 "), 1u) << e.reply;
    EXPECT_NE(e.reply.find("\r\nConnection: close\r\n"), std::string::npos) << e.reply;
    EXPECT_TRUE(e.closed);
    EXPECT_LT(e.took, seconds(2));
  }
}

TEST(MalformedRequests, RangeIsIgnoredOnTheScorePath) {
  TempDatabaseFile file;
  ScoredProcess server({"--db", file.path(), "--quiet"});
  ASSERT_NE(server.port(), 0) << server.errorOutput();
  std::string table;
  for (int i = 0; i < 10; ++i) table += "0 AAAAAAAAAAAAAAA\n";
  // 2,600 ranges of the whole reply in under 8 KB.
  std::string many = "bytes=0-";
  for (int i = 1; i < 2600; ++i) many += ",0-";
  for (const std::string& range :
       {std::string("bytes=0-10"), many, std::string("bytes=abc"), std::string("bytes=500-600")}) {
    SCOPED_TRACE(range.substr(0, 20));
    const RawExchange e =
        exchangeRaw(server.port(), kRequestStart + "Range: " + range +
                                       "\r\nConnection: close\r\nContent-Length: 2\r\n\r\nOK");
    EXPECT_TRUE(e.reply.starts_with("HTTP/1.1 200 ")) << e.reply.substr(0, 300);
    EXPECT_EQ(e.reply.find("Content-Range"), std::string::npos);
    EXPECT_EQ(e.reply.find("multipart"), std::string::npos);
    const size_t headEnd = e.reply.find("\r\n\r\n");
    ASSERT_NE(headEnd, std::string::npos);
    EXPECT_EQ(e.reply.substr(headEnd + 4), table);
  }
}

}  // namespace
}  // namespace bt::scored::test
