// The server as it runs by default, on each backend: a score counts only
// with a proof of play that the server replays; each level keeps its world
// records, and so does each daily puzzle of the last 30 days.
#include <gtest/gtest.h>

#include "ScoreRequests.h"
#include "ScoredProcess.h"
#include "TestDatabase.h"
#include "game/DailyPuzzle.h"
#include "game/GameProof.h"
#include "game/LevelData.h"
#include "game/PuzzleGenerator.h"

namespace bt::scored::test {
namespace {

std::string solution(int level) {
  return std::string(levelSolutions()[static_cast<size_t>(level - 1)]);
}

std::string proofBody(int levels) {
  GameProof proof;
  for (int level = 1; level <= levels; ++level) proof.levels.push_back(solution(level));
  return "proof=" + formatProof(proof);
}

class ProofServerTest : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    database_ = std::make_unique<TestDatabase>(GetParam());
    if (database_->location().empty()) GTEST_SKIP() << "no test PostgreSQL server";
    // A Tuesday, whose daily puzzle (side 6) is made quickly.
    server_ = std::make_unique<ScoredProcess>(std::vector<std::string>{
        "--db", database_->location(), "--quiet", "--today", "2026-12-08"});
    ASSERT_NE(server_->port(), 0) << server_->errorOutput();
  }

  Answer submit(const std::string& name, int32_t score, const std::string& body) {
    auto c = clientFor(server_->port());
    auto result = c.Post(std::string(kScorePath) + "?" + submitQuery(kScoreGameId, name, score),
                         body, "application/x-www-form-urlencoded");
    return result ? Answer{result->status, result->body} : Answer{};
  }
  Answer record(int level, const std::string& name, const std::string& moves) {
    auto c = clientFor(server_->port());
    auto result = c.Post(numbered("/records/brambletop/", level),
                         "name=" + name + "&moves=" + moves, "application/x-www-form-urlencoded");
    return result ? Answer{result->status, result->body} : Answer{};
  }
  std::string get(const std::string& path) {
    auto c = clientFor(server_->port());
    auto result = c.Get(path);
    return result && result->status == 200
               ? result->body
               : "status " + std::to_string(result ? result->status : 0);
  }
  std::string table() {
    auto c = clientFor(server_->port());
    return post(c, fetchQuery(kScoreGameId)).body;
  }

  std::unique_ptr<TestDatabase> database_;
  std::unique_ptr<ScoredProcess> server_;
};

TEST_P(ProofServerTest, OnlyAProvenScoreIsKept) {
  const std::string empty = table();
  // The phone's request alone, a score far above any game's, a proof that
  // claims too much and one a byte over the limit change nothing.
  EXPECT_EQ(submit("FORGE", 999999999, "OK").status, 403);
  EXPECT_EQ(submit("FORGE", 999999999, proofBody(2)).status, 403);
  EXPECT_EQ(submit("FORGE", 3, proofBody(2)).status, 403);
  std::string atLimit = proofBody(1) + "," + std::string(33 * 1024, 'L');
  atLimit.resize(33 * 1024);
  EXPECT_EQ(submit("FORGE", 1, atLimit).status, 403);
  EXPECT_EQ(submit("FORGE", 1, atLimit + "L").status, 413);
  EXPECT_EQ(table(), empty);

  const Answer proven = submit("HONEST", 2, proofBody(2));
  EXPECT_EQ(proven.status, 200) << proven.body;
  EXPECT_EQ(bestFirst(proven.body).front(), "2 HONEST");
  const Answer whole = submit("ALL", kLevelCount, proofBody(kLevelCount));
  EXPECT_EQ(whole.status, 200) << whole.body;
  EXPECT_EQ(bestFirst(whole.body).front(), "72 ALL");
}

TEST_P(ProofServerTest, ATableCountsEveryNameAndNamesTheFirstToTheFewest) {
  const std::string first = solution(1);
  EXPECT_EQ(record(1, "SLOW", "RL" + first).status, 200);
  EXPECT_EQ(record(1, "ANN", first).status, 200);
  EXPECT_EQ(record(1, "BOB", first).status, 200);
  EXPECT_EQ(record(1, "ANN", "LR" + first).status, 200);  // not her best
  EXPECT_EQ(record(1, "CAT", first + "<").status, 403);   // past the solve
  EXPECT_EQ(get("/records/brambletop/1"),
            "9 ANN\n9 BOB\nplayers 9 2\nplayers 11 1\nplayers all 3\n");
  const Answer last = record(1, "SLOW", first);
  EXPECT_EQ(last.status, 200);
  EXPECT_EQ(last.body, "9 ANN\n9 BOB\n9 SLOW\nplayers 9 3\nplayers all 3\n");
  EXPECT_EQ(get("/records/brambletop/1"), last.body);
  // Level 2's solution starts with L: each "LR" goes there and back first.
  // Twelve counts: the table shows the ten fewest, and all twelve names.
  for (int i = 0; i < 12; ++i) {
    std::string detour;
    for (int k = 0; k < i; ++k) detour += "LR";
    ASSERT_EQ(record(2, numbered("P", i), detour + solution(2)).status, 200);
  }
  const std::string par2 = std::to_string(solution(2).size());
  const std::string table = get("/records/brambletop/2");
  EXPECT_TRUE(table.starts_with(par2 + " P0\nplayers " + par2 + " 1\n")) << table;
  EXPECT_TRUE(table.ends_with("players " + std::to_string(solution(2).size() + 18) +
                              " 1\nplayers all 12\n"))
      << table;
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 12);
  EXPECT_EQ(get("/records/brambletop"),
            "1 9 ANN\n2 " + par2 + " P0\nplayers 1 3 3\nplayers 2 1 12\n");
  EXPECT_EQ(get("/records/brambletop/3"), "");
}

// Ten names posting level 1's par from one address first do not keep an
// honest solver who comes later out of the count at par.
TEST_P(ProofServerTest, SquattersCannotKeepALaterSolverOutOfTheCount) {
  for (int i = 0; i < 10; ++i) {
    ASSERT_EQ(record(1, numbered("SQUAT", i), solution(1)).status, 200);
  }
  const Answer honest = record(1, "HONEST", solution(1));
  ASSERT_EQ(honest.status, 200);
  EXPECT_NE(honest.body.find("\nplayers 9 11\nplayers all 11\n"), std::string::npos) << honest.body;
  EXPECT_EQ(get("/records/brambletop"), "1 9 SQUAT0\nplayers 1 11 11\n");
}

// The daily puzzles' records on each backend: replayed on the puzzle the
// day's id makes, refused with one line when they do not solve it or when
// the id is not one of the last 30 days', and listed with each day's best.
TEST_P(ProofServerTest, DailyRecordsAreReplayedAndListed) {
  const std::string today = puzzle::dailyPuzzleId(*puzzle::parseDate("2026-12-08"));
  const std::string old = puzzle::dailyPuzzleId(*puzzle::parseDate("2026-11-08"));
  const std::string solution = puzzle::generatePuzzle(*puzzle::parsePuzzleId(today)).solution;
  auto post = [&](const std::string& id, const std::string& name, const std::string& moves) {
    auto c = clientFor(server_->port());
    auto result = c.Post("/records/brambletop/" + id, "name=" + name + "&moves=" + moves,
                         "application/x-www-form-urlencoded");
    return result ? Answer{result->status, result->body} : Answer{};
  };
  const Answer wrong = post(today, "CAT", solution.substr(1));
  EXPECT_EQ(wrong.status, 403);
  EXPECT_EQ(wrong.body, "the moves do not solve puzzle " + today + "\n");
  const Answer closed = post(old, "CAT", solution);
  EXPECT_EQ(closed.status, 403);
  EXPECT_EQ(closed.body, old + " is not the daily puzzle of one of the last 30 days\n");
  const std::string tomorrow = puzzle::dailyPuzzleId(*puzzle::parseDate("2026-12-09"));
  const Answer early = post(tomorrow, "CAT", solution);
  EXPECT_EQ(early.status, 425) << "not yet, where 403 would be for good";
  EXPECT_EQ(early.body, tomorrow +
                            " is the daily puzzle of 2026-12-09, after the server's today "
                            "(2026-12-08): send it again then\n");
  EXPECT_EQ(get("/records/brambletop/" + today), "");

  EXPECT_EQ(post(today, "BOB", "LR" + solution).status, 200);
  const Answer best = post(today, "ANN", solution);
  EXPECT_EQ(best.status, 200);
  const std::string count = std::to_string(solution.size());
  EXPECT_EQ(best.body, count + " ANN\nplayers " + count + " 1\nplayers " +
                           std::to_string(solution.size() + 2) + " 1\nplayers all 2\n");
  EXPECT_EQ(get("/records/brambletop/" + today), best.body);
  const std::string list = get("/records/brambletop/daily");
  EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 31) << list;
  EXPECT_TRUE(list.starts_with("2026-12-08 " + today + " " + count + " ANN\n2026-12-07 ")) << list;
  EXPECT_TRUE(list.ends_with("\nplayers " + today + " 1 2\n")) << list;
  EXPECT_EQ(get("/records/brambletop"), "") << "the levels' bests hold no puzzle";
}

INSTANTIATE_TEST_SUITE_P(Sqlite, ProofServerTest, ::testing::Values(Backend::Sqlite), backendName);
INSTANTIATE_TEST_SUITE_P(Postgres, ProofServerTest, ::testing::Values(Backend::Postgres),
                         backendName);

// The records tables as a server kept them before it counted them, with
// three names on level 1 and one on a puzzle.
std::string recordsFromBefore(Backend backend) {
  const bool sqlite = backend == Backend::Sqlite;
  const std::string time = sqlite ? "INTEGER" : "timestamptz";
  const std::string rowid = sqlite ? " WITHOUT ROWID" : "";
  auto when = [&](int second) {
    return sqlite ? std::to_string(second) : "'2026-12-01 00:00:0" + std::to_string(second) + "Z'";
  };
  const std::string first = solution(1);
  return "CREATE TABLE records (game TEXT NOT NULL, level INTEGER NOT NULL, name TEXT NOT NULL,"
         " count INTEGER NOT NULL, moves TEXT NOT NULL, achieved " +
         time + " NOT NULL, PRIMARY KEY (game, level, name))" + rowid +
         ";CREATE TABLE puzzle_records (game TEXT NOT NULL, puzzle TEXT NOT NULL,"
         " name TEXT NOT NULL, count INTEGER NOT NULL, moves TEXT NOT NULL, achieved " +
         time + " NOT NULL, PRIMARY KEY (game, puzzle, name))" + rowid +
         ";INSERT INTO records VALUES ('brambletop', 1, 'OLD', 11, 'RL" + first + "', " + when(1) +
         "), ('brambletop', 1, 'ANN', 9, '" + first + "', " + when(2) +
         "), ('brambletop', 1, 'BOB', 9, '" + first + "', " + when(3) +
         ");INSERT INTO puzzle_records VALUES ('brambletop', '5c2p3m-aaaaa', 'ZED', 20, '" +
         std::string(20, 'L') + "', " + when(4) + ");";
}

class TalliesFromBeforeTest : public ::testing::TestWithParam<Backend> {};

// A database from before the tallies has its records counted at the first
// start, and every change after that is counted as well.
TEST_P(TalliesFromBeforeTest, RecordsKeptBeforeAreCountedAtStart) {
  TestDatabase database(GetParam());
  if (database.location().empty()) GTEST_SKIP() << "no test PostgreSQL server";
  database.execute(recordsFromBefore(GetParam()));
  ScoredProcess server({"--db", database.location(), "--quiet"});
  ASSERT_NE(server.port(), 0) << server.errorOutput();
  auto c = clientFor(server.port());
  EXPECT_EQ(c.Get("/records/brambletop/1")->body,
            "9 ANN\n9 BOB\nplayers 9 2\nplayers 11 1\nplayers all 3\n");
  EXPECT_EQ(c.Get("/records/brambletop/5c2p3m-aaaaa")->body,
            "20 ZED\nplayers 20 1\nplayers all 1\n");
  auto improved = c.Post("/records/brambletop/1", "name=OLD&moves=" + solution(1), "text/plain");
  ASSERT_TRUE(improved);
  EXPECT_EQ(improved->body, "9 ANN\n9 BOB\n9 OLD\nplayers 9 3\nplayers all 3\n");
  EXPECT_EQ(c.Get("/records/brambletop")->body, "1 9 ANN\nplayers 1 3 3\n");
}

INSTANTIATE_TEST_SUITE_P(Sqlite, TalliesFromBeforeTest, ::testing::Values(Backend::Sqlite),
                         backendName);
INSTANTIATE_TEST_SUITE_P(Postgres, TalliesFromBeforeTest, ::testing::Values(Backend::Postgres),
                         backendName);

}  // namespace
}  // namespace bt::scored::test
