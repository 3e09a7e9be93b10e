// The program around the table: its command line, the lock on an SQLite
// file, the request log, a clean stop, and the forwarded address of a
// trusted proxy.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <regex>
#include <thread>

#include "RawConnection.h"
#include "ScoreRequests.h"
#include "ScoredProcess.h"

namespace bt::scored::test {
namespace {

TEST(ScoredCommandLine, MistakesGiveOneLineAndTheUsageWithStatusTwo) {
  const std::vector<std::vector<std::string>> bad = {
      {"--frobnicate"},
      {"--listen"},
      {"--listen", "127.0.0.1"},
      {"--listen", "127.0.0.1:65536"},
      {"--listen", "127.0.0.1:80x"},
      {"--listen", "::1:8750"},
      {"--db", ""},
      {"--db-timeout", "0"},
      {"--db-timeout", "61"},
      {"--db-timeout", "2.5"},
      {"--no-db-check=yes"},
      {"--trusted-proxy", "proxy.example"},
      {"--web", "/no/such/folder"},
      {"--web", BT_SCORED},  // a file
      {"--web="},
      {"--quiet=yes"},
      {"--max-connections", "0"},
      {"--connections-per-address", "-1"},
      {"--min-send-rate", "4k"},
      {"--min-send-rate="},
      {"extra"},
  };
  for (const auto& arguments : bad) {
    SCOPED_TRACE(arguments.front() + (arguments.size() > 1 ? " " + arguments[1] : ""));
    ScoredProcess server(arguments);
    EXPECT_EQ(server.wait(), 2);
    const std::string output = server.errorOutput();
    EXPECT_TRUE(output.starts_with("brambletop-scored: ")) << output;
    EXPECT_NE(output.find("\nusage: brambletop-scored"), std::string::npos) << output;
  }
}

TEST(ScoredCommandLine, AnSqliteFileServesOneServerAtATime) {
  TempDatabaseFile file;
  ScoredProcess first({"--db", file.path(), "--quiet"});
  ASSERT_NE(first.port(), 0) << first.errorOutput();
  ScoredProcess second({"--db", file.path(), "--quiet"});
  EXPECT_EQ(second.wait(), 1);
  EXPECT_NE(second.errorOutput().find("in use by another process"), std::string::npos)
      << second.errorOutput();
  // The first goes on serving.
  auto c = clientFor(first.port());
  EXPECT_EQ(post(c, fetchQuery("g")).status, 200);
}

TEST(ScoredRequestLog, OneLinePerRequestUnlessQuiet) {
  TempDatabaseFile file;
  {
    ScoredProcess server({"--db", file.path()});
    ASSERT_NE(server.port(), 0) << server.errorOutput();
    auto c = clientFor(server.port());
    post(c, fetchQuery("g"));
    post(c, fetchQuery("g"), "/nowhere\n2026-01-01 forged");
    server.signal(SIGTERM);
    EXPECT_EQ(server.wait(), 0);
    const std::string log = server.errorOutput();
    const std::regex line(
        R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z 127\.0\.0\.1 POST (\S+) (\d{3}) \d+\.\d\dms\n)");
    std::vector<std::string> seen;
    for (std::sregex_iterator it(log.begin(), log.end(), line), end; it != end; ++it) {
      seen.push_back((*it)[1].str() + " " + (*it)[2].str());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"/highscorescript/highscore.asp 200",
                                              "/nowhere\\x0A2026-01-01\\x20forged 404"}))
        << log;
  }
  ScoredProcess quiet({"--db", file.path(), "--quiet"});
  ASSERT_NE(quiet.port(), 0);
  auto c = clientFor(quiet.port());
  post(c, fetchQuery("g"));
  quiet.signal(SIGINT);
  EXPECT_EQ(quiet.wait(), 0);
  EXPECT_EQ(quiet.errorOutput().find(" POST "), std::string::npos) << quiet.errorOutput();
}

TEST(ScoredRequestLog, AStandardErrorNobodyReadsStopsNeitherServingNorStopping) {
  TempDatabaseFile file;
  ScoredProcess server({"--db", file.path()});
  ASSERT_NE(server.port(), 0) << server.errorOutput();
  auto c = clientFor(server.port());
  // Far more lines than the pipe holds.
  constexpr int kRequests = 2000;
  server.pauseReading();
  for (int i = 0; i < kRequests; ++i) ASSERT_EQ(post(c, fetchQuery("g")).status, 200) << i;
  // Once the pipe is read again, the next line tells how many were lost:
  // every request is either logged or counted.
  server.resumeReading();
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  ASSERT_EQ(post(c, fetchQuery("g")).status, 200);
  const std::regex report(R"(brambletop-scored: (\d+) log lines dropped)");
  int logged = 0, dropped = 0;
  for (int tries = 0; tries < 200 && logged + dropped != kRequests + 1; ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const std::string log = server.errorOutput();
    std::smatch found;
    dropped = std::regex_search(log, found, report) ? std::stoi(found[1].str()) : 0;
    logged = 0;
    for (size_t at = log.find(" 200 "); at != std::string::npos; at = log.find(" 200 ", at + 1)) {
      ++logged;
    }
  }
  EXPECT_GT(dropped, 0);
  EXPECT_EQ(logged + dropped, kRequests + 1);
  // Blocked again, the server still stops at once.
  server.pauseReading();
  for (int i = 0; i < kRequests; ++i) ASSERT_EQ(post(c, fetchQuery("g")).status, 200) << i;
  server.signal(SIGTERM);
  EXPECT_EQ(server.wait(std::chrono::seconds(3)), 0);
}

TEST(ScoredStop, ARequestInFlightIsFinishedBeforeTheServerStops) {
  TempDatabaseFile file;
  ScoredProcess server({"--db", file.path(), "--quiet", "--accept-unproven"});
  ASSERT_NE(server.port(), 0);
  RawConnection idle(server.port());
  RawConnection busy(server.port());
  const std::string query = submitQuery("g", "LAST", 77);
  const std::string request = "POST " + std::string(kScorePath) + "?" + query +
                              " HTTP/1.1\r\nHost: x\r\nContent-Length: 2\r\n\r\nOK";
  busy.send(request.substr(0, 20));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  server.signal(SIGTERM);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  // The idle connection is closed at once; the started request is answered.
  EXPECT_TRUE(idle.closedWithin(std::chrono::seconds(1)));
  busy.send(request.substr(20));
  const std::string reply = busy.receiveUntilClosed(std::chrono::seconds(5));
  EXPECT_TRUE(reply.starts_with("HTTP/1.1 200")) << reply;
  EXPECT_NE(reply.find("77 LAST\n"), std::string::npos) << reply;
  EXPECT_EQ(server.wait(), 0);
  // And it was stored.
  ScoredProcess again({"--db", file.path(), "--quiet"});
  auto c = clientFor(again.port());
  EXPECT_EQ(bestFirst(post(c, fetchQuery("g")).body).front(), "77 LAST");
}

TEST(ScoredProxy, AForwardedAddressCountsOnlyFromATrustedProxy) {
  TempDatabaseFile file;
  auto submitFrom = [](httplib::Client& c, const std::string& forwarded, int i) {
    httplib::Headers headers = {{"X-Forwarded-For", forwarded}};
    auto r = c.Post(std::string(kScorePath) + "?" + submitQuery("g", numbered("P", i), i), headers,
                    "OK", "text/plain");
    return r ? r->status : 0;
  };
  {
    ScoredProcess trusting(
        {"--db", file.path(), "--quiet", "--trusted-proxy", "127.0.0.1", "--accept-unproven"});
    ASSERT_NE(trusting.port(), 0) << trusting.errorOutput();
    auto c = clientFor(trusting.port());
    // The proxy appends the client it saw; what the client wrote before is
    // not believed.
    for (int i = 0; i < 30; ++i) ASSERT_EQ(submitFrom(c, "192.0.2.1, 198.51.100.7", i), 200);
    EXPECT_EQ(submitFrom(c, "192.0.2.2, 198.51.100.7", 30), 429);
    EXPECT_EQ(submitFrom(c, "198.51.100.8", 31), 200);
  }
  ScoredProcess plain({"--db", file.path(), "--quiet", "--accept-unproven"});
  ASSERT_NE(plain.port(), 0);
  auto c = clientFor(plain.port());
  for (int i = 0; i < 30; ++i) ASSERT_EQ(submitFrom(c, numbered("203.0.113.", i), i), 200);
  EXPECT_EQ(submitFrom(c, "203.0.113.99", 30), 429);
}

}  // namespace
}  // namespace bt::scored::test
