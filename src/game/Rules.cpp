#include "game/Rules.h"

#include <limits>

#include "game/LevelTable.h"

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
  return (k + (rotation.counterClockwise ? 1 : kRingSize - 1)) % kRingSize;
}

void startNewGame(Game& game) {
  startLevel(game, 0);
}

void startLevel(Game& game, int32_t levelIndex) {
  game.moves.clear();
  game.hintUsed = false;
  game.lastSolved = SolvedLevel{};
  game.rotation = Rotation{};
  game.gameOver = false;
  game.puzzle.reset();
  game.board.levelIndex = levelIndex;
  LevelTable::loadLevel(game.board, levelIndex);
}

bool startPuzzle(Game& game, const Board& start) {
  if (!start.isSetUp()) return false;
  auto puzzle = std::make_shared<Board>(start);
  puzzle->levelIndex = kPuzzleLevelIndex;
  game.moves.clear();
  game.hintUsed = false;
  game.lastSolved = SolvedLevel{};
  game.rotation = Rotation{};
  game.gameOver = false;
  game.board = *puzzle;
  game.puzzle = std::move(puzzle);
  return true;
}

bool moveCursor(Board& board, Move move) {
  const int n = board.side;
  switch (move) {
    case Move::Up:
      if (board.cursorY == 0) return false;
      --board.cursorY;
      return true;
    case Move::Down:
      if (board.cursorY + 3 >= n - 1) return false;
      ++board.cursorY;
      return true;
    case Move::Left:
      if (board.cursorX <= 1) return false;
      --board.cursorX;
      return true;
    case Move::Right:
      if (board.cursorX + 2 >= n - 1) return false;
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
      return 'U';
    case Move::Down:
      return 'D';
    case Move::Left:
      return 'L';
    case Move::Right:
      return 'R';
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
  game.moves += counterClockwise ? '<' : '>';
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

GameStatus checkPuzzle(Game& game) {
  if (game.gameOver) return GameStatus::PuzzleSolved;
  if (game.rotation.rotating || !isSolved(game.board)) return GameStatus::Playing;
  game.lastSolved = SolvedLevel{kPuzzleLevelIndex, std::move(game.moves), game.hintUsed};
  game.moves.clear();
  game.hintUsed = false;
  game.gameOver = true;
  return GameStatus::PuzzleSolved;
}

}  // namespace

GameStatus checkCompletion(Game& game) {
  Board& board = game.board;
  if (game.puzzle && board.isSetUp()) return checkPuzzle(game);
  if (board.isSetUp() && !game.rotation.rotating && isSolved(board)) {
    // Every redraw of a finished game counts on; the count stops at the top.
    game.lastSolved = SolvedLevel{board.levelIndex, std::move(game.moves), game.hintUsed};
    game.moves.clear();
    game.hintUsed = false;
    if (board.levelIndex < std::numeric_limits<int32_t>::max()) ++board.levelIndex;
    if (board.levelIndex > kLastLevelIndex) {
      game.gameOver = true;
      return GameStatus::GameOver;
    }
    LevelTable::loadLevel(board, board.levelIndex);
    return GameStatus::LevelComplete;
  }
  return GameStatus::Playing;
}

void restartLevel(Game& game) {
  if (!game.board.isSetUp()) return;
  if (game.puzzle) {
    game.board = *game.puzzle;
    game.gameOver = false;
  } else if (!LevelTable::loadLevel(game.board, game.board.levelIndex)) {
    return;
  }
  game.rotation.rotating = false;
  game.moves.clear();
  game.hintUsed = false;
}

std::optional<Move> cursorMoveOf(char letter) {
  switch (letter) {
    case 'U':
      return Move::Up;
    case 'D':
      return Move::Down;
    case 'L':
      return Move::Left;
    case 'R':
      return Move::Right;
    default:
      return std::nullopt;
  }
}

bool playMove(Game& game, char move) {
  if (const auto cursorMove = cursorMoveOf(move)) return moveCursor(game, *cursorMove);
  switch (move) {
    case '<':
    case '>':
      if (startRotation(game, move == '<') != RotationStart::Started) return false;
      finishRotation(game);
      return true;
    default:
      return false;
  }
}

}  // namespace bt
