#include <gtest/gtest.h>

#include <array>

#include "game/LevelData.h"
#include "game/LevelTable.h"
#include "game/Rules.h"

namespace bt {
namespace {

struct Cell {
  int x, y;
};

// Level 1 with distinct contents in the ring around the first cursor (4, 3),
// listed in ring order, and a colour on each centre cell.
constexpr std::array<Cell, kRingSize> kLevelOneRing = {
    {{4, 3}, {3, 4}, {3, 5}, {4, 6}, {5, 6}, {6, 5}, {6, 4}, {5, 3}}};
constexpr std::array<uint8_t, kRingSize> kRingColours = {0, 1, 2, 3, cellEmpty, 3, 2, 1};
constexpr std::array<Cell, 4> kLevelOneCentre = {{{4, 4}, {5, 4}, {4, 5}, {5, 5}}};

Game levelOneWithRing() {
  Game game;
  startNewGame(game);
  for (size_t k = 0; k < kRingSize; ++k) {
    game.board.setMarker(kLevelOneRing[k].x, kLevelOneRing[k].y, kRingColours[k]);
  }
  for (size_t k = 0; k < kLevelOneCentre.size(); ++k) {
    game.board.setMarker(kLevelOneCentre[k].x, kLevelOneCentre[k].y, static_cast<uint8_t>(k));
  }
  return game;
}

void runRotation(Game& game) {
  for (int frame = 0; frame < kRotationFrames; ++frame) stepRotation(game);
}

TEST(RulesTest, RotationCarriesEachRingMarkerOneStepAndKeepsTheCentre) {
  for (bool counterClockwise : {true, false}) {
    SCOPED_TRACE(counterClockwise ? "counter-clockwise" : "clockwise");
    Game game = levelOneWithRing();
    const Board before = game.board;
    ASSERT_EQ(startRotation(game, counterClockwise), RotationStart::Started);
    for (const Cell& cell : kLevelOneRing) EXPECT_EQ(game.board.marker(cell.x, cell.y), cellEmpty);
    runRotation(game);
    EXPECT_FALSE(game.rotation.rotating);
    const int shift = counterClockwise ? 1 : kRingSize - 1;
    for (size_t k = 0; k < kRingSize; ++k) {
      const Cell to = kLevelOneRing[(k + shift) % kRingSize];
      EXPECT_EQ(game.board.marker(to.x, to.y), kRingColours[k]) << "from position " << k;
    }
    for (const Cell& cell : kLevelOneCentre) {
      EXPECT_EQ(game.board.marker(cell.x, cell.y), before.marker(cell.x, cell.y));
    }
  }
}

TEST(RulesTest, TurnsThatCancelOrGoFullCircleRestoreTheBoard) {
  const std::string sequences[] = {"<>", "><", "<<<<<<<<", ">>>>>>>>", "RD<>UL", "U>><<D"};
  for (const std::string& moves : sequences) {
    SCOPED_TRACE(moves);
    Game game = levelOneWithRing();
    const auto before = game.board.cells;
    for (char move : moves) ASSERT_TRUE(playMove(game, move));
    EXPECT_EQ(game.board.cells, before);
  }
}

TEST(RulesTest, PiecesSlideForSeventeenFramesTowardsTheNextPosition) {
  for (bool counterClockwise : {true, false}) {
    SCOPED_TRACE(counterClockwise ? "ccw" : "cw");
    Game game = levelOneWithRing();
    startRotation(game, counterClockwise);
    for (size_t k = 0; k < kRingSize; ++k) {
      EXPECT_EQ(game.rotation.pieces[k].colour, kRingColours[k]) << k;
      const size_t next = counterClockwise ? (k + 1) % kRingSize : (k + 7) % kRingSize;
      EXPECT_EQ(nextRingPosition(game.rotation, k), next) << k;
    }
    for (int frame = 1; frame < kRotationFrames; ++frame) stepRotation(game);
    EXPECT_TRUE(game.rotation.rotating);
    EXPECT_EQ(game.rotation.animFrame, kRotationFrames - 1);
    stepRotation(game);
    EXPECT_FALSE(game.rotation.rotating);
    EXPECT_EQ(game.rotation.animFrame, kRotationFrames) << "the last frame stays for drawing";
    stepRotation(game);
    EXPECT_EQ(game.rotation.animFrame, kRotationFrames);
  }
}

TEST(RulesTest, CursorStaysWhereTheRingFitsTheBoard) {
  struct Case {
    uint8_t side;
    uint8_t x, y;
    Move move;
    bool accepted;
  };
  const Case cases[] = {
      {10, 1, 3, Move::Left, false}, {10, 2, 3, Move::Left, true}, {10, 7, 3, Move::Right, false},
      {10, 6, 3, Move::Right, true}, {10, 4, 0, Move::Up, false},  {10, 4, 1, Move::Up, true},
      {10, 4, 6, Move::Down, false}, {10, 4, 5, Move::Down, true}, {5, 2, 0, Move::Right, false},
      {5, 1, 0, Move::Right, true},  {5, 1, 1, Move::Down, false}, {5, 1, 0, Move::Down, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("side " + std::to_string(c.side) + " at " + std::to_string(c.x) + "," +
                 std::to_string(c.y) + " move " + std::to_string(static_cast<int>(c.move)));
    Board board;
    resetBoard(board, c.side);
    board.cursorX = c.x;
    board.cursorY = c.y;
    EXPECT_EQ(moveCursor(board, c.move), c.accepted);
    const int dx = c.move == Move::Left ? -1 : c.move == Move::Right ? 1 : 0;
    const int dy = c.move == Move::Up ? -1 : c.move == Move::Down ? 1 : 0;
    EXPECT_EQ(board.cursorX, c.x + (c.accepted ? dx : 0));
    EXPECT_EQ(board.cursorY, c.y + (c.accepted ? dy : 0));
  }
  // Walking far in every direction, a side-5 cursor only reaches columns 1
  // and 2, rows 0 and 1.
  Board board;
  resetBoard(board, 5);
  for (Move move : {Move::Left, Move::Up, Move::Right, Move::Down}) {
    for (int i = 0; i < 12; ++i) moveCursor(board, move);
    EXPECT_GE(board.cursorX, 1);
    EXPECT_LE(board.cursorX, 2);
    EXPECT_LE(board.cursorY, 1);
  }
  EXPECT_EQ(board.cursorX, 2);
  EXPECT_EQ(board.cursorY, 1);
}

TEST(RulesTest, SecondRotationIsRefusedUntilTheFirstCommits) {
  Game game = levelOneWithRing();
  ASSERT_EQ(startRotation(game, true), RotationStart::Started);
  stepRotation(game);
  const Rotation running = game.rotation;
  EXPECT_EQ(startRotation(game, false), RotationStart::Refused);
  EXPECT_TRUE(game.rotation.counterClockwise);
  EXPECT_EQ(game.rotation.animFrame, running.animFrame);
  for (int frame = 1; frame < kRotationFrames; ++frame) stepRotation(game);
  EXPECT_EQ(startRotation(game, false), RotationStart::Started);
}

TEST(RulesTest, CompletionIsReportedOnlyAfterTheCommit) {
  Game game;
  startNewGame(game);
  const std::string_view solution = levelSolutions()[0];
  for (char move : solution.substr(0, solution.size() - 1)) ASSERT_TRUE(playMove(game, move));
  EXPECT_EQ(checkCompletion(game), GameStatus::Playing);
  ASSERT_EQ(startRotation(game, solution.back() == '<'), RotationStart::Started);
  for (int frame = 0; frame < kRotationFrames - 1; ++frame) {
    stepRotation(game);
    EXPECT_EQ(checkCompletion(game), GameStatus::Playing);
    EXPECT_EQ(game.board.levelIndex, 0);
  }
  stepRotation(game);
  EXPECT_EQ(checkCompletion(game), GameStatus::LevelComplete);
  EXPECT_EQ(game.board.levelIndex, 1);
  Board levelTwo;
  LevelTable::loadLevel(levelTwo, 1);
  EXPECT_EQ(game.board.cells, levelTwo.cells);
  EXPECT_EQ(checkCompletion(game), GameStatus::Playing);
  EXPECT_EQ(game.board.levelIndex, 1);
}

// A solved board on the last level: the game ends, stays ended and refuses
// rotations.
TEST(RulesTest, SolvingTheLastLevelEndsTheGame) {
  Game game;
  resetBoard(game.board, 7);
  placeMarker(game.board, 3, 3, 3);
  placeTile(game.board, 3, 3, 3);
  game.board.levelIndex = kLastLevelIndex;
  EXPECT_EQ(checkCompletion(game), GameStatus::GameOver);
  EXPECT_TRUE(game.gameOver);
  EXPECT_EQ(game.board.levelIndex, 72);
  const auto cells = game.board.cells;
  EXPECT_EQ(startRotation(game, true), RotationStart::Ignored);
  restartLevel(game);
  EXPECT_EQ(game.board.cells, cells);
  EXPECT_TRUE(moveCursor(game.board, Move::Up));
  EXPECT_EQ(checkCompletion(game), GameStatus::GameOver);
  EXPECT_EQ(game.board.levelIndex, 73);

  game.board.levelIndex = INT32_MAX;  // the count stops at the top
  EXPECT_EQ(checkCompletion(game), GameStatus::GameOver);
  EXPECT_EQ(game.board.levelIndex, INT32_MAX);
}

// A board of no built-in level (a puzzle of the endless mode): its own
// start, no next level; a solve ends it and keeps its moves and the solved
// board, a restart (also once solved) sets its start up again, and a
// built-in level afterwards forgets it.
TEST(RulesTest, ABoardOfItsOwnIsPlayedFromItsStartAndEndsWhenSolved) {
  // A marker on the ring of the first cursor, one clockwise step from its
  // tile.
  const auto level = std::make_shared<const Level>(Level{5, {{2, 1, 1}}, {{3, 1, 1}}});
  Board start;
  ASSERT_TRUE(setUpBoard(start, *level));
  Game game;
  EXPECT_FALSE(startBoard(game, std::make_shared<const Level>()));
  EXPECT_FALSE(game.level);
  ASSERT_TRUE(startBoard(game, level));
  EXPECT_EQ(game.board.levelIndex, kNoLevelIndex);
  EXPECT_EQ(game.board.cells, start.cells);

  ASSERT_TRUE(playMove(game, '<'));
  EXPECT_EQ(checkSolved(game), GameStatus::Playing);
  restartLevel(game);
  EXPECT_EQ(game.board.cells, start.cells);
  EXPECT_EQ(game.moves, "");

  ASSERT_TRUE(playMove(game, 'D'));
  ASSERT_TRUE(playMove(game, 'U'));
  ASSERT_TRUE(playMove(game, '>'));
  const Board solved = game.board;
  EXPECT_EQ(checkSolved(game), GameStatus::Solved);
  EXPECT_TRUE(game.gameOver);
  EXPECT_EQ(game.lastSolved.levelIndex, kNoLevelIndex);
  EXPECT_EQ(game.lastSolved.moves, "DU>");
  EXPECT_EQ(game.lastSolved.board.cells, solved.cells);
  EXPECT_EQ(checkSolved(game), GameStatus::Solved);  // and stays so
  EXPECT_EQ(game.lastSolved.moves, "DU>");
  EXPECT_EQ(startRotation(game, true), RotationStart::Ignored);

  restartLevel(game);
  EXPECT_FALSE(game.gameOver);
  EXPECT_EQ(game.board.cells, start.cells);
  EXPECT_EQ(checkSolved(game), GameStatus::Playing);
  ASSERT_TRUE(playMove(game, '>'));
  EXPECT_EQ(checkSolved(game), GameStatus::Solved);
  EXPECT_EQ(game.lastSolved.moves, ">");

  startLevel(game, 0);
  EXPECT_EQ(game.level, builtInLevel(0));
  EXPECT_FALSE(game.gameOver);
  EXPECT_EQ(game.board.levelIndex, 0);
}

// Input during a rotation: the board ends with every marker exactly once.
TEST(RulesTest, InputDuringARotation) {
  // A cursor move: the pieces land in the ring they were lifted from.
  {
    Game moved = levelOneWithRing();
    Game still = levelOneWithRing();
    startRotation(moved, true);
    startRotation(still, true);
    stepRotation(moved);
    ASSERT_TRUE(moveCursor(moved.board, Move::Right));
    ASSERT_TRUE(moveCursor(moved.board, Move::Down));
    runRotation(still);
    for (int frame = 1; frame < kRotationFrames; ++frame) stepRotation(moved);
    EXPECT_EQ(moved.board.cells, still.board.cells);
    EXPECT_EQ(moved.board.cursorX, 5);
  }
  // A restart: the lifted pieces are dropped and the level set up afresh.
  {
    Game game;
    startNewGame(game);
    playMove(game, 'U');
    startRotation(game, false);
    stepRotation(game);
    restartLevel(game);
    EXPECT_FALSE(game.rotation.rotating);
    Game fresh;
    startNewGame(fresh);
    EXPECT_EQ(game.board.cells, fresh.board.cells);
    EXPECT_EQ(game.board.cursorY, fresh.board.cursorY);
    stepRotation(game);  // nothing runs any more
    EXPECT_EQ(game.board.cells, fresh.board.cells);
  }
  // Leaving: the rotation is committed at once, as its last frame would.
  {
    Game left = levelOneWithRing();
    Game played = levelOneWithRing();
    startRotation(left, false);
    startRotation(played, false);
    stepRotation(left);
    moveCursor(left.board, Move::Left);
    finishRotation(left);
    runRotation(played);
    EXPECT_FALSE(left.rotation.rotating);
    EXPECT_EQ(left.board.cells, played.board.cells);
  }
}

TEST(RulesTest, ABoardNeverSetUpIsNotPlayed) {
  Game game;
  const auto cells = game.board.cells;
  EXPECT_EQ(startRotation(game, true), RotationStart::Ignored);
  for (Move move : {Move::Up, Move::Down, Move::Left, Move::Right}) {
    EXPECT_FALSE(moveCursor(game.board, move));
  }
  restartLevel(game);
  stepRotation(game);
  EXPECT_EQ(checkCompletion(game), GameStatus::Playing);
  EXPECT_FALSE(game.board.isSetUp());
  EXPECT_EQ(game.board.cells, cells);
}

}  // namespace
}  // namespace bt
