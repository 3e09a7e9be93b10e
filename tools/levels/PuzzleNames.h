#pragma once
// The level tool designs levels in the terms of the rules library's puzzle
// model and solver (src/game), by their plain names.
#include "game/PuzzleBoard.h"
#include "game/PuzzleScramble.h"
#include "game/Solver.h"

namespace bt::levels {

using puzzle::cellIndex;
using puzzle::kCells;
using puzzle::kMaxSide;
using puzzle::kNone;
using puzzle::kRingOffsets;
using puzzle::kTurnLeft;
using puzzle::kTurnRight;
using puzzle::Level;
using puzzle::movesForTurns;
using puzzle::Piece;
using puzzle::Position;
using puzzle::PuzzleBoard;
using puzzle::rotateRing;
using puzzle::SearchLimits;
using puzzle::SearchOutcome;
using puzzle::Solver;
using puzzle::Turn;
using puzzle::withMarkers;

}  // namespace bt::levels
