#include "game/Rules.h"

#include <limits>

#include "game/LevelTable.h"

namespace bt {

namespace {

// One pixel per frame towards the next ring position, by piece.
constexpr std::array<RingOffset, kRingSize> kCounterClockwiseSteps = {
    {{-1, 1}, {0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}}};
constexpr std::array<RingOffset, kRingSize> kClockwiseSteps = {
    {{1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1}}};

void commitRotation(Game& game) {
  Rotation& rotation = game.rotation;
  rotation.rotating = false;
  const int shift = rotation.counterClockwise ? 1 : kRingSize - 1;
  for (int k = 0; k < kRingSize; ++k) {
    const RingOffset offset = kRingOffsets[static_cast<size_t>((k + shift) % kRingSize)];
    game.board.setMarker(rotation.cursorX + offset.dx, rotation.cursorY + offset.dy,
                         rotation.pieces[static_cast<size_t>(k)].colour);
  }
}

}  // namespace

void startNewGame(Game& game) {
  game.rotation = Rotation{};
  game.gameOver = false;
  game.board.levelIndex = 0;
  LevelTable::loadLevel(game.board, 0);
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

RotationStart startRotation(Game& game, bool counterClockwise) {
  Board& board = game.board;
  if (game.gameOver || !board.isSetUp()) return RotationStart::Ignored;
  Rotation& rotation = game.rotation;
  if (rotation.rotating) return RotationStart::Refused;
  const int pitch = cellPitch(board.layout.artSet);
  for (int k = 0; k < kRingSize; ++k) {
    const RingOffset offset = kRingOffsets[static_cast<size_t>(k)];
    const int x = board.cursorX + offset.dx;
    const int y = board.cursorY + offset.dy;
    RotationPiece& piece = rotation.pieces[static_cast<size_t>(k)];
    piece.colour = board.marker(x, y);
    piece.x = board.originX + x * pitch;
    piece.y = board.originY + y * pitch;
    board.setMarker(x, y, cellEmpty);
  }
  rotation.cursorX = board.cursorX;
  rotation.cursorY = board.cursorY;
  rotation.counterClockwise = counterClockwise;
  rotation.rotating = true;
  rotation.animFrame = 0;
  return RotationStart::Started;
}

void stepRotation(Game& game) {
  Rotation& rotation = game.rotation;
  if (!rotation.rotating) return;
  const auto& steps = rotation.counterClockwise ? kCounterClockwiseSteps : kClockwiseSteps;
  for (size_t k = 0; k < kRingSize; ++k) {
    rotation.pieces[k].x += steps[k].dx;
    rotation.pieces[k].y += steps[k].dy;
  }
  if (++rotation.animFrame >= kRotationFrames) commitRotation(game);
}

void finishRotation(Game& game) {
  if (game.rotation.rotating) commitRotation(game);
}

Completion checkCompletion(Game& game) {
  Board& board = game.board;
  if (board.isSetUp() && !game.rotation.rotating && isSolved(board)) {
    // Every redraw of a finished game counts on; the count stops at the top.
    if (board.levelIndex < std::numeric_limits<int32_t>::max()) ++board.levelIndex;
    if (board.levelIndex > kLastLevelIndex) {
      game.gameOver = true;
      return {GameStatus::GameOver, "Game Over"};
    }
    LevelTable::loadLevel(board, board.levelIndex);
    return {GameStatus::LevelComplete, "Level Complete"};
  }
  return {GameStatus::Playing, "Level " + std::to_string(int64_t{board.levelIndex} + 1) + " or 72"};
}

void restartLevel(Game& game) {
  if (!game.board.isSetUp()) return;
  if (!LevelTable::loadLevel(game.board, game.board.levelIndex)) return;
  game.rotation.rotating = false;
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
  if (const auto cursorMove = cursorMoveOf(move)) return moveCursor(game.board, *cursorMove);
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
