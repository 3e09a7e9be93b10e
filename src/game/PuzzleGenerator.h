#pragma once
// Makes the puzzle an id names (PuzzleId.h), the same on every machine and
// backend. Tile layouts come from the id's own random sequence (PuzzleScramble.h:
// tiles near each other, so that rings share them); each layout gets the
// solver's pair tables once (never the triple tables, which cost seconds),
// and then up to kScramblesPerLayout candidates: the solved board scrambled
// by random turns of rings that hold markers. A candidate is kept when
// - no marker starts on a tile of its colour;
// - par lies in the difficulty's band for the side: the solver proved no
//   solution is shorter than the band's least, and found one no longer than
//   its most (par is the shortest found; proven when the search ended);
// - the markers get in each other's way: the proven least is above the
//   solver's plain bound (each marker's own turns and the cursor travel they
//   force) by two keys and a tenth of it.
// A candidate plainly outside the band (its scramble undone is too short,
// its lower bound too high) is judged without a search; an exact search
// whose proven least is still far below the band a third of the way in
// gives up; one that proved enough but found no solution within the band is
// followed by a weighted search. The scramble's length follows the
// candidates: a turn more after one too easy, one less after one too hard
// or too hard to tell. When no candidate qualifies within the total budget,
// the one nearest the band is kept, so that a puzzle always comes.
//
// All work is counted in units, never time, so every machine keeps the same:
// a solver node is one unit, a pattern table as many as its size makes it
// cost (about as long as that many nodes). step() does a slice of work and
// can be cut anywhere: the page makes a puzzle between frames, the desktop
// in the background, and both make the same.
#include <cstdint>
#include <memory>
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
  std::string solution;   // from the level's start
  int par = 0;            // the solution's length
  bool proven = false;    // no shorter solution exists
  int provenAtLeast = 0;  // no solution is shorter than this
  bool meetsCriteria = false;
  int candidates = 0;  // tried, the kept one's included
  uint64_t work = 0;   // units spent in all
};

class PuzzleGenerator {
 public:
  // The most units a puzzle takes: about a second of processor time on a
  // desktop of 2020 (see how long a puzzle takes in docs/tools.md).
  static constexpr uint64_t kTotalWork = 1'500'000;
  // A slice between frames: a few milliseconds.
  static constexpr uint64_t kSliceWork = 8'000;
  static constexpr int kScramblesPerLayout = 8;

  explicit PuzzleGenerator(const PuzzleSpec& spec);
  ~PuzzleGenerator();
  PuzzleGenerator(const PuzzleGenerator&) = delete;
  PuzzleGenerator& operator=(const PuzzleGenerator&) = delete;

  // Goes on for about `work` more units (a table is never cut, so a slice
  // may take one table more); true once the puzzle is made.
  bool step(uint64_t work = kSliceWork);
  bool done() const { return done_; }
  // The puzzle once done (the best so far before).
  const GeneratedPuzzle& puzzle() const { return best_; }
  // The units spent so far, at most about kTotalWork: for a progress bar.
  uint64_t workDone() const { return work_; }

 private:
  struct Layout;
  struct Candidate;
  enum class Stage { NewLayout, Tables, NewCandidate, Exact, Weighted };

  void newLayout();
  bool buildTable();
  void newCandidate();
  // Searches up to `units` more; judges the candidate when its search ends.
  void search(uint64_t units);
  void judge();
  int distanceFromBand(const Candidate& candidate) const;

  const PuzzleSpec spec_;
  const ParBand band_;
  uint64_t random_;
  int turns_;  // the next scramble's length
  Stage stage_ = Stage::NewLayout;
  std::unique_ptr<Layout> layout_;
  std::unique_ptr<Candidate> candidate_;
  int scrambles_ = 0;  // of the layout so far
  GeneratedPuzzle best_;
  int bestDistance_ = 1 << 30;
  uint64_t work_ = 0;
  bool done_ = false;
};

// Runs a generator to its end.
GeneratedPuzzle generatePuzzle(const PuzzleSpec& spec);

}  // namespace bt::puzzle
