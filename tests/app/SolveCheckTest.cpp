// Every check of a solve replays it the same way: a play counts only when
// its last move solves the level, so one that passes through the solved
// position and leaves it (or goes on after it) is refused by the replay, the
// records, the daily bests and the proof alike.
#include <gtest/gtest.h>

#include <string>

#include "app/DailyBook.h"
#include "app/RecordBook.h"
#include "game/GameProof.h"
#include "game/LevelData.h"
#include "game/Replay.h"

namespace bt {
namespace {

TEST(SolveCheckTest, APlayThatPassesTheSolveIsRefusedEverywhere) {
  const std::string solution(levelSolutions()[0]);
  const Level& level = *builtInLevel(0);
  const struct {
    const char* what;
    std::string moves;
    bool solves;
  } cases[] = {
      {"the solution", solution, true},
      {"through the solve and back to it", solution + "<>", false},
      {"through the solve and away", solution + "<", false},
      {"a cursor move after the solve", solution + "U", false},
      {"short of the solve", solution.substr(0, solution.size() - 1), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(replaySolves(level, c.moves), c.solves);
    EXPECT_EQ(replaySolvesLevel(0, c.moves), c.solves);
    EXPECT_EQ(!checkProof(GameProof{{c.moves}}).has_value(), c.solves);
    RecordBook records;
    records.noteSolve(0, c.moves, false);
    EXPECT_EQ(records.level(0).solved, c.solves);
    DailyBook daily;
    daily.noteSolve("2026-12-11", "10c4p4h-00001", level, 9, c.moves, false);
    const DailyBest* day = daily.day("2026-12-11");
    EXPECT_EQ(day != nullptr && day->solved, c.solves);
  }
}

TEST(SolveCheckTest, ALevelThatIsNotPlayableIsNoSolve) {
  const std::string solution(levelSolutions()[0]);
  Level outside = *builtInLevel(0);
  outside.markers.push_back({11, 1, 1});
  Level tooLarge = *builtInLevel(0);
  tooLarge.side = 11;
  for (const Level& level : {outside, tooLarge, Level{}}) {
    EXPECT_FALSE(replaySolves(level, solution));
    DailyBook daily;
    EXPECT_FALSE(daily.noteSolve("2026-12-11", "10c4p4h-00001", level, 9, solution, false));
  }
}

}  // namespace
}  // namespace bt
