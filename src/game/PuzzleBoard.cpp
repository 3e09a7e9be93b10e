#include "game/PuzzleBoard.h"

namespace bt::puzzle {

PuzzleBoard::PuzzleBoard(const Level& level) : side_(level.side) {
  tiles_.fill(kNone);
  start_.markers.fill(kNone);
  for (const Piece& tile : level.tiles) {
    tiles_[cellIndex(tile.column - 1, tile.row - 1)] = static_cast<uint8_t>(tile.colour - 1);
  }
  for (const Piece& marker : level.markers) {
    start_.markers[cellIndex(marker.column - 1, marker.row - 1)] =
        static_cast<uint8_t>(marker.colour - 1);
  }
  start_.cursorX = startCursorX(side_);
  start_.cursorY = startCursorY(side_);
}

bool PuzzleBoard::inPlay(int x, int y) const {
  if (x < 0 || y < 0 || x >= side_ || y >= side_) return false;
  const bool edgeX = x == 0 || x == side_ - 1;
  const bool edgeY = y == 0 || y == side_ - 1;
  return !(edgeX && edgeY);
}

bool PuzzleBoard::solved(const Position& position) const {
  for (int cell = 0; cell < kCells; ++cell) {
    const uint8_t marker = position.markers[cell];
    if (marker != kNone && marker != tiles_[cell]) return false;
  }
  return true;
}

bool PuzzleBoard::apply(Position& position, char move) const {
  switch (move) {
    case kUp:
      if (position.cursorY <= minCursorY()) return false;
      --position.cursorY;
      return true;
    case kDown:
      if (position.cursorY >= maxCursorY()) return false;
      ++position.cursorY;
      return true;
    case kLeft:
      if (position.cursorX <= minCursorX()) return false;
      --position.cursorX;
      return true;
    case kRight:
      if (position.cursorX >= maxCursorX()) return false;
      ++position.cursorX;
      return true;
    case kTurnLeft:
      rotateRing(position, true);
      return true;
    case kTurnRight:
      rotateRing(position, false);
      return true;
    default:
      return false;
  }
}

bool PuzzleBoard::play(Position& position, std::string_view moves) const {
  for (char move : moves) {
    if (!apply(position, move)) return false;
  }
  return true;
}

void rotateRing(Position& position, bool counterClockwise) {
  std::array<int, kRingSize> cells{};
  std::array<uint8_t, kRingSize> lifted{};
  for (size_t k = 0; k < kRingSize; ++k) {
    cells[k] =
        cellIndex(position.cursorX + kRingOffsets[k].dx, position.cursorY + kRingOffsets[k].dy);
    lifted[k] = position.markers[cells[k]];
  }
  for (size_t k = 0; k < kRingSize; ++k) {
    position.markers[cells[nextRingPosition(k, counterClockwise)]] = lifted[k];
  }
}

}  // namespace bt::puzzle
