#pragma once
// A compact model of the puzzle for searching: the tiles of a level, and a
// position (the markers and the cursor) that rotations change. It takes the
// ring, the cursor's start and bounds and the move letters from game/Ring.h
// and numbers cells as the game does (column x and row y from 0, cell
// 10 y + x), so that a move string found here plays the same in the game.
// The level must be playable (isPlayable).
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "game/Level.h"
#include "game/Ring.h"

namespace bt::puzzle {

inline constexpr int kCells = kMaxSide * kMaxSide;
inline constexpr int kColours = kColourCount;
inline constexpr uint8_t kNone = 0xFF;  // no tile or no marker on a cell

inline int cellIndex(int x, int y) {
  return y * kMaxSide + x;
}

struct Position {
  std::array<uint8_t, kCells> markers{};  // colour 0..3 or kNone
  int cursorX = 0;
  int cursorY = 0;
  friend bool operator==(const Position&, const Position&) = default;
};

class PuzzleBoard {
 public:
  explicit PuzzleBoard(const Level& level);

  int side() const { return side_; }
  // Cells of the n x n square less its four corners.
  bool inPlay(int x, int y) const;
  uint8_t tile(int cell) const { return tiles_[cell]; }
  // The markers of the level and the cursor in the middle of the board.
  const Position& start() const { return start_; }
  bool solved(const Position& position) const;

  int minCursorX() const { return bt::minCursorX(side_); }
  int maxCursorX() const { return bt::maxCursorX(side_); }
  int minCursorY() const { return bt::minCursorY(side_); }
  int maxCursorY() const { return bt::maxCursorY(side_); }

  // One letter of a move string; false (and no change) when the cursor
  // bound refuses the move or the letter is unknown.
  bool apply(Position& position, char move) const;
  // Plays a whole move string; false when any move is refused.
  bool play(Position& position, std::string_view moves) const;
  // Searches, polishing and solution lengths then start from `position`
  // instead of the level's own start.
  void setStart(const Position& position) { start_ = position; }

 private:
  int side_;
  std::array<uint8_t, kCells> tiles_{};
  Position start_;
};

// Turns the ring at the position's cursor one step.
void rotateRing(Position& position, bool counterClockwise);

}  // namespace bt::puzzle
