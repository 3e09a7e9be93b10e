#pragma once
// The game as the solver sees it: the board's own tiles and markers (so that
// a continued game is searched as it stands, whatever level it claims), and a
// rotation still sliding as if it had ended.
#include "game/PuzzleBoard.h"
#include "game/Rules.h"

namespace bt {

// The board's markers, a running rotation's pieces in the cells they slide
// to, and the cursor where it is now.
puzzle::Position puzzlePositionOf(const Game& game);
// The board's tiles, with the markers of puzzlePositionOf as its start.
Level puzzleLevelOf(const Game& game);

}  // namespace bt
