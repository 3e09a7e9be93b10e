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
// of nodes, so an answer never depends on the machine. A search can also run
// in pieces (beginSearch, then continueSearch as often as wanted): it stops
// when a piece's nodes are spent and goes on from that very node, so the
// pieces find exactly what one search with all their nodes would.
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
  // Off, the tables for triples of markers are not built for this search
  // (they take up to seconds on boards of side 7 or less); tables already
  // built are used all the same.
  bool tripleTables = true;
};

struct SearchOutcome {
  std::optional<std::vector<Turn>> turns;  // the best solution found, if any
  bool complete = false;                   // the search ran to its end within the budget
  uint64_t nodes = 0;  // turns tried, counting the one refused when the budget ran out
  // Meaningful with weight 1: no solution is shorter than this.
  int provenAtLeast = 0;
};

class Solver {
 public:
  // Builds the pattern tables for pairs of markers at once, or, with
  // buildTables false, leaves them to buildNextTable.
  explicit Solver(const PuzzleBoard& board, bool buildTables = true);

  // Builds one more of the tables for pairs of markers (a few milliseconds
  // at most); false once all are built. Bounds and searches use the tables
  // built so far, so a search started before them is still exact, only slower
  // (a search in pieces takes up the new tables from its next piece on).
  bool buildNextTable() { return patterns_.buildNextPairTable(); }
  bool tablesBuilt() const { return patterns_.pairTablesBuilt(); }

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
  // The same search in pieces: beginSearch sets it up (limits.nodeBudget only
  // sizes the transposition table), each continueSearch searches up to
  // `nodes` more nodes and tells the outcome so far. Once it is complete,
  // further pieces change nothing. Another search, or a new beginSearch,
  // abandons it.
  void beginSearch(const Position& start, const SearchLimits& limits);
  SearchOutcome continueSearch(uint64_t nodes);

 private:
  struct Bounds;
  struct Frame;
  // A turn of the search: the cursor's number among cursors_ and the way.
  struct Choice {
    size_t cursor = 0;
    bool counterClockwise = true;
  };

  void addCell(Bounds& bounds, int cell, uint8_t marker, int sign) const;
  int estimate(const Bounds& bounds, const Position& position, bool strong) const;
  uint64_t key(const Position& position) const;
  void turn(Position& position, Bounds& bounds, int cursor, bool counterClockwise) const;
  bool descend(Position& position, Bounds& bounds, int cost, int lastRun, bool lastCcw);
  SearchOutcome outcome() const;

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
  Position start_;
  double weight_ = 1.0;
  bool strong_ = true;
  int costBelow_ = 0;
  double bound_ = 0;
  double nextBound_ = 0;
  uint64_t nodes_ = 0;
  uint64_t budget_ = 0;
  bool outOfBudget_ = false;
  bool finished_ = true;
  std::optional<std::vector<Turn>> found_;
  std::vector<Turn> path_;
  std::vector<Choice> choices_;  // path_ as the search chose it
  // Where a paused search goes on: the choices down to the node it stopped
  // at, then the turn it had not tried yet. Empty when no search is paused.
  std::vector<Choice> resume_;
};

}  // namespace bt::puzzle
