#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "game/LevelTable.h"
#include "game/SavedGame.h"

namespace bt {
namespace {

Board levelBoard(int32_t levelIndex) {
  Board board;
  LevelTable::loadLevel(board, levelIndex);
  board.levelIndex = levelIndex;
  return board;
}

std::vector<uint8_t> bytesOf(const Board& board) {
  const auto bytes = encodeSavedGame(board);
  return {bytes.begin(), bytes.end()};
}

TEST(SavedGameTest, BytesAreLevelSideThenTheCells) {
  Board board = levelBoard(2);
  board.levelIndex = 0x01020304;
  const auto bytes = encodeSavedGame(board);
  EXPECT_EQ(bytes[0], 0x04);
  EXPECT_EQ(bytes[1], 0x03);
  EXPECT_EQ(bytes[2], 0x02);
  EXPECT_EQ(bytes[3], 0x01);
  EXPECT_EQ(bytes[4], 9);
  // Cell (8, 4) holds marker colour 1 (table colour 2) on no tile.
  EXPECT_EQ(bytes[5 + 2 * (10 * 4 + 8)], cellEmpty);
  EXPECT_EQ(bytes[5 + 2 * (10 * 4 + 8) + 1], 1);
  EXPECT_TRUE(std::equal(board.cells.begin(), board.cells.end(), bytes.begin() + 5));
}

TEST(SavedGameTest, ContinuedWithTheCursorInTheMiddle) {
  Board saved = levelBoard(1);
  saved.cursorX = 1;  // not kept: the cursor returns to the middle
  const auto decoded = decodeSavedGame(encodeSavedGame(saved));
  ASSERT_TRUE(decoded.has_value());
  Game game;
  game.rotation.rotating = true;
  restoreSavedGame(game, *decoded);
  EXPECT_EQ(game.board.levelIndex, 1);
  EXPECT_EQ(game.board.cells, saved.cells);
  EXPECT_EQ(game.board.cursorX, 4);
  EXPECT_EQ(game.board.cursorY, 3);
  EXPECT_FALSE(game.rotation.rotating);
  EXPECT_FALSE(game.gameOver);
}

TEST(SavedGameTest, AFinishedGameContinuesAsOver) {
  Board board;
  resetBoard(board, 7);
  placeMarker(board, 3, 3, 3);
  placeTile(board, 3, 3, 3);
  board.levelIndex = 75;
  const auto decoded = decodeSavedGame(encodeSavedGame(board));
  ASSERT_TRUE(decoded.has_value());
  Game game;
  restoreSavedGame(game, *decoded);
  EXPECT_TRUE(game.gameOver);
  EXPECT_EQ(startRotation(game, true), RotationStart::Ignored);
  EXPECT_EQ(checkCompletion(game), GameStatus::GameOver);
}

TEST(SavedGameTest, UnusableBytesAreRefused) {
  using Change = std::function<void(std::vector<uint8_t>&)>;
  auto cell = [](int x, int y) { return size_t{5} + 2 * (10 * y + x); };
  struct Case {
    const char* what;
    Change change;
  };
  const Case cases[] = {
      {"empty", [](auto& b) { b.clear(); }},
      {"short", [](auto& b) { b.pop_back(); }},
      {"longer", [](auto& b) { b.push_back(0); }},
      {"negative level", [](auto& b) { b[3] = 0x80; }},
      {"side 4", [](auto& b) { b[4] = 4; }},
      {"side 11", [](auto& b) { b[4] = 11; }},
      {"side 9 on a side-10 layout", [](auto& b) { b[4] = 9; }},
      {"cell value 4", [&](auto& b) { b[cell(3, 3)] = 4; }},
      {"cell value 128", [&](auto& b) { b[cell(3, 3) + 1] = 128; }},
      {"marker on a cut corner", [&](auto& b) { b[cell(9, 0) + 1] = 0; }},
      {"tile on a cut corner", [&](auto& b) { b[cell(0, 9)] = 0; }},
      {"corner opened", [&](auto& b) { b[cell(0, 0) + 1] = cellEmpty; }},
      {"empty cell inside marked outside", [&](auto& b) { b[cell(3, 3)] = cellOutside; }},
      {"one marker more", [&](auto& b) { b[cell(8, 8) + 1] = 2; }},
      {"a marker changes colour", [&](auto& b) { b[cell(1, 1) + 1] = 3; }},
      {"past the last level unsolved", [](auto& b) { b[0] = 72; }},
  };
  const std::vector<uint8_t> good = bytesOf(levelBoard(0));
  ASSERT_TRUE(decodeSavedGame(good).has_value());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<uint8_t> bytes = good;
    c.change(bytes);
    EXPECT_FALSE(decodeSavedGame(bytes).has_value());
  }

  // A side-5 board with a playing-area cell outside its square.
  Board small = levelBoard(0);
  resetBoard(small, 5);
  std::vector<uint8_t> bytes = bytesOf(small);
  ASSERT_TRUE(decodeSavedGame(bytes).has_value());
  bytes[cell(6, 2)] = cellEmpty;
  EXPECT_FALSE(decodeSavedGame(bytes).has_value());
}

}  // namespace
}  // namespace bt
