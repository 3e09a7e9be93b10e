#pragma once
// The game in progress as the 205 contents bytes of "save.dat": levelIndex
// (32-bit signed, least significant byte first), side, then the board's 200
// cell bytes as they stand. The cursor, a running rotation and the game-over
// state are not kept; the file itself (a stored file) is the caller's.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "game/Board.h"
#include "game/Rules.h"

namespace bt {

inline constexpr size_t kSavedGameBytes = 205;

struct SavedGame {
  int32_t levelIndex = 0;
  uint8_t side = 0;
  std::array<uint8_t, kCellBytes> cells{};
};

std::array<uint8_t, kSavedGameBytes> encodeSavedGame(const Board& board);

// The saved game in bytes when it can be played: exactly 205 bytes, side 5
// to 10, levelIndex not negative, every cell as a reset board of that side
// lays it out with tiles and markers of colours 0 to 3 only inside the
// playing area, as many markers as tiles of each colour, and past the last
// level only a solved board. nullopt for anything else.
std::optional<SavedGame> decodeSavedGame(std::span<const uint8_t> bytes);

// Puts a decoded game on the board: level, side and cells, and the cursor in
// the middle. No rotation runs; gameOver is set at once for a game past the
// last level, so no move reaches its board.
void restoreSavedGame(Game& game, const SavedGame& saved);

}  // namespace bt
