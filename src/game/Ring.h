#pragma once
// The geometry every model of the board shares: the ring of eight cells a
// turn moves, where the cursor starts on a board and how far it may go, and
// the letters a recorded play is written in. The game's Board, the search's
// PuzzleBoard and every replay take these from here, so that a move string
// found by one plays the same in all.
#include <array>
#include <cstddef>

namespace bt {

inline constexpr int kRingSize = 8;

struct RingOffset {
  int dx, dy;
};
// The ring's cells relative to the cursor, position 0 to 7, running
// counter-clockwise on screen from the top edge's left cell. Neighbours
// differ by at most one cell on each axis.
inline constexpr std::array<RingOffset, kRingSize> kRingOffsets = {
    {{0, 0}, {-1, 1}, {-1, 2}, {0, 3}, {1, 3}, {2, 2}, {2, 1}, {1, 0}}};

// The ring position a marker at position k reaches in one turn:
// counter-clockwise carries it to k + 1, clockwise to k - 1.
inline constexpr size_t nextRingPosition(size_t k, bool counterClockwise) {
  return (k + (counterClockwise ? 1 : kRingSize - 1)) % kRingSize;
}

// The cursor a board of side n starts with: its ring in the middle.
inline constexpr int startCursorX(int side) {
  return side / 2 - 1;
}
inline constexpr int startCursorY(int side) {
  return side / 2 - 2;
}

// The cursor's places on a board of side n: columns 1 to n - 3, rows 0 to
// n - 4, so that the ring always lies inside the square and never covers a
// cut corner.
inline constexpr int minCursorX(int) {
  return 1;
}
inline constexpr int maxCursorX(int side) {
  return side - 3;
}
inline constexpr int minCursorY(int) {
  return 0;
}
inline constexpr int maxCursorY(int side) {
  return side - 4;
}

// The letters of a recorded play: cursor up, down, left, right, and a
// counter-clockwise ('<', "Rotate Left") or clockwise ('>') turn.
inline constexpr char kUp = 'U', kDown = 'D', kLeft = 'L', kRight = 'R';
inline constexpr char kTurnLeft = '<', kTurnRight = '>';

inline constexpr bool isMoveLetter(char c) {
  return c == kUp || c == kDown || c == kLeft || c == kRight || c == kTurnLeft || c == kTurnRight;
}
inline constexpr bool isTurnLetter(char c) {
  return c == kTurnLeft || c == kTurnRight;
}

}  // namespace bt
