#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "game/LevelData.h"
#include "game/LevelTable.h"
#include "game/PuzzleBoard.h"
#include "game/Rules.h"
#include "game/Solver.h"
#include "levels/LevelDesigner.h"

namespace bt {
namespace {

// Enough for every proof the table's tests repeat; the longest proofs run
// with brambletop-levels alone.
constexpr uint64_t kProofBudget = 1'000'000;

levels::Level toolLevel(const LevelData& data) {
  levels::Level level;
  level.side = data.side;
  for (const LevelPiece& p : data.markers) level.markers.push_back({p.column, p.row, p.colour});
  for (const LevelPiece& p : data.tiles) level.tiles.push_back({p.column, p.row, p.colour});
  return level;
}

// The layout rules of every level, checked on the table itself: pieces on the
// playing area only, one tile and one marker per cell at most, as many
// markers as tiles of each colour; the opening levels as designed and the
// single-colour notes of levels 6 and 72.
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
    if (i < 3) {
      const levels::Level designed = levels::fixedLevel(static_cast<int>(i) + 1);
      EXPECT_EQ(toolLevel(level).markers, designed.markers);
      EXPECT_EQ(toolLevel(level).tiles, designed.tiles);
    }
  }
  for (const auto& [number, side, colour, count] :
       {std::array<int, 4>{6, 9, 1, 9}, std::array<int, 4>{72, 7, 3, 25}}) {
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
      const Completion completion = checkCompletion(game);
      if (i + 1 < solution.size()) {
        ASSERT_EQ(completion.status, GameStatus::Playing) << "solved early, at move " << i;
      } else {
        EXPECT_EQ(completion.status,
                  level + 1 < kLevelCount ? GameStatus::LevelComplete : GameStatus::GameOver);
      }
    }
  }
  EXPECT_TRUE(game.gameOver);
}

void expectSameBoard(const Board& board, const levels::Position& position) {
  EXPECT_EQ(board.cursorX, position.cursorX);
  EXPECT_EQ(board.cursorY, position.cursorY);
  for (int y = 0; y < board.side; ++y) {
    for (int x = 0; x < board.side; ++x) {
      const uint8_t tool = position.markers[levels::cellIndex(x, y)];
      const uint8_t game = board.marker(x, y);
      if (game == cellOutside) {
        EXPECT_EQ(tool, levels::kNone) << x << "," << y;
      } else {
        EXPECT_EQ(game == cellEmpty ? levels::kNone : game, tool) << x << "," << y;
      }
    }
  }
}

// The level tool's own model must play exactly as the game's rules: random
// moves (refused ones at the board's edges included) on every level give the
// same markers, cursor and refusals in both.
TEST(LevelTableTest, ToolModelPlaysAsTheRules) {
  constexpr char kMoves[] = {'U', 'D', 'L', 'R', '<', '>'};
  std::mt19937 random(72);
  for (int level = 0; level < kLevelCount; ++level) {
    SCOPED_TRACE("level " + std::to_string(level + 1));
    const levels::PuzzleBoard tool(toolLevel(builtInLevels()[level]));
    levels::Position position = tool.start();
    Game game;
    ASSERT_TRUE(LevelTable::loadLevel(game.board, level));
    expectSameBoard(game.board, position);
    for (int i = 0; i < 60; ++i) {
      const char move = kMoves[random() % 6];
      EXPECT_EQ(tool.apply(position, move), playMove(game, move)) << move;
      EXPECT_EQ(tool.solved(position), isSolved(game.board));
    }
    expectSameBoard(game.board, position);
  }
}

// The solver's lower bound never exceeds the moves that are still to come
// along each recorded solution; were it to, its "shortest" would be wrong.
TEST(LevelTableTest, SolverBoundNeverOverestimates) {
  for (int level = 0; level < kLevelCount; ++level) {
    SCOPED_TRACE("level " + std::to_string(level + 1));
    const levels::PuzzleBoard board(toolLevel(builtInLevels()[level]));
    const levels::Solver solver(board);
    const std::string_view solution = levelSolutions()[level];
    levels::Position position = board.start();
    for (size_t done = 0; done <= solution.size(); ++done) {
      EXPECT_LE(solver.lowerBound(position), static_cast<int>(solution.size() - done));
      if (done < solution.size()) board.apply(position, solution[done]);
    }
    EXPECT_EQ(solver.lowerBound(position), 0);
  }
}

// The designer still makes the built-in levels: it chooses among scrambles
// with searches that must not change with the solver's strength, or
// `generate` would silently make other levels.
TEST(LevelTableTest, DesignerStillMakesTheBuiltInLevels) {
  for (int number : {4, 5, 10}) {
    SCOPED_TRACE("level " + std::to_string(number));
    const levels::DesignedLevel designed = levels::designLevel(number);
    EXPECT_EQ(designed.level.markers, toolLevel(builtInLevels()[number - 1]).markers);
    EXPECT_EQ(designed.level.tiles, toolLevel(builtInLevels()[number - 1]).tiles);
  }
}

struct MarkedShortest {
  int level = 0;
  int length = 0;
  uint64_t nodes = 0;  // the proof's nodes as the table gives them
};

// The levels docs/levels.md marks proven shortest.
std::vector<MarkedShortest> levelsMarkedShortest() {
  std::ifstream table(BT_DOCS_DIR "/levels.md");
  std::vector<MarkedShortest> marked;
  std::string line;
  while (std::getline(table, line)) {
    // | Level | Side | Pairs | Colours | Par | Proven | Scramble turns | Nodes | ...
    std::vector<std::string> columns;
    std::istringstream row(line);
    for (std::string column; std::getline(row, column, '|');) columns.push_back(column);
    if (columns.size() < 9 || !std::isdigit(static_cast<unsigned char>(columns[1][1]))) continue;
    if (columns[6].find("yes") == std::string::npos) continue;
    marked.push_back({std::stoi(columns[1]), std::stoi(columns[5]), std::stoull(columns[8])});
  }
  return marked;
}

// Each solution the table marks shortest has the table's length, and the
// solver proves that no shorter one exists, for the proofs that take at most
// a modest budget (the longer ones are repeated with brambletop-levels).
TEST(LevelTableTest, SolutionsMarkedShortestAreProvenShortest) {
  const auto marked = levelsMarkedShortest();
  ASSERT_GE(marked.size(), 3u);
  int proved = 0;
  for (const MarkedShortest& m : marked) {
    SCOPED_TRACE("level " + std::to_string(m.level));
    ASSERT_GE(m.level, 1);
    ASSERT_LE(m.level, kLevelCount);
    EXPECT_EQ(static_cast<int>(levelSolutions()[m.level - 1].size()), m.length);
    if (m.nodes > kProofBudget) continue;
    const levels::PuzzleBoard board(puzzle::levelOf(builtInLevels()[m.level - 1]));
    levels::Solver solver(board);
    const levels::SearchOutcome shorter =
        solver.search(board.start(), {1.0, kProofBudget, m.length});
    EXPECT_TRUE(shorter.complete) << shorter.nodes << " nodes";
    EXPECT_FALSE(shorter.turns.has_value());
    ++proved;
  }
  EXPECT_GE(proved, 3);
}

}  // namespace
}  // namespace bt
