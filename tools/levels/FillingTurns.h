#pragma once
// Turn sequences for a board on which every cell that is not a tile starts
// with a marker: one colour with more pairs than the cells that are not its
// tiles (the last level: twenty-five markers of one colour on the 45 cells of
// side 7). The sequence is the level's solution, chosen before its tiles.
//
// Together a sequence's turns carry each cell's marker to one cell, a
// permutation whose cycles the markers run along. A cell may be left without
// a tile when the sequence carries its marker onto a tile, so no two such
// cells may follow each other on a cycle: a cycle of n cells holds at most
// n / 2 of them, its capacity. A beam search over sequences from the board's
// start cursor, most capacity per key first, finds the sequences whose
// cycles hold enough such cells within a number of keys.
#include <array>
#include <cstdint>
#include <vector>

#include "levels/PuzzleNames.h"

namespace bt::levels {

// The cell (cellIndex) that the turns carry each cell's marker to.
using CarriedCells = std::array<uint8_t, kCells>;

struct FillingTurns {
  std::vector<Turn> turns;
  CarriedCells carried{};
  int moves = 0;     // cursor moves and turns from the board's start cursor
  int capacity = 0;  // cells the cycles can leave without a tile
};

// Every sequence the beam finds of at most `mostMoves` keys whose cycles hold
// at least `freeCells` cells without a tile, in the order found (fewer turns
// first). The same board always gives the same sequences.
std::vector<FillingTurns> fillingTurns(const PuzzleBoard& board, int freeCells, int mostMoves);

// The cycles of two cells or more, each from its lowest cell in the order
// the turns carry a marker along it; the cycles in the order of those cells.
std::vector<std::vector<int>> cyclesOf(const PuzzleBoard& board, const CarriedCells& carried);

}  // namespace bt::levels
