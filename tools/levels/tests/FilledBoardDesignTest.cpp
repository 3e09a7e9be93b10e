// The design of a board whose cells without a tile all start with a marker
// (the last level): the turn sequences it finds, and the levels it lays out
// from them, without the solver.
#include <gtest/gtest.h>

#include <string>

#include "levels/FilledBoardDesign.h"
#include "levels/LevelCriteria.h"
#include "levels/LevelDesigner.h"

namespace bt::levels {
namespace {

// Of the level plan, the filled design takes only the last level: twenty-five
// pairs on the 45 cells of side 7. Every other level keeps its design.
TEST(FilledBoardDesignTest, OnlyTheLastLevelCrowdsItsBoard) {
  for (size_t i = 0; i < levelPlans().size(); ++i) {
    SCOPED_TRACE("level " + std::to_string(i + 1));
    const LevelPlan& plan = levelPlans()[i];
    EXPECT_EQ(crowdsItsBoard(plan.side, plan.pairs), i + 1 == levelPlans().size());
  }
  EXPECT_TRUE(crowdsItsBoard(7, 23));  // 22 cells left for 23 markers
  EXPECT_FALSE(crowdsItsBoard(7, 22));
}

// Each sequence found solves the level laid out from it, whichever cells the
// seed leaves without a tile: every one of those starts with a marker, no
// more markers than the layout forces start at home, and the sequence's keys
// are its length.
TEST(FilledBoardDesignTest, EachSequenceSolvesTheFilledLevelLaidOutFromIt) {
  const FilledPlan plan{7, 25, 3, 12, 20, 0};
  const PuzzleBoard blank(Level{plan.side, {}, {}});
  const std::vector<FillingTurns> sequences = fillingTurns(blank, 20, plan.highPar);
  ASSERT_GE(sequences.size(), 10u);
  for (size_t i = 0; i < sequences.size(); i += sequences.size() / 10) {
    const FillingTurns& sequence = sequences[i];
    const std::string moves =
        movesForTurns(sequence.turns, blank.start().cursorX, blank.start().cursorY);
    EXPECT_EQ(static_cast<int>(moves.size()), sequence.moves);
    EXPECT_LE(sequence.moves, plan.highPar);
    for (uint32_t seed : {1u, 72u}) {
      SCOPED_TRACE("sequence " + std::to_string(i) + " " + moves + ", seed " +
                   std::to_string(seed));
      const Level level = filledLayout(sequence, plan, seed);
      ASSERT_EQ(level.tiles.size(), 25u);
      ASSERT_EQ(level.markers.size(), 25u);
      const PuzzleBoard board(level);
      for (int y = 0; y < plan.side; ++y) {
        for (int x = 0; x < plan.side; ++x) {
          const int cell = cellIndex(x, y);
          if (blank.inPlay(x, y) && board.tile(cell) == kNone) {
            EXPECT_NE(board.start().markers[cell], kNone) << x << "," << y;
          }
        }
      }
      EXPECT_EQ(markersHome(level), 5);
      EXPECT_EQ(forcedHome(level), 5);
      Position position = board.start();
      EXPECT_TRUE(board.play(position, moves));
      EXPECT_TRUE(board.solved(position));
    }
  }
}

}  // namespace
}  // namespace bt::levels
