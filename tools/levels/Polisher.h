#pragma once
// Shortens a known solution piece by piece: each run of a few turns is
// replaced by a shortest sequence that leads to the same markers, found by
// the solver with that arrangement as its goal. The result is never longer
// than what it was given.
#include <cstdint>
#include <vector>

#include "levels/PuzzleNames.h"

namespace bt::levels {

struct PolishLimits {
  int window = 6;           // turns replaced at a time
  uint64_t nodeBudget = 0;  // per replaced run
  int passes = 3;
};

// The turns must solve the board from its start; so do the ones returned.
std::vector<Turn> polishSolution(const PuzzleBoard& board, std::vector<Turn> turns,
                                 const PolishLimits& limits);

// Cancels a turn followed by its opposite at the same cursor and shortens
// runs of turns at one cursor (five one way are three the other way).
std::vector<Turn> simplifyTurns(const std::vector<Turn>& turns);

// Length of the move string of the turns from the board's start.
int solutionLength(const PuzzleBoard& board, const std::vector<Turn>& turns);

}  // namespace bt::levels
