#pragma once
// Finds short move strings that solve a level. The search works on turns of
// the ring: each turn costs one move plus the cursor moves that bring the
// cursor to it (horizontal moves first, then vertical ones, which is always
// a shortest cursor path since the cursor's range is a rectangle).
//
// The search is IDA* with a transposition table and the larger of two lower
// bounds: the turns the misplaced markers still need (the farthest marker,
// the hardest pair or triple of markers from the pattern tables, or eight
// markers a turn) plus the cursor moves needed to bring every misplaced
// marker into the ring once; and the keys, turns and cursor moves together,
// that the hardest pair or triple needs from the cursor. Weighted, it trades
// the guarantee of a shortest solution for speed. Its only cut-off is a count
// of nodes, so an answer never depends on the machine.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/PatternTables.h"
#include "game/PuzzleBoard.h"
#include "game/TranspositionTable.h"

namespace bt::puzzle {

struct Turn {
  int cursorX = 0;
  int cursorY = 0;
  bool counterClockwise = false;
};

// The move string that plays the turns from a cursor position.
std::string movesForTurns(const std::vector<Turn>& turns, int startX, int startY);

struct SearchLimits {
  double weight = 1.0;      // 1 finds a shortest solution
  uint64_t nodeBudget = 0;  // turns tried before the search gives up
  int costBelow = 1 << 30;  // only solutions shorter than this are wanted
  // Off, the search runs as the level designer's first solver did (the
  // plain bound, no transposition table), so that the designer, which
  // chooses among scrambles by such searches, still makes the same levels.
  bool strong = true;
};

struct SearchOutcome {
  std::optional<std::vector<Turn>> turns;  // the best solution found, if any
  bool complete = false;                   // the search ran to its end within the budget
  uint64_t nodes = 0;
  // Meaningful with weight 1: no solution is shorter than this.
  int provenAtLeast = 0;
};

class Solver {
 public:
  explicit Solver(const PuzzleBoard& board);

  // A lower bound on the moves that solve the position; 0 when solved.
  int lowerBound(const Position& position) const;
  // The bound without the pattern tables: the markers' own turns and the
  // cursor travel they force.
  int plainBound(const Position& position) const;
  // Fewest turns a marker on `cell` needs to reach a tile of its colour.
  int markerDistance(int cell, uint8_t colour) const { return distance_[colour][cell]; }

  // With weight 1 and complete set, `turns` is a shortest solution, or there
  // is none shorter than costBelow when it is empty.
  SearchOutcome search(const Position& start, const SearchLimits& limits);

 private:
  struct Bounds;
  struct Frame;

  void addCell(Bounds& bounds, int cell, uint8_t marker, int sign) const;
  int estimate(const Bounds& bounds, const Position& position, bool strong) const;
  uint64_t key(const Position& position) const;
  void turn(Position& position, Bounds& bounds, int cursor, bool counterClockwise) const;
  bool descend(Position& position, Bounds& bounds, int cost, int lastRun, bool lastCcw);

  const PuzzleBoard& board_;
  std::vector<int> cursors_;                   // cell index of each cursor
  std::vector<std::array<int, 8>> ringCells_;  // by cursor cell index
  std::array<std::array<uint8_t, kCells>, kColours> distance_{};
  std::array<std::array<uint8_t, 4>, kCells> cover_{};  // loX, hiX, loY, hiY
  std::vector<int> playCells_;
  PatternTables patterns_;
  std::array<std::array<uint64_t, kCells>, kColours> cellKeys_{};
  std::array<uint64_t, kCells> cursorKeys_{};
  std::unique_ptr<TranspositionTable> seen_;  // sized by the largest budget yet

  // State of one search.
  double weight_ = 1.0;
  bool strong_ = true;
  int costBelow_ = 0;
  double bound_ = 0;
  double nextBound_ = 0;
  uint64_t nodes_ = 0;
  uint64_t budget_ = 0;
  bool outOfBudget_ = false;
  std::vector<Turn> path_;
};

}  // namespace bt::puzzle
