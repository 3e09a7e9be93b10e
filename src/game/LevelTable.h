#pragma once
// Sets the board up for a level of the built-in table.
#include <cstdint>

#include "game/Board.h"

namespace bt {

class LevelTable {
 public:
  // For a level index with a table entry (0 to kLevelCount - 1): resets the
  // board to the level's side, then places its markers and its tiles in table
  // order. Any other index changes nothing and returns false. levelIndex is
  // untouched.
  static bool loadLevel(Board& board, int32_t levelIndex);
};

}  // namespace bt
