#include <gtest/gtest.h>

#include <random>
#include <string>

#include "levels/DistanceTable.h"
#include "levels/LevelCriteria.h"
#include "levels/LevelDesigner.h"
#include "levels/PuzzleNames.h"

namespace bt::levels {
namespace {

// Side 5 with three markers in two colours: small enough that the solver
// proves every start quickly.
Level smallLevel() {
  return {5, {}, {{2, 2, 1}, {4, 3, 1}, {3, 4, 2}}};
}

TEST(DistanceTableTest, FitsSmallBoardsOnly) {
  EXPECT_TRUE(DistanceTable::fits(5, 5));
  EXPECT_FALSE(DistanceTable::fits(5, 6));
  EXPECT_TRUE(DistanceTable::fits(6, 4));
  EXPECT_FALSE(DistanceTable::fits(6, 5));
  EXPECT_TRUE(DistanceTable::fits(9, 3));
  EXPECT_FALSE(DistanceTable::fits(10, 3));
}

// Every distance is the solver's proven shortest length, and the table's own
// solution from a start solves it in exactly that many keys.
TEST(DistanceTableTest, DistancesAreTheSolversShortestLengths) {
  const Level tiles = smallLevel();
  const PuzzleBoard board(tiles);
  const DistanceTable table(board);
  const int farthest = table.farthestStart();
  ASSERT_GT(farthest, 4);
  std::mt19937 random(7);
  int checked = 0;
  for (int distance = 1; distance <= farthest; ++distance) {
    SCOPED_TRACE("distance " + std::to_string(distance));
    const std::vector<Position> starts = table.startsAt(distance);
    if (starts.empty()) continue;  // e.g. one turn rarely brings every marker home
    ++checked;
    const Position start = starts[random() % starts.size()];
    EXPECT_EQ(start.cursorX, board.start().cursorX);
    EXPECT_EQ(start.cursorY, board.start().cursorY);
    EXPECT_EQ(table.distance(start), distance);
    for (int cell = 0; cell < kCells; ++cell) {
      if (start.markers[cell] != kNone) {
        EXPECT_NE(board.tile(cell), start.markers[cell]);
      }
    }
    const std::string moves = table.solution(start);
    EXPECT_EQ(static_cast<int>(moves.size()), distance);
    Position played = start;
    EXPECT_TRUE(board.play(played, moves));
    EXPECT_TRUE(board.solved(played));
    PuzzleBoard from(tiles);
    from.setStart(start);
    const SolveReport report = solveBoard(from, "", 1'000'000);
    EXPECT_TRUE(report.shortest);
    EXPECT_EQ(static_cast<int>(report.solution.size()), distance);
  }
  EXPECT_GE(checked, farthest / 2);
  EXPECT_TRUE(table.startsAt(farthest + 1).empty());
}

}  // namespace
}  // namespace bt::levels
