#include <gtest/gtest.h>

#include <array>
#include <string>

#include "game/LevelData.h"
#include "game/LevelTable.h"
#include "game/Rules.h"

namespace bt {
namespace {

// The layout rules of every level, checked on the table itself: pieces on the
// playing area only, one tile and one marker per cell at most, as many
// markers as tiles of each colour; the single-colour notes of level 6 and
// the last level.
TEST(LevelTableTest, EveryLevelKeepsTheLayoutRules) {
  const auto levels = builtInLevels();
  ASSERT_EQ(levels.size(), static_cast<size_t>(kLevelCount));
  for (size_t i = 0; i < levels.size(); ++i) {
    SCOPED_TRACE("level " + std::to_string(i + 1));
    const LevelData& level = levels[i];
    const int n = level.side;
    ASSERT_GE(n, kMinSide);
    ASSERT_LE(n, kMaxSide);
    std::array<int, kColourCount> balance{};
    for (bool markers : {true, false}) {
      std::array<bool, 100> used{};
      for (const LevelPiece& p : markers ? level.markers : level.tiles) {
        ASSERT_TRUE(p.column >= 1 && p.column <= n && p.row >= 1 && p.row <= n);
        ASSERT_TRUE(p.colour >= 1 && p.colour <= kColourCount);
        const bool cutCorner = (p.column == 1 || p.column == n) && (p.row == 1 || p.row == n);
        EXPECT_FALSE(cutCorner) << int{p.column} << "," << int{p.row};
        const int cell = (p.row - 1) * 10 + p.column - 1;
        EXPECT_FALSE(used[cell]) << int{p.column} << "," << int{p.row};
        used[cell] = true;
        balance[p.colour - 1] += markers ? 1 : -1;
      }
    }
    EXPECT_EQ(balance, (std::array<int, kColourCount>{}));
  }
  for (const auto& [number, side, colour, count] :
       {std::array<int, 4>{6, 9, 1, 9}, std::array<int, 4>{kLevelCount, 7, 3, 25}}) {
    SCOPED_TRACE("level " + std::to_string(number));
    const LevelData& level = levels[number - 1];
    EXPECT_EQ(level.side, side);
    ASSERT_EQ(level.markers.size(), static_cast<size_t>(count));
    for (const LevelPiece& p : level.markers) EXPECT_EQ(p.colour, colour);
  }
}

bool playWithTheRules(Game& game, char move) {
  if (const auto cursorMove = cursorMoveOf(move)) return moveCursor(game.board, *cursorMove);
  switch (move) {
    case '<':
    case '>':
      if (startRotation(game, move == '<') != RotationStart::Started) return false;
      for (int frame = 0; frame < kRotationFrames; ++frame) stepRotation(game);
      return !game.rotation.rotating;
    default:
      return false;
  }
}

// The whole game from level 1 to "Game Over" with the recorded solutions,
// each turn animated frame by frame and every move followed by the redraw's
// completion check: no level starts solved or is solved before its last
// move, and each last move completes it.
TEST(LevelTableTest, RecordedSolutionsPlayTheWholeGame) {
  const auto solutions = levelSolutions();
  ASSERT_EQ(solutions.size(), static_cast<size_t>(kLevelCount));
  Game game;
  startNewGame(game);
  for (int level = 0; level < kLevelCount; ++level) {
    SCOPED_TRACE("level " + std::to_string(level + 1));
    ASSERT_EQ(game.board.levelIndex, level);
    const std::string_view solution = solutions[level];
    ASSERT_FALSE(solution.empty());
    EXPECT_FALSE(isSolved(game.board));
    for (size_t i = 0; i < solution.size(); ++i) {
      ASSERT_TRUE(playWithTheRules(game, solution[i])) << "move " << i << " " << solution[i];
      const GameStatus status = checkCompletion(game);
      if (i + 1 < solution.size()) {
        ASSERT_EQ(status, GameStatus::Playing) << "solved early, at move " << i;
      } else {
        EXPECT_EQ(status,
                  level + 1 < kLevelCount ? GameStatus::LevelComplete : GameStatus::GameOver);
      }
    }
  }
  EXPECT_TRUE(game.gameOver);
}

}  // namespace
}  // namespace bt
