#include "game/UndoHistory.h"

namespace bt {

void UndoHistory::record(const Game& game) {
  if (game.board.levelIndex != levelIndex_) {
    rotations_.clear();
    levelIndex_ = game.board.levelIndex;
  }
  if (rotations_.size() >= kMaxRotations) rotations_.pop_front();
  rotations_.push_back(
      {game.rotation.cursorX, game.rotation.cursorY, game.rotation.counterClockwise});
}

bool UndoHistory::undo(Game& game) {
  Board& board = game.board;
  if (!board.isSetUp() || game.gameOver || game.rotation.rotating || isSolved(board)) return false;
  if (board.levelIndex != levelIndex_) rotations_.clear();
  if (rotations_.empty()) return false;
  const Turn last = rotations_.back();
  const uint8_t cursorX = board.cursorX;
  const uint8_t cursorY = board.cursorY;
  board.cursorX = last.cursorX;
  board.cursorY = last.cursorY;
  if (startRotation(game, !last.counterClockwise) != RotationStart::Started) {
    board.cursorX = cursorX;
    board.cursorY = cursorY;
    return false;
  }
  finishRotation(game);
  rotations_.pop_back();
  return true;
}

}  // namespace bt
