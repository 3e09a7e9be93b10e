// A 200 for a submission means it is on disk: the server is killed with
// SIGKILL right after the answers and every score is there after a restart.
// So does a 200 for a world record, of a level or of a daily puzzle. And on PostgreSQL, servers
// sharing one database answer one table.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "ScoreRequests.h"
#include "ScoredProcess.h"
#include "TestDatabase.h"
#include "game/DailyPuzzle.h"
#include "game/LevelData.h"
#include "game/PuzzleGenerator.h"

namespace bt::scored::test {
namespace {

class DurabilityTest : public ::testing::TestWithParam<Backend> {};

TEST_P(DurabilityTest, EveryAnsweredSubmissionSurvivesSigkill) {
  TestDatabase database(GetParam());
  if (database.location().empty()) GTEST_SKIP() << "no test PostgreSQL server";
  // Four clients at once, so that commits are grouped; 28 in all stays
  // within one address's limit of 30 a minute.
  constexpr int kClients = 4, kEach = 7;
  {
    ScoredProcess server({"--db", database.location(), "--quiet", "--accept-unproven"});
    ASSERT_NE(server.port(), 0) << server.errorOutput();
    std::atomic<int> answered{0};
    std::vector<std::thread> clients;
    for (int k = 0; k < kClients; ++k) {
      clients.emplace_back([&, k] {
        auto c = clientFor(server.port());
        for (int i = 0; i < kEach; ++i) {
          const std::string name = numbered("N", i);
          if (post(c, submitQuery(numbered("g", k), name, 1000 * k + i)).status == 200) {
            ++answered;
          }
        }
      });
    }
    for (auto& t : clients) t.join();
    server.signal(SIGKILL);
    server.wait();
    ASSERT_EQ(answered, kClients * kEach);
  }
  ScoredProcess restarted({"--db", database.location(), "--quiet"});
  ASSERT_NE(restarted.port(), 0) << restarted.errorOutput();
  auto c = clientFor(restarted.port());
  for (int k = 0; k < kClients; ++k) {
    SCOPED_TRACE(k);
    const std::vector<std::string> table = bestFirst(post(c, fetchQuery(numbered("g", k))).body);
    ASSERT_EQ(table.size(), 10u);
    for (int row = 0; row < kEach; ++row) {
      const int i = kEach - 1 - row;
      EXPECT_EQ(table[row], std::to_string(1000 * k + i) + numbered(" N", i));
    }
  }
}

// World records the same: four clients record the board at `path`, each
// name a move fewer than the last, so that every answered record replaces one
// before.
void recordsSurviveSigkill(Backend backend, const std::string& path, const std::string& solution,
                           const std::vector<std::string>& options = {}) {
  TestDatabase database(backend);
  if (database.location().empty()) GTEST_SKIP() << "no test PostgreSQL server";
  std::vector<std::string> args{"--db", database.location(), "--quiet"};
  args.insert(args.end(), options.begin(), options.end());
  constexpr int kClients = 4, kEach = 7;
  {
    ScoredProcess server(args);
    ASSERT_NE(server.port(), 0) << server.errorOutput();
    std::atomic<int> answered{0};
    std::vector<std::thread> clients;
    for (int k = 0; k < kClients; ++k) {
      clients.emplace_back([&, k] {
        auto c = clientFor(server.port());
        for (int i = 0; i < kEach; ++i) {
          std::string detour;
          for (int d = i; d < kEach; ++d) detour += "LR";
          auto reply =
              c.Post(path, numbered("name=N", k) + "&moves=" + detour + solution, "text/plain");
          if (reply && reply->status == 200) ++answered;
        }
      });
    }
    for (auto& t : clients) t.join();
    server.signal(SIGKILL);
    server.wait();
    ASSERT_EQ(answered, kClients * kEach);
  }
  ScoredProcess restarted(args);
  ASSERT_NE(restarted.port(), 0) << restarted.errorOutput();
  auto c = clientFor(restarted.port());
  auto reply = c.Get(path);
  ASSERT_TRUE(reply);
  std::string lines = reply->body;
  // Each name's last record (two moves over the solution) is there, in
  // whatever order they were reached, and counted with the others.
  const std::string count = std::to_string(solution.size() + 2);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), kClients + 2) << lines;
  for (int k = 0; k < kClients; ++k) {
    EXPECT_NE(lines.find(count + numbered(" N", k) + "\n"), std::string::npos) << lines;
  }
  EXPECT_TRUE(lines.ends_with("players " + count + " 4\nplayers all 4\n")) << lines;
}

TEST_P(DurabilityTest, EveryAnsweredRecordSurvivesSigkill) {
  recordsSurviveSigkill(GetParam(), "/records/brambletop/1", std::string(levelSolutions()[0]));
}

// A daily puzzle's records as a level's (a Tuesday's, whose side-6 puzzle is
// made quickly and lets the cursor go left first).
TEST_P(DurabilityTest, EveryAnsweredDailyRecordSurvivesSigkill) {
  const puzzle::CivilDate day = *puzzle::parseDate("2026-12-08");
  const std::string id = puzzle::dailyPuzzleId(day);
  recordsSurviveSigkill(GetParam(), "/records/brambletop/" + id,
                        puzzle::generatePuzzle(puzzle::dailyPuzzle(day)).solution,
                        {"--today", "2026-12-08"});
}

INSTANTIATE_TEST_SUITE_P(Sqlite, DurabilityTest, ::testing::Values(Backend::Sqlite), backendName);
INSTANTIATE_TEST_SUITE_P(Postgres, DurabilityTest, ::testing::Values(Backend::Postgres),
                         backendName);

TEST(PostgresSharedDatabase, TwoServersTakeInterleavedSubmissionsAndAnswerOneTable) {
  TestDatabase database(Backend::Postgres);
  if (database.location().empty()) GTEST_SKIP() << "no test PostgreSQL server";
  ScoredProcess first({"--db", database.location(), "--quiet", "--accept-unproven"});
  ScoredProcess second({"--db", database.location(), "--quiet", "--accept-unproven"});
  ASSERT_NE(first.port(), 0) << first.errorOutput();
  ASSERT_NE(second.port(), 0) << second.errorOutput();
  // Two clients, each alternating between the servers, submit rising scores
  // for the same five names: whatever the interleaving, each name must end
  // with the greatest score sent for it.
  std::vector<std::thread> clients;
  std::atomic<int> failures{0};
  for (int k = 0; k < 2; ++k) {
    clients.emplace_back([&, k] {
      auto a = clientFor(first.port());
      auto b = clientFor(second.port());
      for (int i = 0; i < 14; ++i) {
        const int score = 10 * i + k;
        auto& c = (i + k) % 2 ? a : b;
        if (post(c, submitQuery("shared", numbered("S", i % 5), score)).status != 200) {
          ++failures;
        }
      }
    });
  }
  for (auto& t : clients) t.join();
  EXPECT_EQ(failures, 0);
  auto a = clientFor(first.port());
  auto b = clientFor(second.port());
  const std::string fromFirst = post(a, fetchQuery("shared")).body;
  EXPECT_EQ(fromFirst, post(b, fetchQuery("shared")).body);
  // Name S(i % 5) got scores 10i and 10i + 1 for i up to 13.
  const std::vector<std::string> table = bestFirst(fromFirst);
  EXPECT_EQ(std::vector<std::string>(table.begin(), table.begin() + 5),
            (std::vector<std::string>{"131 S3", "121 S2", "111 S1", "101 S0", "91 S4"}));
}

// Records from many clients through two servers at once, each name's moves
// shorter each time: the counts of every number of moves, kept by both
// servers in one database, end as the records do.
TEST(PostgresSharedDatabase, TwoServersCountInterleavedRecordsAlike) {
  TestDatabase database(Backend::Postgres);
  if (database.location().empty()) GTEST_SKIP() << "no test PostgreSQL server";
  ScoredProcess first({"--db", database.location(), "--quiet"});
  ScoredProcess second({"--db", database.location(), "--quiet"});
  ASSERT_NE(first.port(), 0) << first.errorOutput();
  ASSERT_NE(second.port(), 0) << second.errorOutput();
  const std::string solution(levelSolutions()[0]);
  constexpr int kClients = 6, kEach = 7;
  std::vector<std::thread> clients;
  std::atomic<int> failures{0};
  for (int k = 0; k < kClients; ++k) {
    clients.emplace_back([&, k] {
      auto a = clientFor(first.port());
      auto b = clientFor(second.port());
      for (int i = 0; i < kEach; ++i) {
        std::string detour;
        for (int d = i + k % 2; d < kEach; ++d) detour += "LR";
        auto& c = (i + k) % 2 ? a : b;
        auto reply = c.Post("/records/brambletop/1",
                            numbered("name=N", k) + "&moves=" + detour + solution, "text/plain");
        if (!reply || reply->status != 200) ++failures;
      }
    });
  }
  for (auto& t : clients) t.join();
  EXPECT_EQ(failures, 0);
  // The even clients end two moves over the solution, the odd ones on it.
  auto c = clientFor(first.port());
  const std::string table = c.Get("/records/brambletop/1")->body;
  EXPECT_TRUE(table.ends_with("players 9 3\nplayers 11 3\nplayers all 6\n")) << table;
  EXPECT_EQ(clientFor(second.port()).Get("/records/brambletop/1")->body, table);
}

}  // namespace
}  // namespace bt::scored::test
