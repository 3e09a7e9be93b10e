#include "game/GamePuzzle.h"

namespace bt {

puzzle::Position puzzlePositionOf(const Game& game) {
  const Board& board = game.board;
  puzzle::Position position;
  position.markers.fill(puzzle::kNone);
  for (int y = 0; y < board.side && y < kBoardColumns; ++y) {
    for (int x = 0; x < board.side && x < kBoardColumns; ++x) {
      const uint8_t marker = board.marker(x, y);
      if (marker < kColourCount) position.markers[puzzle::cellIndex(x, y)] = marker;
    }
  }
  const Rotation& rotation = game.rotation;
  if (rotation.rotating) {
    for (size_t k = 0; k < kRingSize; ++k) {
      const RingOffset to = kRingOffsets[nextRingPosition(rotation, k)];
      const uint8_t colour = rotation.pieces[k].colour;
      position.markers[puzzle::cellIndex(rotation.cursorX + to.dx, rotation.cursorY + to.dy)] =
          colour < kColourCount ? colour : puzzle::kNone;
    }
  }
  position.cursorX = board.cursorX;
  position.cursorY = board.cursorY;
  return position;
}

Level puzzleLevelOf(const Game& game) {
  const Board& board = game.board;
  Level level{board.side, {}, {}};
  const puzzle::Position position = puzzlePositionOf(game);
  for (int y = 0; y < board.side && y < kBoardColumns; ++y) {
    for (int x = 0; x < board.side && x < kBoardColumns; ++x) {
      const uint8_t tile = board.tile(x, y);
      if (tile < kColourCount) level.tiles.push_back({x + 1, y + 1, tile + 1});
      const uint8_t marker = position.markers[puzzle::cellIndex(x, y)];
      if (marker != puzzle::kNone) level.markers.push_back({x + 1, y + 1, marker + 1});
    }
  }
  return level;
}

}  // namespace bt
