#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "levels/LevelDesigner.h"
#include "levels/Polisher.h"
#include "levels/PuzzleNames.h"

namespace bt::levels {
namespace {

std::vector<Turn> turnsFromText(const char* text) {
  // "a<" is a counter-clockwise turn at cursor (1, 0), "b>" a clockwise turn
  // at (2, 1): letter a is column 1 row 0, each later letter one step on both.
  std::vector<Turn> turns;
  for (; text[0] && text[1]; text += 2) {
    const int step = text[0] - 'a';
    turns.push_back({1 + step, step, text[1] == '<'});
  }
  return turns;
}

TEST(LevelSolverTest, SimplifyCancelsAndShortensRuns) {
  struct Case {
    const char* turns;
    const char* simplified;
  };
  const Case cases[] = {
      {"a<a>", ""},              // a turn and its opposite
      {"a<a<a<a<a<", "a>a>a>"},  // five one way are three the other way
      {"a<a<a<a<", "a>a>a>a>"},  // four either way, written clockwise
      {"a>a>a>a>a>a>a>a>", ""},  // a full circle
      {"a<b<a<", "a<b<a<"},      // different cursors never merge
      {"a<b<b>a>", ""},          // cancelling from the inside out
      {"b>a<a<a>b<", "b>a<b<"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.turns);
    const std::vector<Turn> simplified = simplifyTurns(turnsFromText(c.turns));
    const std::vector<Turn> expected = turnsFromText(c.simplified);
    ASSERT_EQ(simplified.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(simplified[i].cursorX, expected[i].cursorX);
      EXPECT_EQ(simplified[i].cursorY, expected[i].cursorY);
      EXPECT_EQ(simplified[i].counterClockwise, expected[i].counterClockwise);
    }
  }
}

// Undoing a random scramble solves the level; polishing keeps it a solution
// and never makes it longer.
TEST(LevelSolverTest, PolishedSolutionsStaySolutionsAndNeverGrow) {
  std::mt19937 random(8);
  Level level = fixedLevel(2);
  level.markers = level.tiles;
  const PuzzleBoard solved(level);
  for (int trial = 0; trial < 4; ++trial) {
    SCOPED_TRACE(trial);
    Position position = solved.start();
    std::vector<Turn> scramble;
    for (int i = 0; i < 10; ++i) {
      position.cursorX = solved.minCursorX() + static_cast<int>(random() % 7);
      position.cursorY = solved.minCursorY() + static_cast<int>(random() % 7);
      const bool ccw = random() % 2 == 0;
      rotateRing(position, ccw);
      scramble.push_back({position.cursorX, position.cursorY, ccw});
    }
    Level scrambled = level;
    scrambled.markers.clear();
    for (int cell = 0; cell < kCells; ++cell) {
      if (position.markers[cell] == kNone) continue;
      scrambled.markers.push_back(
          {cell % kMaxSide + 1, cell / kMaxSide + 1, position.markers[cell] + 1});
    }
    const PuzzleBoard board(scrambled);
    std::vector<Turn> undo(scramble.rbegin(), scramble.rend());
    for (Turn& t : undo) t.counterClockwise = !t.counterClockwise;

    const std::vector<Turn> polished = polishSolution(board, undo, {6, 200'000, 2});
    EXPECT_LE(solutionLength(board, polished), solutionLength(board, undo));
    Position end = board.start();
    ASSERT_TRUE(board.play(end, movesForTurns(polished, end.cursorX, end.cursorY)));
    EXPECT_TRUE(board.solved(end));
  }
}

}  // namespace
}  // namespace bt::levels
