#include "game/LevelTable.h"

#include "game/Level.h"

namespace bt {

bool LevelTable::loadLevel(Board& board, int32_t levelIndex) {
  const auto level = builtInLevel(levelIndex);
  return level != nullptr && setUpBoard(board, *level);
}

}  // namespace bt
