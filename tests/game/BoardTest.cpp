#include <gtest/gtest.h>

#include "game/Board.h"
#include "game/LevelTable.h"

namespace bt {
namespace {

// Each cell of a reset board against the layout it must have.
void expectResetLayout(const Board& board, int n) {
  for (int y = 0; y < kBoardColumns; ++y) {
    for (int x = 0; x < kBoardColumns; ++x) {
      SCOPED_TRACE("cell " + std::to_string(x) + "," + std::to_string(y));
      const bool inside = x < n && y < n;
      const bool corner = (x == 0 || x == n - 1) && (y == 0 || y == n - 1);
      EXPECT_EQ(board.tile(x, y), inside ? cellEmpty : cellOutside);
      EXPECT_EQ(board.marker(x, y), inside && !corner ? cellEmpty : cellOutside);
    }
  }
}

TEST(BoardTest, ResetLaysOutTheSquareItsCornersAndTheCursor) {
  struct Case {
    uint8_t side;
    uint8_t cursorX, cursorY;
  };
  const Case cases[] = {{5, 1, 0}, {6, 2, 1}, {7, 2, 1}, {8, 3, 2}, {9, 3, 2}, {10, 4, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE("side " + std::to_string(c.side));
    Board board;
    board.cells.fill(7);  // every byte must be written
    resetBoard(board, c.side);
    expectResetLayout(board, c.side);
    EXPECT_EQ(board.cursorX, c.cursorX);
    EXPECT_EQ(board.cursorY, c.cursorY);
  }
}

TEST(BoardTest, ResetRefusesSidesOutsideFiveToTen) {
  for (uint8_t side : {0, 4, 11, 255}) {
    SCOPED_TRACE(side);
    Board board;
    resetBoard(board, side);
    EXPECT_FALSE(board.isSetUp());
    EXPECT_EQ(board.cells, Board::emptyCells());
  }
}

TEST(BoardTest, PlacingSetsOneLayerAndIgnoresBadPlaces) {
  Board board;
  resetBoard(board, 10);
  placeMarker(board, 2, 2, 1);
  EXPECT_EQ(board.marker(1, 1), 0);
  EXPECT_EQ(board.tile(1, 1), cellEmpty);
  placeTile(board, 2, 2, 4);
  EXPECT_EQ(board.tile(1, 1), 3);
  EXPECT_EQ(board.marker(1, 1), 0);

  const auto before = board.cells;
  for (auto [column, row, colour] :
       {std::tuple{0, 2, 1}, {11, 2, 1}, {2, 0, 1}, {2, 11, 1}, {2, 2, 0}, {2, 2, 5}}) {
    placeMarker(board, column, row, colour);
    placeTile(board, column, row, colour);
  }
  EXPECT_EQ(board.cells, before);
}

TEST(BoardTest, SolvedOnlyWhenEveryMarkerIsOnItsColour) {
  struct Case {
    const char* what;
    int markerColour, tileColour;  // 0 = none, else 1..4, at cell (3, 3)
    bool solved;
  };
  const Case cases[] = {
      {"marker on its tile", 2, 2, true},
      {"marker on another colour", 2, 3, false},
      {"marker on no tile", 2, 0, false},
      {"tile without a marker", 0, 2, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Board board;
    resetBoard(board, 6);
    placeMarker(board, 2, 2, 1);  // one solved pair beside the case
    placeTile(board, 2, 2, 1);
    if (c.markerColour) placeMarker(board, 3, 3, c.markerColour);
    if (c.tileColour) placeTile(board, 3, 3, c.tileColour);
    EXPECT_EQ(isSolved(board), c.solved);
  }
}

}  // namespace
}  // namespace bt
