#pragma once
// The raw material of a candidate level: tiles laid out on the board in one
// of a few patterns, their colours, and random turns that scramble the
// markers off them. The same random stream always gives the same candidate.
#include <random>
#include <utility>
#include <vector>

#include "levels/PuzzleNames.h"

namespace bt::levels {

using Random = std::mt19937;
using Cell = std::pair<int, int>;  // x, y from 0

// A scramble goes on no longer than this many turns.
inline constexpr int kMostScrambleTurns = 40;

// A number from 0 to count - 1.
int pick(Random& random, int count);

// The one colour of a level whose markers are all of one colour, else 0.
int onlyColourOf(int number);

// The colours (1 to 4) of level `number`'s tiles in layout order.
std::vector<int> tileColours(int number, int pairs, Random& random);

// Tile cells in one of three layouts: scattered, mirrored left to right, or
// a compact block; colours follow the layout order, so they come in groups.
std::vector<Cell> tileLayout(const PuzzleBoard& board, int pairs, Random& random);

// Random turns that each change the board, the cursor wandering a little
// between them, so that the rings overlap and the turns depend on each other.
// Turns that take the markers farther from their tiles (by the solver's lower
// bound) are preferred, so that later turns do not simply undo earlier ones.
// The scramble goes on past `count` turns while more than `home` markers
// stand on tiles of their colour.
std::vector<Turn> scramble(const PuzzleBoard& board, const Solver& goal, Position& position,
                           int count, int home, Random& random);

// A level of this side with tiles on `cells` in `colours` and the markers of
// `markers`.
Level layoutLevel(int side, const std::vector<Cell>& cells, const std::vector<int>& colours,
                  const Position& markers);

}  // namespace bt::levels
