#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "game/LevelData.h"
#include "game/LevelTable.h"
#include "game/UndoHistory.h"

namespace bt {
namespace {

// Random cursor moves and rotations on several levels: undoing them all
// gives each earlier board back exactly, one per undo, to the level's start.
TEST(UndoHistoryTest, UndoingEveryRotationRestoresEachEarlierBoard) {
  std::mt19937 random(12);
  const auto levels = static_cast<int32_t>(builtInLevels().size());
  for (int32_t level = 0; level < levels; level += 5) {
    SCOPED_TRACE(level);
    Game game;
    game.board.levelIndex = level;
    ASSERT_TRUE(LevelTable::loadLevel(game.board, level));
    UndoHistory history;
    std::vector<Board> boards;
    for (int step = 0; step < 300; ++step) {
      moveCursor(game.board, static_cast<Move>(random() % 4));
      const Board before = game.board;
      if (startRotation(game, random() % 2 == 0) != RotationStart::Started) continue;
      history.record(game);
      boards.push_back(before);
      for (int frame = 0; frame < kRotationFrames; ++frame) stepRotation(game);
      if (isSolved(game.board)) break;
    }
    ASSERT_EQ(history.size(), boards.size());
    while (!boards.empty()) {
      ASSERT_TRUE(history.undo(game));
      EXPECT_EQ(game.board.cells, boards.back().cells);
      EXPECT_EQ(game.board.cursorX, boards.back().cursorX);
      EXPECT_EQ(game.board.cursorY, boards.back().cursorY);
      boards.pop_back();
    }
    EXPECT_FALSE(history.undo(game));
  }
}

// The history belongs to one level: on another, even the same board, it is
// gone.
TEST(UndoHistoryTest, ForgetsALevelThatIsNoLongerPlayed) {
  Game game;
  startNewGame(game);
  UndoHistory history;
  ASSERT_EQ(startRotation(game, true), RotationStart::Started);
  history.record(game);
  finishRotation(game);
  game.board.levelIndex = 1;
  EXPECT_FALSE(history.undo(game));
  game.board.levelIndex = 0;
  EXPECT_FALSE(history.undo(game));
  EXPECT_EQ(history.size(), 0u);
}

}  // namespace
}  // namespace bt
