// The server replays a daily record as the game does: moves that pass
// through the solved position and leave it are no solve.
#include <gtest/gtest.h>

#include <chrono>

#include "MemoryStore.h"
#include "ScoreService.h"
#include "game/DailyPuzzle.h"
#include "game/PuzzleGenerator.h"

namespace bt::scored {
namespace {

using namespace std::chrono;

TEST(SolveCheckServerTest, ADailyRecordThatPassesTheSolveIsRefused) {
  const auto date = *puzzle::parseDate("2026-12-08");
  const system_clock::time_point noon = sys_days(days(puzzle::daysSinceEpoch(date))) + hours(12);
  test::MemoryStore store;
  SubmissionRateLimit limit;
  ScoreService service{store, limit, false, [noon] { return noon; }};
  const std::string id = puzzle::dailyPuzzleId(date);
  const std::string solution = puzzle::generatePuzzle(*puzzle::parsePuzzleId(id)).solution;
  const auto post = [&](const std::string& moves) {
    const std::string body = "name=ANN&moves=" + moves;
    return service.handle({"POST", "/records/brambletop/" + id, "", body, body.size(), "192.0.2.1"})
        .status;
  };
  EXPECT_EQ(post(solution + "<>"), 403);
  EXPECT_EQ(post(solution + "<"), 403);
  EXPECT_EQ(post(solution), 200);
}

}  // namespace
}  // namespace bt::scored
