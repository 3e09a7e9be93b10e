#pragma once
// A compact model of the puzzle for searching: the tiles of a level, and a
// position (the markers and the cursor) that rotations change. It keeps the
// rules' cell numbering (column x and row y from 0, cell 10 y + x), ring
// order and cursor bounds, so that a move string found here plays the same
// in the game.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "game/LevelData.h"

namespace bt::puzzle {

inline constexpr int kMaxSide = 10;
inline constexpr int kCells = kMaxSide * kMaxSide;
inline constexpr int kColours = 4;
inline constexpr uint8_t kNone = 0xFF;  // no tile or no marker on a cell

// The ring's eight cells as offsets from the cursor, in ring order; going up
// the positions runs counter-clockwise on screen.
inline constexpr std::array<std::array<int, 2>, 8> kRingOffsets = {
    {{0, 0}, {-1, 1}, {-1, 2}, {0, 3}, {1, 3}, {2, 2}, {2, 1}, {1, 0}}};

// The letters of a move string: cursor up, down, left, right, and a
// counter-clockwise ('<') or clockwise ('>') turn of the ring.
inline constexpr char kUp = 'U', kDown = 'D', kLeft = 'L', kRight = 'R';
inline constexpr char kTurnLeft = '<', kTurnRight = '>';

inline int cellIndex(int x, int y) {
  return y * kMaxSide + x;
}

// One tile or marker as the level table lists it: column and row from 1,
// colour from 1 to 4.
struct Piece {
  int column = 0;
  int row = 0;
  int colour = 0;
  friend bool operator==(const Piece&, const Piece&) = default;
};

struct Level {
  int side = 0;
  std::vector<Piece> markers;
  std::vector<Piece> tiles;
};

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

  // Cursor bounds: columns 1 to n - 3, rows 0 to n - 4.
  int minCursorX() const { return 1; }
  int maxCursorX() const { return side_ - 3; }
  int minCursorY() const { return 0; }
  int maxCursorY() const { return side_ - 4; }

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

// A built-in level as the search sees it.
Level levelOf(const LevelData& data);

// The cursor a board of this side starts with.
inline int initialCursorX(int side) {
  return side / 2 - 1;
}
inline int initialCursorY(int side) {
  return side / 2 - 2;
}

// Turns the ring at the position's cursor one step.
void rotateRing(Position& position, bool counterClockwise);

}  // namespace bt::puzzle
