#pragma once
// The raw material of a generated puzzle, drawn from an id's random
// sequence: tiles on random cells, and positions that random turns make
// from the solved board. Every draw goes through SeededRandom, so that each
// machine draws the same.
#include <string>
#include <vector>

#include "game/PuzzleBoard.h"
#include "game/PuzzleId.h"
#include "game/SeededRandom.h"

namespace bt::puzzle {

// The puzzle's tiles on distinct random cells, each after the first within
// two cells of one before it on both axes (so that rings share them), the
// colours taking turns so that each has its share of the pairs; no
// markers.
Level tileLayout(const PuzzleSpec& spec, SeededRandom& random);

// The layout with a marker on each tile: the solved board.
Level solvedLevel(const Level& layout);

struct Scramble {
  Position start;
  // The turns that take the scramble back: always a solution.
  std::string wayBack;
};

// Random turns from the solved position, the cursor then put back where
// the level starts it. Each turn is of a ring that holds a marker (one on a
// tile of its colour while any is), never the turn that undoes the one
// before; past `turns`, turns go on while a marker stands on a tile of its
// colour, up to two a marker more.
Scramble scramble(const PuzzleBoard& board, int turns, SeededRandom& random);

// A marker stands on a tile of its colour.
bool anyMarkerHome(const PuzzleBoard& board, const Position& position);

// The level whose markers stand as in position.
Level withMarkers(Level level, const Position& position);

}  // namespace bt::puzzle
