#pragma once
// Designs the built-in levels. Levels 1 to 3 are fixed; every later level
// keeps its side and number of pairs from the level plan, lays its tiles out
// in one of a few patterns, puts the markers on them and scrambles them with
// random turns from a fixed seed, more turns as the game goes on, fewer on
// the breathers. Each level is solved as it is made, and the solution
// recorded is the shortest the solver finds (never longer than undoing the
// scramble).
#include <cstdint>
#include <string>
#include <vector>

#include "game/LevelData.h"
#include "levels/PuzzleNames.h"

namespace bt::levels {

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
  int attempts = 0;       // scrambles tried before this one was kept
  uint64_t nodes = 0;     // solver nodes spent on the kept scramble
  double seconds = 0;     // solver time spent on the kept scramble
};

// Level `number` (1 to kLevelCount); the same number always gives the same level.
DesignedLevel designLevel(int number);

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
