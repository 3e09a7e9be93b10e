#pragma once
// Designs the built-in levels. Levels 1 to 3 are fixed; every later level
// keeps its side and number of pairs from the level plan and is chosen among
// candidates from a fixed seed: tiles laid out in one of a few patterns,
// markers scrambled off them by random turns until no marker stays on a tile
// of its colour (unless the layout forces it). A candidate is kept when the
// solver proves its shortest solution within a small budget, that par lies
// in the window of the level's chapter (LevelCriteria.h), the markers get in
// each other's way (the margin over the solo bound) and no earlier level has
// its shape. The last level, twenty-five markers of one colour on 45 cells,
// has a marker on every cell without a tile: it is made the other way round
// (FilledBoardDesign.h), its solution's turns first and its tiles laid out
// along their cycles, as easy as a breather of its chapter. The same number
// and earlier levels always give the same level.
#include <cstdint>
#include <string>
#include <vector>

#include "game/LevelData.h"
#include "levels/PuzzleNames.h"

namespace bt::levels {

// Solver nodes for the proof of a kept level, and the default of `solve`,
// which ends in about ten seconds here and proves all but the largest.
inline constexpr uint64_t kProofBudget = 12'000'000;
inline constexpr uint64_t kQuickSolveBudget = 5'000'000;

struct LevelPlan {
  int side;
  int pairs;
};

// Side and pairs of every level, level 1 first.
const std::vector<LevelPlan>& levelPlans();

// The three levels the game opens with, exactly as the table gives them.
Level fixedLevel(int number);

struct DesignedLevel {
  Level level;
  std::string solution;   // move string from the level's start
  bool shortest = false;  // the solver proved no shorter solution exists
  int provenAtLeast = 0;  // and that none is shorter than this
  int scrambleTurns = 0;  // 0 for the fixed levels
  int attempts = 0;       // candidates tried, the kept one's included
  uint64_t nodes = 0;     // solver nodes spent on the kept scramble
  double seconds = 0;     // solver time spent on the kept scramble
};

// Level `number` (1 to kLevelCount) after the levels before it (`earlier`,
// level 1 first); the same arguments always give the same level.
DesignedLevel designLevel(int number, const std::vector<DesignedLevel>& earlier);

// The middle value (the upper one of an even count); 0 when there is none.
int medianOf(std::vector<int> values);

// The solving step alone, for a level from anywhere: a shortest solution
// within the budget, else the best of a weighted search and the polished
// fallback (which may be empty when none is known).
struct SolveReport {
  std::string solution;
  bool shortest = false;
  int provenAtLeast = 0;
  uint64_t nodes = 0;
};
SolveReport solveLevel(const Level& level, const std::string& fallback, uint64_t nodeBudget);
// The same from the board's start, which may be any position (setStart); the
// fallback is a move string from there.
SolveReport solveBoard(const PuzzleBoard& board, const std::string& fallback, uint64_t nodeBudget);

}  // namespace bt::levels
