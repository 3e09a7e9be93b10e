#pragma once
// Hints for the game screen: the next key of a shortest solution from the
// game's position, a rotation still sliding counted as ended.
//
// What is known answers first. The level's recorded solution and every
// solution found since are kept position by position (HintCache), so that
// following hints from a level's start plays its recorded solution key by key
// at no cost, and asking again is free. A position some turns off a known one
// is offered the way back at once: the turns made since the last restart
// turned back, newest first, then the known way (a cursor moved off a known
// position is the shortest case). Otherwise, or to beat that, the solver
// searches within kAnswerNodes nodes: weighted first (a solution soon, not
// always a shortest one), then exact. Where the exact search does not end
// within them, the answer is the best solution found, never a key without a
// solution behind it, and work() goes on with the same search in slices
// between frames until it ends (the answer is then marked shortest) or has
// spent kMostNodes on the position.
//
// work() also builds the solver's tables for pairs of markers, one table a
// slice, from the first hint on, for each level as it comes; a search before
// they are all built is as exact, only slower. Every budget is a count of
// nodes, so the answers never depend on the machine.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "game/PuzzleBoard.h"
#include "game/Rules.h"
#include "game/UndoHistory.h"

namespace bt {

struct Hint {
  // The next key: 'U' 'D' 'L' 'R' move the cursor, '<' and '>' turn the ring
  // left and right; 0 when there is no hint (the board is solved, the game
  // over, or no solution has been found yet).
  char key = 0;
  // The solution's next turn: its ring's cursor place and its way.
  uint8_t ringX = 0;
  uint8_t ringY = 0;
  bool counterClockwise = false;
  int keys = 0;           // the length of the solution from the position
  bool shortest = false;  // no solution is shorter

  friend bool operator==(const Hint&, const Hint&) = default;
};

struct HintLimits {
  // An answer searches at most this many nodes: under 100 ms on the slowest
  // level (see the hint benchmark in docs/developing.md). A quarter goes to a
  // weighted search, a quarter more when that found nothing, the rest to the
  // exact one.
  uint64_t answerNodes = 40'000;
  // The search of one position stops here, answered or not.
  uint64_t mostNodes = 2'000'000;
};

class HintSearch {
 public:
  // A slice of work between frames: a few milliseconds.
  static constexpr uint64_t kSliceNodes = 4'000;
  // The way back looks this many turns back at most.
  static constexpr size_t kMostTurnsBack = 1000;

  explicit HintSearch(const HintLimits& limits = {});
  ~HintSearch();
  HintSearch(const HintSearch&) = delete;
  HintSearch& operator=(const HintSearch&) = delete;

  // The hint for the game's position now. turnsSinceRestart are the
  // rotations made since the level was last set up afresh
  // (UndoHistory::turnsSinceRestart), for the way back; any turns will do,
  // a way back that leads to no known position is not offered.
  Hint ask(const Game& game, std::span<const UndoHistory::MadeTurn> turnsSinceRestart);
  // One slice of work between frames, at most `nodes` nodes or one table:
  // the tables of the game's level once a hint has been asked for, then the
  // search for the position last asked about while the game still stands
  // there. True when its answer got better (ask again for it).
  bool work(const Game& game, uint64_t nodes);
  // A solution of the game's level from the game's position (a puzzle's, as
  // its generator found it, shortest when proven so), known from now on as a
  // level's recorded solution is: hints along it cost nothing.
  void knowSolution(const Game& game, std::string_view moves, bool shortest);
  // Builds the tables of the game's level at once (the game leaves them to
  // work(), between frames), and counts as asking for hints from then on.
  void prepare(const Game& game);
  // work() has something to do for the position last asked about: tables to
  // build or a search to go on with.
  bool busy() const;
  // The whole solution the last answer starts (empty without a hint).
  const std::string& solution() const { return solution_; }

 private:
  struct Level;
  enum class Stage { Quick, Rough, Exact, Done };
  struct Pending {
    bool asked = false;  // position holds the position last asked about
    puzzle::Position position;
    std::string best;  // the moves of the best solution known, empty for none
    bool shortest = false;
    Stage stage = Stage::Done;
    bool begun = false;       // the stage's search has begun
    uint64_t stageNodes = 0;  // searched in this stage
    uint64_t stageLimit = 0;  // the most this stage may search
    uint64_t nodes = 0;       // searched for this position
  };

  // The state of the game's level, made afresh when the level changes.
  Level& levelOf(const Game& game);
  void startPending(const puzzle::Position& position,
                    std::span<const UndoHistory::MadeTurn> turnsSinceRestart);
  std::string wayBack(const puzzle::Position& position,
                      std::span<const UndoHistory::MadeTurn> turns) const;
  // Searches up to `nodes` nodes for the pending position; true when its
  // answer got better.
  bool run(uint64_t nodes);
  bool takeSolution(const std::string& moves, bool shortest);
  Hint answer();

  const HintLimits limits_;
  std::unique_ptr<Level> level_;
  Pending pending_;
  bool wanted_ = false;  // a hint has been asked for
  std::string solution_;
};

}  // namespace bt
