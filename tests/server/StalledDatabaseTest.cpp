// A PostgreSQL that stops answering, its processes stopped with SIGSTOP,
// over TCP and over its Unix socket: requests get their 503 within the
// deadline, the server serves again once the database is back, SIGTERM ends
// it within a few seconds whatever the database does, and a start against
// it fails in time.
#include <gtest/gtest.h>
#include <signal.h>

#include <thread>

#include "OwnPostgres.h"
#include "ScoreRequests.h"
#include "ScoredProcess.h"

namespace bt::scored::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
using Clock = std::chrono::steady_clock;

TEST(StalledDatabase, RequestsFailInTimeAndTheServerStillStops) {
  OwnPostgres postgres;
  if (!postgres.whyNotStarted().empty()) GTEST_SKIP() << postgres.whyNotStarted();
  const std::vector<std::pair<std::string, std::string>> ways = {
      {"TCP", postgres.tcpUrl()}, {"Unix socket", postgres.socketUrl()}};
  for (const auto& [way, url] : ways) {
    SCOPED_TRACE(way);
    const std::vector<std::string> args = {"--db", url,       "--db-timeout",
                                           "1",    "--quiet", "--accept-unproven"};
    ScoredProcess server(args);
    ASSERT_NE(server.port(), 0) << server.errorOutput();
    auto c = clientFor(server.port());
    ASSERT_EQ(post(c, submitQuery("g", "BEFORE", 5)).status, 200);

    postgres.freeze();
    // A fetch waits for one call; a submission for its commit, which may
    // first wait for a commit in progress.
    for (const auto& [query, within] : {std::pair{fetchQuery("g"), seconds(3)},
                                        std::pair{submitQuery("g", "DURING", 6), seconds(4)}}) {
      SCOPED_TRACE(query);
      const auto asked = Clock::now();
      const Answer answer = post(c, query);
      EXPECT_EQ(answer.status, 503) << answer.body;
      EXPECT_LT(Clock::now() - asked, within);
    }
    // Back, it is used again. (The submission that timed out may yet be
    // stored: it was sent.)
    postgres.thaw();
    const Answer back = post(c, fetchQuery("g"));
    EXPECT_EQ(back.status, 200);
    EXPECT_NE(back.body.find("5 BEFORE\n"), std::string::npos) << back.body;

    postgres.freeze();
    std::thread inFlight([port = server.port()] {
      auto other = clientFor(port);
      post(other, fetchQuery("g"));
    });
    std::this_thread::sleep_for(milliseconds(300));
    const auto stopAsked = Clock::now();
    server.signal(SIGTERM);
    EXPECT_EQ(server.wait(seconds(5)), 0);
    EXPECT_LT(Clock::now() - stopAsked, seconds(3));
    inFlight.join();
    EXPECT_NE(server.errorOutput().find("PostgreSQL did not answer within 1 s"), std::string::npos)
        << server.errorOutput();

    const auto started = Clock::now();
    ScoredProcess refused(args);
    EXPECT_EQ(refused.wait(seconds(5)), 1);
    EXPECT_LT(Clock::now() - started, seconds(3));
    postgres.thaw();
  }
}

}  // namespace
}  // namespace bt::scored::test
