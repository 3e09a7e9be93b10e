#include "game/LevelTable.h"

#include "game/LevelData.h"

namespace bt {

bool LevelTable::loadLevel(Board& board, int32_t levelIndex) {
  const auto levels = builtInLevels();
  if (levelIndex < 0 || static_cast<size_t>(levelIndex) >= levels.size()) return false;
  const LevelData& level = levels[static_cast<size_t>(levelIndex)];
  if (level.side < kMinSide || level.side > kMaxSide) return false;
  resetBoard(board, level.side);
  for (const LevelPiece& piece : level.markers) {
    placeMarker(board, piece.column, piece.row, piece.colour);
  }
  for (const LevelPiece& piece : level.tiles) {
    placeTile(board, piece.column, piece.row, piece.colour);
  }
  return true;
}

}  // namespace bt
