#include "game/Board.h"

#include "game/Ring.h"

namespace bt {

namespace {

bool validPlace(int column, int row, int colour) {
  return column >= 1 && column <= kBoardColumns && row >= 1 && row <= kBoardColumns &&
         colour >= 1 && colour <= kColourCount;
}

}  // namespace

void placeCursor(Board& board) {
  board.cursorX = static_cast<uint8_t>(startCursorX(board.side));
  board.cursorY = static_cast<uint8_t>(startCursorY(board.side));
}

void resetBoard(Board& board, uint8_t side) {
  if (side < kMinSide || side > kMaxSide) return;
  board.side = side;
  board.cells.fill(cellOutside);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      board.setTile(x, y, cellEmpty);
      board.setMarker(x, y, cellEmpty);
    }
  }
  const int last = side - 1;
  board.setMarker(0, 0, cellOutside);
  board.setMarker(last, 0, cellOutside);
  board.setMarker(0, last, cellOutside);
  board.setMarker(last, last, cellOutside);
  placeCursor(board);
}

void placeMarker(Board& board, int column, int row, int colour) {
  if (validPlace(column, row, colour)) {
    board.setMarker(column - 1, row - 1, static_cast<uint8_t>(colour - 1));
  }
}

void placeTile(Board& board, int column, int row, int colour) {
  if (validPlace(column, row, colour)) {
    board.setTile(column - 1, row - 1, static_cast<uint8_t>(colour - 1));
  }
}

bool isSolved(const Board& board) {
  for (int y = 0; y < board.side && y < kBoardColumns; ++y) {
    for (int x = 0; x < board.side && x < kBoardColumns; ++x) {
      const uint8_t marker = board.marker(x, y);
      if (marker < kColourCount && board.tile(x, y) != marker) return false;
    }
  }
  return true;
}

}  // namespace bt
