#pragma once
// The playing field of one level: a square of 5 to 10 cells per side in the
// top-left corner of a 10 x 10 array, its four corner cells cut away. Each
// cell holds a tile layer and a marker layer, colours 0 to 3 inside the board.
// The 200 bytes of cells are stored in "save.dat" exactly as they stand.
#include <array>
#include <cstddef>
#include <cstdint>

namespace bt {

inline constexpr int kBoardColumns = 10;  // the array is always 10 x 10 cells
inline constexpr int kMinSide = 5;
inline constexpr int kMaxSide = 10;
inline constexpr size_t kCellBytes = 2 * kBoardColumns * kBoardColumns;
inline constexpr int kColourCount = 4;

// Cell values besides the colours 0 to 3.
inline constexpr uint8_t cellEmpty = 127;    // no tile / no marker
inline constexpr uint8_t cellOutside = 255;  // not part of the playing area

struct Board {
  // Cell (x, y): tile layer at 2 * (10 * y + x), marker layer the byte after.
  std::array<uint8_t, kCellBytes> cells = emptyCells();
  uint8_t side = 0;  // 0 until a level or a saved game sets the board up
  uint8_t cursorX = 0;
  uint8_t cursorY = 0;
  int32_t levelIndex = 0;

  uint8_t tile(int x, int y) const { return cells[index(x, y)]; }
  uint8_t marker(int x, int y) const { return cells[index(x, y) + 1]; }
  void setTile(int x, int y, uint8_t value) { cells[index(x, y)] = value; }
  void setMarker(int x, int y, uint8_t value) { cells[index(x, y) + 1] = value; }
  // True once a level or a saved game has given the board a side of 5 to 10.
  bool isSetUp() const { return side >= kMinSide && side <= kMaxSide; }

  static size_t index(int x, int y) { return static_cast<size_t>(2 * (kBoardColumns * y + x)); }
  static std::array<uint8_t, kCellBytes> emptyCells() {
    std::array<uint8_t, kCellBytes> cells;
    cells.fill(cellEmpty);
    return cells;
  }
};

// Makes the board an empty playing area of side n (5 to 10; any other side
// is refused and changes nothing) and places the cursor.
void resetBoard(Board& board, uint8_t side);
// Puts the cursor where its ring lies in the middle of the board.
void placeCursor(Board& board);
// Column and row from 1, colour 1 to 4; a place outside 1..10 or another
// colour is ignored.
void placeMarker(Board& board, int column, int row, int colour);
void placeTile(Board& board, int column, int row, int colour);

// Every marker stands on a tile of its own colour (cells of the n x n square
// only; empty cells and uncovered tiles do not matter).
bool isSolved(const Board& board);

}  // namespace bt
