#include <gtest/gtest.h>

#include <array>

#include "game/LevelData.h"
#include "game/LevelShapes.h"
#include "game/LevelTable.h"
#include "game/Rules.h"
#include "game/SavedGame.h"

namespace bt {
namespace {

TEST(LevelTest, FirstLevelAsTheTableGivesIt) {
  Board board;
  ASSERT_TRUE(LevelTable::loadLevel(board, 0));
  EXPECT_EQ(board.side, 10);
  EXPECT_EQ(board.marker(1, 1), 0);
  EXPECT_EQ(board.tile(2, 1), 0);
  EXPECT_EQ(board.marker(4, 4), 3);
  EXPECT_EQ(board.tile(5, 4), 3);
  EXPECT_EQ(board.tile(1, 1), cellEmpty);
  EXPECT_EQ(board.cursorX, 4);
  EXPECT_EQ(board.cursorY, 3);
}

// Every level keeps its side and pairs, lays its cells out as a saved game
// may hold them (the board's invariants), does not start solved, and its
// recorded solution solves it through the rules.
TEST(LevelTest, EveryLevelIsWellFormedAndSolvedByItsSolution) {
  const auto levels = builtInLevels();
  const auto solutions = levelSolutions();
  ASSERT_GE(levels.size(), 3u);
  ASSERT_LE(levels.size(), static_cast<size_t>(kLevelCount));
  ASSERT_EQ(solutions.size(), levels.size());
  for (size_t i = 0; i < levels.size(); ++i) {
    SCOPED_TRACE("level " + std::to_string(i + 1));
    EXPECT_EQ(levels[i].side, kLevelShapes[i].side);
    EXPECT_EQ(levels[i].markers.size(), kLevelShapes[i].pairs);
    EXPECT_EQ(levels[i].tiles.size(), kLevelShapes[i].pairs);

    Game game;
    game.board.levelIndex = static_cast<int32_t>(i);
    ASSERT_TRUE(LevelTable::loadLevel(game.board, game.board.levelIndex));
    EXPECT_TRUE(decodeSavedGame(encodeSavedGame(game.board)).has_value());
    // No two pieces of a layer share a cell: each placed piece shows.
    int markers = 0, tiles = 0;
    for (size_t c = 0; c < kCellBytes; c += 2) {
      tiles += game.board.cells[c] < kColourCount;
      markers += game.board.cells[c + 1] < kColourCount;
    }
    EXPECT_EQ(markers, kLevelShapes[i].pairs);
    EXPECT_EQ(tiles, kLevelShapes[i].pairs);
    EXPECT_FALSE(isSolved(game.board));

    for (char move : solutions[i]) ASSERT_TRUE(playMove(game, move)) << "move " << move;
    EXPECT_TRUE(isSolved(game.board));
  }
}

TEST(LevelTest, IndicesWithoutALevelChangeNothing) {
  Board board;
  ASSERT_TRUE(LevelTable::loadLevel(board, 2));
  board.cursorX = 3;
  const Board before = board;
  for (int32_t index :
       {-1, kLevelCount, kLevelCount + 5, static_cast<int32_t>(builtInLevels().size())}) {
    SCOPED_TRACE(index);
    EXPECT_FALSE(LevelTable::loadLevel(board, index));
    EXPECT_EQ(board.cells, before.cells);
    EXPECT_EQ(board.side, before.side);
    EXPECT_EQ(board.cursorX, before.cursorX);
  }
}

}  // namespace
}  // namespace bt
