#pragma once
// Makes the puzzle an id names (PuzzleId.h), the same on every machine and
// backend: candidates come from the id's own random sequence, each solved
// within a node budget, and the first that meets the puzzle criteria is
// kept:
// - no marker starts on a tile of its colour;
// - par (the shortest solution, or the best found within the budget, marked
//   as such) lies in the difficulty's band for the side;
// - the markers get in each other's way: par is above the solver's plain
//   bound (each marker's own turns and the cursor travel they force) by two
//   keys and a tenth of par.
// When no candidate qualifies within the generator's total budget, the one
// nearest the band is kept, so that a puzzle always comes within the budget.
// Budgets count solver nodes, never time, so every machine keeps the same.
// A candidate at a time: the page runs one between frames (step).
#include <cstdint>
#include <string>

#include "game/PuzzleBoard.h"
#include "game/PuzzleId.h"

namespace bt::puzzle {

struct ParBand {
  int least = 0;
  int most = 0;
};
// The keys a puzzle of this side and difficulty should take.
ParBand parBand(int side, Difficulty difficulty);

struct GeneratedPuzzle {
  Level level;
  std::string solution;  // from the level's start
  int par = 0;           // the solution's length
  bool proven = false;   // no shorter solution exists
  bool meetsCriteria = false;
  int candidates = 0;  // tried, the kept one's included
  uint64_t nodes = 0;  // solver nodes spent in all
};

class PuzzleGenerator {
 public:
  explicit PuzzleGenerator(const PuzzleSpec& spec);

  // Tries the next candidate; true once the puzzle is made.
  bool step();
  bool done() const { return done_; }
  // The puzzle once done (the best so far before).
  const GeneratedPuzzle& puzzle() const { return best_; }

 private:
  struct Candidate;
  Candidate nextCandidate();
  int distanceFromBand(int par) const;

  PuzzleSpec spec_;
  uint64_t random_;
  GeneratedPuzzle best_;
  int bestDistance_ = 1 << 30;
  uint64_t work_ = 0;  // nodes and candidates' set-up, against the total budget
  bool done_ = false;
};

// Runs a generator to its end.
GeneratedPuzzle generatePuzzle(const PuzzleSpec& spec);

}  // namespace bt::puzzle
