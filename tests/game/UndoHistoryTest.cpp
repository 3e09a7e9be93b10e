#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "game/LevelData.h"
#include "game/LevelTable.h"
#include "game/UndoHistory.h"

namespace bt {
namespace {

// Random cursor moves and rotations on several levels: undoing them all
// gives each earlier board back exactly, one per undo, to the level's start.
TEST(UndoHistoryTest, UndoingEveryRotationRestoresEachEarlierBoard) {
  std::mt19937 random(12);
  const auto levels = static_cast<int32_t>(builtInLevels().size());
  for (int32_t level = 0; level < levels; level += 5) {
    SCOPED_TRACE(level);
    Game game;
    game.board.levelIndex = level;
    ASSERT_TRUE(LevelTable::loadLevel(game.board, level));
    UndoHistory history;
    std::vector<Board> boards;
    for (int step = 0; step < 300; ++step) {
      moveCursor(game.board, static_cast<Move>(random() % 4));
      const Board before = game.board;
      if (startRotation(game, random() % 2 == 0) != RotationStart::Started) continue;
      history.record(game);
      boards.push_back(before);
      for (int frame = 0; frame < kRotationFrames; ++frame) stepRotation(game);
      if (isSolved(game.board)) break;
    }
    ASSERT_EQ(history.size(), boards.size());
    while (!boards.empty()) {
      ASSERT_TRUE(history.undo(game));
      EXPECT_EQ(game.board.cells, boards.back().cells);
      EXPECT_EQ(game.board.cursorX, boards.back().cursorX);
      EXPECT_EQ(game.board.cursorY, boards.back().cursorY);
      boards.pop_back();
    }
    EXPECT_FALSE(history.undo(game));
  }
}

// Random rotations and restarts: undoing every step gives each earlier
// position back, one per undo; redoing them all gives each later one back,
// to where play stopped.
TEST(UndoHistoryTest, UndoAndRedoWalkThroughRotationsAndRestarts) {
  std::mt19937 random(7);
  for (int32_t level : {0, 9, 40}) {
    SCOPED_TRACE(level);
    Game game;
    game.board.levelIndex = level;
    ASSERT_TRUE(LevelTable::loadLevel(game.board, level));
    UndoHistory history;
    std::vector<Board> positions{game.board};
    for (int step = 0; step < 200; ++step) {
      moveCursor(game.board, static_cast<Move>(random() % 4));
      if (random() % 9 == 0) {
        const size_t steps = history.size();
        history.recordRestart(game);
        restartLevel(game);
        // A restart at the level's start is no step.
        if (history.size() == steps) continue;
      } else {
        if (startRotation(game, random() % 2 == 0) != RotationStart::Started) continue;
        history.record(game);
        finishRotation(game);
        if (isSolved(game.board)) break;
      }
      positions.push_back(game.board);
    }
    ASSERT_EQ(history.size() + 1, positions.size());
    for (size_t k = positions.size() - 1; k-- > 0;) {
      ASSERT_TRUE(history.undo(game)) << k;
      EXPECT_EQ(game.board.cells, positions[k].cells) << k;
    }
    EXPECT_FALSE(history.undo(game));
    EXPECT_EQ(history.redoable(), positions.size() - 1);
    for (size_t k = 1; k < positions.size(); ++k) {
      ASSERT_TRUE(history.redo(game)) << k;
      EXPECT_EQ(game.board.cells, positions[k].cells) << k;
    }
    EXPECT_FALSE(history.redo(game));
  }
}

// A restart's undo gives back the cursor as well; a restart while a ring
// turns gives back the board with that turn made.
TEST(UndoHistoryTest, ARestartIsUndoneToTheBoardItReplaced) {
  Game game;
  startNewGame(game);
  UndoHistory history;
  moveCursor(game.board, Move::Up);
  ASSERT_EQ(startRotation(game, true), RotationStart::Started);
  history.record(game);
  Game turned = game;
  finishRotation(turned);
  stepRotation(game);  // mid-turn
  ASSERT_TRUE(game.rotation.rotating);
  history.recordRestart(game);
  restartLevel(game);
  EXPECT_FALSE(game.rotation.rotating);
  ASSERT_EQ(history.size(), 2u);
  ASSERT_TRUE(history.undo(game));
  EXPECT_EQ(game.board.cells, turned.board.cells);
  EXPECT_EQ(game.board.cursorX, turned.board.cursorX);
  EXPECT_EQ(game.board.cursorY, turned.board.cursorY);
  ASSERT_TRUE(history.redo(game));
  Game start;
  startNewGame(start);
  EXPECT_EQ(game.board.cells, start.board.cells);
}

// Plays the moves of level 1's solution until `rotations` rotations are
// made, noting each in history.
void playLevelOne(Game& game, UndoHistory& history, int rotations) {
  startNewGame(game);
  for (char move : levelSolutions()[0]) {
    if (move != '<' && move != '>') {
      playMove(game, move);
      continue;
    }
    if (rotations-- == 0) return;
    ASSERT_EQ(startRotation(game, move == '<'), RotationStart::Started);
    history.record(game);
    finishRotation(game);
  }
}

// What was undone can be redone until a new step is made: cursor moves and a
// restart that changes nothing keep it; a rotation or a restart ends it.
TEST(UndoHistoryTest, ANewStepEndsRedo) {
  struct Case {
    const char* what;
    bool rotate;
    bool restart;
    bool redoKept;
  };
  const Case cases[] = {
      {"cursor moves", false, false, true},
      {"a new rotation", true, false, false},
      {"a restart", false, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Game game;
    UndoHistory history;
    playLevelOne(game, history, 2);
    ASSERT_TRUE(history.undo(game));
    moveCursor(game.board, Move::Down);
    if (c.rotate) {
      ASSERT_EQ(startRotation(game, true), RotationStart::Started);
      history.record(game);
      finishRotation(game);
    }
    if (c.restart) {
      history.recordRestart(game);
      restartLevel(game);
    }
    EXPECT_EQ(history.redoable(), c.redoKept ? 1u : 0u);
    EXPECT_EQ(history.redo(game), c.redoKept);
  }
  // Back at the level's start with something to redo, a restart changes
  // nothing and is no step.
  Game game;
  UndoHistory history;
  playLevelOne(game, history, 1);
  ASSERT_TRUE(history.undo(game));
  Game start;
  startNewGame(start);
  ASSERT_EQ(game.board.cells, start.board.cells);
  game.board.cursorX = start.board.cursorX;
  game.board.cursorY = start.board.cursorY;
  history.recordRestart(game);
  restartLevel(game);
  EXPECT_EQ(history.size(), 0u);
  EXPECT_TRUE(history.redo(game));
}

// The history belongs to one level: on another, even the same board, it is
// gone.
TEST(UndoHistoryTest, ForgetsALevelThatIsNoLongerPlayed) {
  Game game;
  startNewGame(game);
  UndoHistory history;
  ASSERT_EQ(startRotation(game, true), RotationStart::Started);
  history.record(game);
  finishRotation(game);
  game.board.levelIndex = 1;
  EXPECT_FALSE(history.undo(game));
  game.board.levelIndex = 0;
  EXPECT_FALSE(history.undo(game));
  EXPECT_FALSE(history.redo(game));
  EXPECT_EQ(history.size(), 0u);
}

}  // namespace
}  // namespace bt
