#include "game/SavedGame.h"

#include <algorithm>

namespace bt {

namespace {

bool isColour(uint8_t value) {
  return value < kColourCount;
}

// Both layers of every cell as resetBoard lays them out for the side, with
// colours only where the playing area allows them, and matching counts.
bool cellsKeepInvariants(const SavedGame& game) {
  Board board;
  board.cells = game.cells;
  const int n = game.side;
  std::array<int, kColourCount> balance{};
  for (int y = 0; y < kBoardColumns; ++y) {
    for (int x = 0; x < kBoardColumns; ++x) {
      const uint8_t tile = board.tile(x, y);
      const uint8_t marker = board.marker(x, y);
      const bool inside = x < n && y < n;
      const bool corner = (x == 0 || x == n - 1) && (y == 0 || y == n - 1);
      if (!inside) {
        if (tile != cellOutside || marker != cellOutside) return false;
      } else if (corner) {
        if (tile != cellEmpty || marker != cellOutside) return false;
      } else {
        if (tile != cellEmpty && !isColour(tile)) return false;
        if (marker != cellEmpty && !isColour(marker)) return false;
        if (isColour(tile)) ++balance[tile];
        if (isColour(marker)) --balance[marker];
      }
    }
  }
  return std::all_of(balance.begin(), balance.end(), [](int count) { return count == 0; });
}

}  // namespace

std::array<uint8_t, kSavedGameBytes> encodeSavedGame(const Board& board) {
  std::array<uint8_t, kSavedGameBytes> bytes{};
  const auto level = static_cast<uint32_t>(board.levelIndex);
  for (size_t i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(level >> (8 * i));
  bytes[4] = board.side;
  std::copy(board.cells.begin(), board.cells.end(), bytes.begin() + 5);
  return bytes;
}

std::optional<SavedGame> decodeSavedGame(std::span<const uint8_t> bytes) {
  if (bytes.size() != kSavedGameBytes) return std::nullopt;
  SavedGame game;
  uint32_t level = 0;
  for (size_t i = 0; i < 4; ++i) level |= static_cast<uint32_t>(bytes[i]) << (8 * i);
  game.levelIndex = static_cast<int32_t>(level);
  game.side = bytes[4];
  std::copy(bytes.begin() + 5, bytes.end(), game.cells.begin());
  if (game.levelIndex < 0 || game.side < kMinSide || game.side > kMaxSide) return std::nullopt;
  if (!cellsKeepInvariants(game)) return std::nullopt;
  if (game.levelIndex > kLastLevelIndex) {
    Board board;
    board.side = game.side;
    board.cells = game.cells;
    if (!isSolved(board)) return std::nullopt;
  }
  return game;
}

void restoreSavedGame(Game& game, const SavedGame& saved) {
  Board& board = game.board;
  board.levelIndex = saved.levelIndex;
  board.side = saved.side;
  board.cells = saved.cells;
  placeCursor(board);
  game.rotation = Rotation{};
  game.gameOver = saved.levelIndex > kLastLevelIndex;
  game.moves.clear();
  game.lastSolved = SolvedLevel{};
  game.level = builtInLevel(saved.levelIndex);
}

}  // namespace bt
