#pragma once
// Lower bounds for the solver from exact answers to smaller puzzles, as the
// pattern databases of sliding-tile and twisty-puzzle solvers give them: the
// board is searched once, backwards from every goal, for two markers alone
// (all other markers ignored), and the answer is looked up during the search.
//
// Two tables per pair of colours: the turns alone that bring the two markers
// onto tiles of their colours, and the turns and cursor moves together from a
// given cursor. On small boards with few markers, the same for triples
// (buildTripleTables). A turn moves up to eight
// markers, so the tables of different pairs share moves: they combine by maximum, never by sum.
// Turns and cursor moves are different keys, so a bound on turns may be added to a bound on cursor
// moves.
#include <array>
#include <cstdint>
#include <vector>

#include "game/PuzzleBoard.h"

namespace bt::puzzle {

class PatternTables {
 public:
  // Builds the tables for the colour pairs among the start's markers: a few
  // hundred thousand steps and at most 10 x 0.5 MB on a board of side 10.
  // With buildNow false they are left to buildNextPairTable.
  PatternTables(const PuzzleBoard& board, const Position& start, bool buildNow = true);

  // Builds one more table for a pair of colours; false once all are built.
  // The bounds use the tables built so far.
  bool buildNextPairTable();
  bool pairTablesBuilt() const { return pairsToBuild_.empty(); }

  // Up to 25 markers, each with its play-cell number and colour.
  struct Marker {
    int place;
    uint8_t colour;
  };
  // The markers of a position, in cell order.
  int collect(const Position& position, std::array<Marker, kCells>& markers) const;

  // Both bounds for a position whose cursor is cursor number `cursor`: the
  // most turns any pair still needs, and the most keys any pair still needs
  // from that cursor.
  struct PairBounds {
    int turns = 0;
    int keys = 0;
  };
  PairBounds bounds(const Position& position, int cursor) const;

  // Adds the tables for triples of markers where they are small: boards of
  // side 7 or less and at most twelve markers, so that every triple can be
  // looked up at each node. About a second on side 7; the solver builds them
  // for its first search, and the bounds use them from then on.
  void buildTripleTables();

  // The cursor number of a cursor place (as the solver numbers them).
  int cursorNumber(int cursorX, int cursorY) const;

 private:
  struct Table {
    std::vector<uint8_t> turns;  // [a * places + b]
    std::vector<uint8_t> keys;   // [(a * places + b) * cursors + cursor]
  };

  void build(Table& table, uint8_t colourA, uint8_t colourB) const;
  void buildTriple(Table& table, std::array<uint8_t, 3> colours) const;
  void tripleBounds(const std::array<Marker, kCells>& markers, int count, int cursor,
                    PairBounds& best) const;
  const Table* tableFor(uint8_t colourA, uint8_t colourB) const;

  const PuzzleBoard& board_;
  int places_ = 0;
  int cursors_ = 0;
  std::array<int, kCells> placeOfCell_{};
  std::vector<int> cellOfPlace_;
  std::vector<std::array<int, 2>> cursorPlaces_;      // x, y
  std::vector<std::array<int, 4>> cursorNeighbours_;  // -1 where the bound stops it
  // The place each place goes to when cursor c turns its ring: [c][ccw][place].
  std::vector<std::array<std::vector<uint8_t>, 2>> turned_;
  std::array<std::array<Table, kColours>, kColours> tables_{};
  // By (a * 4 + b) * 4 + c for colours a <= b <= c; empty where too large.
  std::vector<Table> triples_;
  std::array<int, kColours> colourCounts_{};          // the start's markers
  std::vector<std::array<uint8_t, 2>> pairsToBuild_;  // colour pairs, next one last
  bool triplesTried_ = false;
};

}  // namespace bt::puzzle
