#pragma once
// The level tool designs levels in the terms of the rules library's puzzle
// model and solver (src/game), by their plain names. The ring, the move
// letters and Level are the rules' own (bt::), so they need no name here.
#include "game/PuzzleBoard.h"
#include "game/PuzzleScramble.h"
#include "game/Solver.h"

namespace bt::levels {

using puzzle::cellIndex;
using puzzle::kCells;
using puzzle::kNone;
using puzzle::movesForTurns;
using puzzle::Position;
using puzzle::PuzzleBoard;
using puzzle::rotateRing;
using puzzle::SearchLimits;
using puzzle::SearchOutcome;
using puzzle::Solver;
using puzzle::Turn;
using puzzle::withMarkers;

}  // namespace bt::levels
