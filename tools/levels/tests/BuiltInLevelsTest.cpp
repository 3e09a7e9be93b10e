// The level tool against the game's own table and rules: its model plays as
// the rules do, its solver's bound and searches hold on the built-in levels,
// it designs the levels as the table has them, and every level meets the
// published criteria.
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include "game/LevelData.h"
#include "game/LevelTable.h"
#include "game/Rules.h"
#include "levels/LevelCache.h"
#include "levels/LevelCriteria.h"
#include "levels/LevelDesigner.h"
#include "levels/LevelsReport.h"
#include "levels/PuzzleNames.h"

namespace bt {
namespace {

// Enough for the quicker proofs, so that the test stays short under the
// sanitizers too; the longest proofs run with brambletop-levels alone.
constexpr uint64_t kProofBudget = 300'000;

// Breathers whose markers are too many for a level with every marker off its
// tile to be that easy: level 6, nine markers of one colour, is the easiest
// candidate the designer found (docs/levels.md).
const std::set<int> kCrowdedBreathers = {6};

// Chapters whose median may fall a key below the chapter before: chapter 11,
// whose two side-5 levels with five pairs have no deeper starts in the
// layouts searched whole, beside a level 61 that proves no deeper.
const std::set<int> kShallowChapters = {11};

TEST(BuiltInLevelsTest, TheOpeningLevelsAreAsDesigned) {
  for (int number = 1; number <= 3; ++number) {
    SCOPED_TRACE("level " + std::to_string(number));
    const Level table = levelOf(builtInLevels()[static_cast<size_t>(number - 1)]);
    const Level designed = levels::fixedLevel(number);
    EXPECT_EQ(table.side, designed.side);
    EXPECT_EQ(table.markers, designed.markers);
    EXPECT_EQ(table.tiles, designed.tiles);
  }
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
TEST(BuiltInLevelsTest, ToolModelPlaysAsTheRules) {
  constexpr char kMoves[] = {'U', 'D', 'L', 'R', '<', '>'};
  std::mt19937 random(72);
  for (int level = 0; level < kLevelCount; ++level) {
    SCOPED_TRACE("level " + std::to_string(level + 1));
    const levels::PuzzleBoard tool(levelOf(builtInLevels()[level]));
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
TEST(BuiltInLevelsTest, SolverBoundNeverOverestimates) {
  for (int level = 0; level < kLevelCount; ++level) {
    SCOPED_TRACE("level " + std::to_string(level + 1));
    const levels::PuzzleBoard board(levelOf(builtInLevels()[level]));
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

// The solver proves the shortest solutions of the opening levels, which the
// table records, and they solve the levels through the rules.
TEST(BuiltInLevelsTest, SolverFindsTheOpeningLevelsShortestSolutions) {
  for (int level = 0; level < 3; ++level) {
    SCOPED_TRACE("level " + std::to_string(level + 1));
    const levels::PuzzleBoard board(levelOf(builtInLevels()[level]));
    levels::Solver solver(board);
    const levels::SearchOutcome outcome = solver.search(board.start(), {1.0, 50'000'000});
    ASSERT_TRUE(outcome.complete);
    ASSERT_TRUE(outcome.turns.has_value());
    const std::string moves =
        levels::movesForTurns(*outcome.turns, board.start().cursorX, board.start().cursorY);
    EXPECT_EQ(moves.size(), levelSolutions()[level].size());

    Game game;
    ASSERT_TRUE(LevelTable::loadLevel(game.board, level));
    for (char move : moves) ASSERT_TRUE(playMove(game, move)) << move;
    EXPECT_TRUE(isSolved(game.board));
    // Nothing shorter exists: a search for less finds nothing, completely.
    const levels::SearchOutcome shorter =
        solver.search(board.start(), {1.0, 50'000'000, static_cast<int>(moves.size())});
    EXPECT_TRUE(shorter.complete);
    EXPECT_FALSE(shorter.turns.has_value());
  }
}

// The levels the designer has finished: the repository's generation cache,
// from which `generate` writes the built-in table. Level 1 first, up to the
// first level not (yet) in the cache.
std::vector<levels::DesignedLevel> cachedDesigns() {
  std::vector<levels::DesignedLevel> designs;
  for (int number = 1; number <= kLevelCount; ++number) {
    const auto cached = levels::readCachedLevel(BT_LEVEL_CACHE_DIR, number);
    if (!cached) break;
    designs.push_back(*cached);
  }
  return designs;
}

// The designer makes the cached levels again from its seed, given the levels
// before them, so `generate` reproduces the table (a few quick levels here;
// others take minutes). Level 41, searched whole, takes seconds in the
// optimised build and minutes in the sanitizers' one.
TEST(BuiltInLevelsTest, DesignerMakesTheCachedLevels) {
  const std::vector<levels::DesignedLevel> cached = cachedDesigns();
  ASSERT_GE(cached.size(), 41u);
#ifdef NDEBUG
  const std::vector<int> numbers = {4, 5, 9, 41};
#else
  const std::vector<int> numbers = {4, 5, 9};
#endif
  for (int number : numbers) {
    SCOPED_TRACE("level " + std::to_string(number));
    const std::vector<levels::DesignedLevel> earlier(cached.begin(), cached.begin() + (number - 1));
    const levels::DesignedLevel designed = levels::designLevel(number, earlier);
    EXPECT_EQ(designed.level.side, cached[number - 1].level.side);
    EXPECT_EQ(designed.level.markers, cached[number - 1].level.markers);
    EXPECT_EQ(designed.level.tiles, cached[number - 1].level.tiles);
    EXPECT_EQ(designed.solution.size(), cached[number - 1].solution.size());
  }
}

bool sameLevel(int number, const levels::DesignedLevel& design) {
  const Level table = levelOf(builtInLevels()[number - 1]);
  return table.side == design.level.side && table.markers == design.level.markers &&
         table.tiles == design.level.tiles && levelSolutions()[number - 1] == design.solution &&
         levelSolutionsProven()[number - 1] == design.shortest;
}

// The built-in table is the cache's levels, as `write` (or `generate`) puts
// them in: level by level, with its solution and proof.
TEST(BuiltInLevelsTest, TheTableIsTheCache) {
  const std::vector<levels::DesignedLevel> designs = cachedDesigns();
  ASSERT_EQ(designs.size(), static_cast<size_t>(kLevelCount));
  for (int number = 1; number <= kLevelCount; ++number) {
    SCOPED_TRACE("level " + std::to_string(number));
    EXPECT_TRUE(sameLevel(number, designs[number - 1]));
  }
}

// Every level the game plays, from 4 on, meets the criteria docs/levels.md
// publishes: no marker starts at home unless the layout forces it, par
// clearly above the solo bound, a curve that rises chapter by chapter with
// easier breathers, and no two levels alike up to the board's symmetries and
// colour names.
TEST(BuiltInLevelsTest, EveryLevelMeetsTheCriteria) {
  const std::vector<levels::DesignedLevel> designs = cachedDesigns();
  std::vector<int> pars;
  std::map<std::string, int> shapes;
  for (size_t i = 0; i < designs.size(); ++i) {
    const int number = static_cast<int>(i + 1);
    SCOPED_TRACE("level " + std::to_string(number));
    const Level& level = designs[i].level;
    const int par = static_cast<int>(designs[i].solution.size());
    pars.push_back(par);
    const auto [other, fresh] = shapes.emplace(levels::canonicalShape(level), number);
    EXPECT_TRUE(fresh) << "the same as level " << other->second;
    if (number <= 3) continue;
    EXPECT_TRUE(designs[i].shortest);
    const levels::LevelFigures f = levels::measureLevel(level, par, false);
    EXPECT_LE(f.home, f.forcedHome);
    EXPECT_GE(f.margin(), levels::wantedMargin(par)) << "solo bound " << f.soloBound;
  }
  const std::vector<int> medians = levels::chapterMedians(pars);
  ASSERT_EQ(medians.size(), 12u);
  for (size_t k = 1; k < medians.size(); ++k) {
    const int fall = kShallowChapters.count(static_cast<int>(k + 1)) ? 1 : 0;
    EXPECT_GE(medians[k], medians[k - 1] - fall) << "chapter " << k + 1;
  }
  EXPECT_GE(medians.back(), medians.front() + 10);
  for (int number = 6; number < kLevelCount; number += 6) {
    SCOPED_TRACE("breather " + std::to_string(number));
    if (kCrowdedBreathers.count(number)) continue;
    EXPECT_TRUE(
        levels::breatherEasyEnough(pars[number - 1], medians[levels::chapterOf(number) - 1]))
        << pars[number - 1] << " against the median " << medians[levels::chapterOf(number) - 1];
  }
}

// The criteria's measures on small cases worked out by hand.
TEST(BuiltInLevelsTest, CriteriaMeasures) {
  // Level 1: each marker one cell left of its tile.
  const Level first = levels::fixedLevel(1);
  const levels::LevelFigures f = levels::measureLevel(first, 9);
  EXPECT_EQ(f.home, 0);
  EXPECT_EQ(f.forcedHome, 0);
  EXPECT_LE(f.soloBound, 9);
  // A marker on its tile needs no key; one that the ring at the start cursor
  // carries onto its tile needs one turn.
  Level small{5, {{2, 1, 1}, {3, 1, 2}}, {{2, 1, 1}, {1, 2, 2}}};
  const levels::PuzzleBoard board(small);
  EXPECT_EQ(levels::loneMarkerKeys(board, levels::cellIndex(1, 0), 0), 0);
  EXPECT_EQ(levels::loneMarkerKeys(board, levels::cellIndex(2, 0), 1), 2);
  // Twenty-five markers of one colour on the 45 cells of side 7: five must
  // stand on tiles.
  Level crowded{7, {}, {}};
  for (int i = 0; i < 25; ++i) {
    crowded.tiles.push_back({2 + i % 5, 2 + i / 5, 3});
    crowded.markers.push_back({2 + i % 5, 2 + i / 5, 3});
  }
  EXPECT_EQ(levels::forcedHome(crowded), 5);
  // Turned, mirrored and with colours renamed, a level keeps its shape;
  // moving one marker changes it.
  Level turned{10, {}, {}};
  Level renamed{10, {}, {}};
  for (const Piece& p : first.markers) {
    turned.markers.push_back({11 - p.row, p.column, p.colour});
    renamed.markers.push_back({11 - p.column, p.row, 5 - p.colour});
  }
  for (const Piece& p : first.tiles) {
    turned.tiles.push_back({11 - p.row, p.column, p.colour});
    renamed.tiles.push_back({11 - p.column, p.row, 5 - p.colour});
  }
  EXPECT_EQ(levels::canonicalShape(turned), levels::canonicalShape(first));
  EXPECT_EQ(levels::canonicalShape(renamed), levels::canonicalShape(first));
  Level moved = first;
  moved.markers[0].column += 1;
  EXPECT_NE(levels::canonicalShape(moved), levels::canonicalShape(first));
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
  // Columns found by their headings: | Level | ... | Par | Proven | Nodes | ...
  std::map<std::string, size_t> at;
  std::string line;
  while (std::getline(table, line)) {
    std::vector<std::string> columns;
    std::istringstream row(line);
    for (std::string column; std::getline(row, column, '|');) {
      const size_t first = column.find_first_not_of(' ');
      const size_t last = column.find_last_not_of(' ');
      columns.push_back(first == std::string::npos ? "" : column.substr(first, last - first + 1));
    }
    if (columns.size() > 1 && columns[1] == "Level") {
      for (size_t i = 0; i < columns.size(); ++i) at[columns[i]] = i;
      continue;
    }
    if (!at.count("Par") || !at.count("Proven") || !at.count("Nodes")) continue;
    if (columns.size() <= at["Nodes"] || columns[1].empty() ||
        !std::isdigit(static_cast<unsigned char>(columns[1][0]))) {
      continue;
    }
    if (columns[at["Proven"]].find("yes") == std::string::npos) continue;
    marked.push_back(
        {std::stoi(columns[1]), std::stoi(columns[at["Par"]]), std::stoull(columns[at["Nodes"]])});
  }
  return marked;
}

// Each solution the table marks shortest has the table's length, and the
// solver proves that no shorter one exists, for the proofs that take at most
// a modest budget (the longer ones are repeated with brambletop-levels).
TEST(BuiltInLevelsTest, SolutionsMarkedShortestAreProvenShortest) {
  const auto marked = levelsMarkedShortest();
  ASSERT_GE(marked.size(), 3u);
  int proved = 0;
  for (const MarkedShortest& m : marked) {
    SCOPED_TRACE("level " + std::to_string(m.level));
    ASSERT_GE(m.level, 1);
    ASSERT_LE(m.level, kLevelCount);
    EXPECT_EQ(static_cast<int>(levelSolutions()[m.level - 1].size()), m.length);
    if (m.nodes > kProofBudget) continue;
    const levels::PuzzleBoard board(levelOf(builtInLevels()[m.level - 1]));
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
