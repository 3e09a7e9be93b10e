#include "game/Rules.h"

#include <limits>

namespace bt {

namespace {

void commitRotation(Game& game) {
  Rotation& rotation = game.rotation;
  rotation.rotating = false;
  for (size_t k = 0; k < kRingSize; ++k) {
    const RingOffset offset = kRingOffsets[nextRingPosition(rotation, k)];
    game.board.setMarker(rotation.cursorX + offset.dx, rotation.cursorY + offset.dy,
                         rotation.pieces[k].colour);
  }
}

}  // namespace

size_t nextRingPosition(const Rotation& rotation, size_t k) {
  return nextRingPosition(k, rotation.counterClockwise);
}

void startNewGame(Game& game) {
  startLevel(game, 0);
}

namespace {

void startAfresh(Game& game, std::shared_ptr<const Level> level, int32_t levelIndex) {
  game.moves.clear();
  game.hintUsed = false;
  game.lastSolved = SolvedLevel{};
  game.rotation = Rotation{};
  game.gameOver = false;
  game.board.levelIndex = levelIndex;
  if (level) setUpBoard(game.board, *level);
  game.level = std::move(level);
}

}  // namespace

void startLevel(Game& game, int32_t levelIndex) {
  startAfresh(game, builtInLevel(levelIndex), levelIndex);
}

bool startBoard(Game& game, std::shared_ptr<const Level> level) {
  if (!level || level->side < kMinSide || level->side > kMaxSide) return false;
  startAfresh(game, std::move(level), kNoLevelIndex);
  return true;
}

bool moveCursor(Board& board, Move move) {
  const int n = board.side;
  switch (move) {
    case Move::Up:
      if (board.cursorY <= minCursorY(n)) return false;
      --board.cursorY;
      return true;
    case Move::Down:
      if (board.cursorY >= maxCursorY(n)) return false;
      ++board.cursorY;
      return true;
    case Move::Left:
      if (board.cursorX <= minCursorX(n)) return false;
      --board.cursorX;
      return true;
    case Move::Right:
      if (board.cursorX >= maxCursorX(n)) return false;
      ++board.cursorX;
      return true;
  }
  return false;
}

bool moveCursor(Game& game, Move move) {
  if (!moveCursor(game.board, move)) return false;
  if (!game.gameOver) game.moves += letterOf(move);
  return true;
}

char letterOf(Move move) {
  switch (move) {
    case Move::Up:
      return kUp;
    case Move::Down:
      return kDown;
    case Move::Left:
      return kLeft;
    case Move::Right:
      return kRight;
  }
  return '?';
}

RotationStart startRotation(Game& game, bool counterClockwise) {
  Board& board = game.board;
  if (game.gameOver || !board.isSetUp()) return RotationStart::Ignored;
  Rotation& rotation = game.rotation;
  if (rotation.rotating) return RotationStart::Refused;
  for (size_t k = 0; k < kRingSize; ++k) {
    const int x = board.cursorX + kRingOffsets[k].dx;
    const int y = board.cursorY + kRingOffsets[k].dy;
    rotation.pieces[k].colour = board.marker(x, y);
    board.setMarker(x, y, cellEmpty);
  }
  rotation.cursorX = board.cursorX;
  rotation.cursorY = board.cursorY;
  rotation.counterClockwise = counterClockwise;
  rotation.rotating = true;
  rotation.animFrame = 0;
  game.moves += counterClockwise ? kTurnLeft : kTurnRight;
  return RotationStart::Started;
}

void stepRotation(Game& game) {
  Rotation& rotation = game.rotation;
  if (!rotation.rotating) return;
  if (++rotation.animFrame >= kRotationFrames) commitRotation(game);
}

void finishRotation(Game& game) {
  if (game.rotation.rotating) commitRotation(game);
}

namespace {

// The solve the check found: the level's keys and hint go to lastSolved.
void noteSolved(Game& game) {
  game.lastSolved =
      SolvedLevel{game.board.levelIndex, std::move(game.moves), game.hintUsed, game.board};
  game.moves.clear();
  game.hintUsed = false;
}

}  // namespace

GameStatus checkSolved(Game& game) {
  if (!game.board.isSetUp()) return GameStatus::Playing;
  if (game.gameOver) return GameStatus::Solved;
  if (game.rotation.rotating || !isSolved(game.board)) return GameStatus::Playing;
  noteSolved(game);
  game.gameOver = true;
  return GameStatus::Solved;
}

GameStatus checkCompletion(Game& game) {
  Board& board = game.board;
  if (board.isSetUp() && !game.rotation.rotating && isSolved(board)) {
    // Every redraw of a finished game counts on; the count stops at the top.
    noteSolved(game);
    if (board.levelIndex < std::numeric_limits<int32_t>::max()) ++board.levelIndex;
    game.level = builtInLevel(board.levelIndex);
    if (!game.level) {
      game.gameOver = true;
      return GameStatus::GameOver;
    }
    setUpBoard(board, *game.level);
    return GameStatus::LevelComplete;
  }
  return GameStatus::Playing;
}

void restartLevel(Game& game) {
  if (!game.board.isSetUp() || !game.level || !setUpBoard(game.board, *game.level)) return;
  game.gameOver = false;
  game.rotation.rotating = false;
  game.moves.clear();
  game.hintUsed = false;
}

std::optional<Move> cursorMoveOf(char letter) {
  switch (letter) {
    case kUp:
      return Move::Up;
    case kDown:
      return Move::Down;
    case kLeft:
      return Move::Left;
    case kRight:
      return Move::Right;
    default:
      return std::nullopt;
  }
}

bool playMove(Game& game, char move) {
  if (const auto cursorMove = cursorMoveOf(move)) return moveCursor(game, *cursorMove);
  if (!isTurnLetter(move) || startRotation(game, move == kTurnLeft) != RotationStart::Started) {
    return false;
  }
  finishRotation(game);
  return true;
}

}  // namespace bt
