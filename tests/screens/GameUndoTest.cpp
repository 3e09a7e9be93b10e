#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "game/LevelData.h"
#include "game/LevelTable.h"
#include "platform/VirtualKeys.h"
#include "screens/GameFixture.h"

namespace bt::test {
namespace {

class GameUndoTest : public GameTest {
 protected:
  // A desktop key as the window sends it, through the window procedure.
  void pressDesktopKey(uint32_t code) {
    platform_.post(platform::keyMessage(platform::kMessageKeyDown, code));
    platform_.post(platform::keyMessage(platform::kMessageKeyUp, code));
    runFrames(1);
  }
  void pressUndo() { pressDesktopKey(platform::kVkUndo); }
};

// The boards of a played prefix of level 1's solution: before each rotation,
// with the cursor on that rotation's ring, and at the end.
struct Replay {
  std::vector<Board> beforeRotation;
  Board last;
};

Replay replay(std::string_view moves) {
  Replay result;
  Game game;
  startNewGame(game);
  for (char move : moves) {
    if (move == '<' || move == '>') result.beforeRotation.push_back(game.board);
    playMove(game, move);
  }
  result.last = game.board;
  return result;
}

// The first `rotations` rotations of level 1's solution, with the cursor
// moves between them.
std::string_view levelOnePrefix(size_t rotations) {
  const std::string_view solution = levelSolutions()[0];
  size_t seen = 0;
  for (size_t i = 0; i < solution.size(); ++i) {
    if (solution[i] != '<' && solution[i] != '>') continue;
    if (seen++ == rotations) return solution.substr(0, i);
  }
  return solution;
}

size_t rotationsIn(std::string_view moves) {
  size_t n = 0;
  for (char move : moves) n += (move == '<' || move == '>') ? 1 : 0;
  return n;
}

// Each undo takes one rotation back, to the level's start and no further.
TEST_F(GameUndoTest, TakesRotationsBackOneByOneToTheLevelsStart) {
  const std::string_view solution = levelSolutions()[0];
  const size_t all = rotationsIn(solution) - 1;  // the last one would solve the level
  ASSERT_GE(all, 3u);
  struct Case {
    const char* what;
    size_t rotations;
  };
  const Case cases[] = {
      {"nothing played", 0},
      {"one rotation", 1},
      {"three rotations", 3},
      {"every rotation but the solving one", all},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    app_.reset();
    openGame(ScreenId::NewGame);
    const std::string_view moves = levelOnePrefix(c.rotations);
    const Replay expected = replay(moves);
    playKeys(moves);
    ASSERT_EQ(game().board.cells, expected.last.cells);
    for (size_t k = c.rotations; k-- > 0;) {
      pressUndo();
      const Board& before = expected.beforeRotation[k];
      ASSERT_EQ(game().board.cells, before.cells) << "undo back to rotation " << k;
      EXPECT_EQ(game().board.cursorX, before.cursorX);
      EXPECT_EQ(game().board.cursorY, before.cursorY);
      EXPECT_FALSE(game().rotation.rotating);
    }
    // At the level's start the key changes nothing.
    Board start;
    LevelTable::loadLevel(start, 0);
    const Board atStart = game().board;
    EXPECT_EQ(atStart.cells, start.cells);
    pressUndo();
    EXPECT_EQ(game().board.cells, atStart.cells);
    EXPECT_EQ(game().board.cursorX, atStart.cursorX);
    EXPECT_EQ(game().board.cursorY, atStart.cursorY);
    EXPECT_EQ(screen().statusText(), "Level 1 or 72");
  }
}

// A restart is one more step: undone, the board before it comes back. Redo
// (Ctrl+Y, Shift+U) steps forward again through everything undone, the
// restart included, until a new rotation is made. U is undo as Ctrl+Z is.
TEST_F(GameUndoTest, ARestartIsUndoneAndRedoStepsForwardUntilANewMove) {
  using platform::kVkRedo;
  using platform::letterKey;
  const std::string_view moves = levelOnePrefix(3);
  const Replay expected = replay(moves);
  Board start;
  LevelTable::loadLevel(start, 0);
  struct Case {
    const char* what;
    GameKey restartKey;  // 0: the restart button
  };
  for (const Case& c : {Case{"the restart key", kKeyStar}, Case{"the restart button", 0}}) {
    SCOPED_TRACE(c.what);
    app_.reset();
    openGame(ScreenId::NewGame);
    playKeys(moves);
    press(kKeyDown);
    const Board played = game().board;
    if (c.restartKey != 0) {
      press(c.restartKey);
    } else {
      tap(20, 12);
    }
    ASSERT_EQ(game().board.cells, start.cells);

    pressUndo();
    EXPECT_EQ(game().board.cells, played.cells) << "the restart undone";
    EXPECT_EQ(game().board.cursorX, played.cursorX);
    EXPECT_EQ(game().board.cursorY, played.cursorY);
    for (size_t k = 3; k-- > 0;) {
      pressDesktopKey(letterKey('U'));
      ASSERT_EQ(game().board.cells, expected.beforeRotation[k].cells) << k;
    }
    pressUndo();
    EXPECT_EQ(game().board.cells, start.cells) << "nothing before the level's start";

    // Forward again: the three rotations, each with the cursor on its ring,
    // then the restart, and no further.
    const std::vector<Board> after = {expected.beforeRotation[1], expected.beforeRotation[2],
                                      expected.last};
    for (size_t k = 0; k < 3; ++k) {
      pressDesktopKey(k % 2 == 0 ? kVkRedo : letterKey('U', true));
      ASSERT_EQ(game().board.cells, after[k].cells) << k;
      EXPECT_FALSE(game().rotation.rotating);
    }
    pressDesktopKey(kVkRedo);
    EXPECT_EQ(game().board.cells, start.cells) << "the restart made again";
    pressDesktopKey(kVkRedo);
    EXPECT_EQ(game().board.cells, start.cells);

    // Two steps back, then a new rotation: nothing is left to redo.
    pressUndo();
    pressUndo();
    ASSERT_EQ(game().board.cells, expected.beforeRotation[2].cells);
    press(kKeyAction);
    runFrames(kRotationFrames + 1);
    const Board turned = game().board;
    ASSERT_NE(turned.cells, expected.beforeRotation[2].cells);
    pressDesktopKey(kVkRedo);
    EXPECT_EQ(game().board.cells, turned.cells);
  }
}

TEST_F(GameUndoTest, RefusedWhileTheRingTurnsAndAfterTheLevelIsSolved) {
  openGame(ScreenId::NewGame);
  const std::string_view moves = levelOnePrefix(2);
  playKeys(moves);
  const Board before = game().board;

  // Mid-rotation: refused, and the rotation still ends where it would have.
  Game expected;
  startNewGame(expected);
  for (char move : moves) playMove(expected, move);
  playMove(expected, '<');
  press(kKeyAction);
  runFrames(3);
  ASSERT_TRUE(game().rotation.rotating);
  pressUndo();
  EXPECT_TRUE(game().rotation.rotating);
  runFrames(kRotationFrames);
  EXPECT_EQ(game().board.cells, expected.board.cells);
  pressUndo();
  EXPECT_EQ(game().board.cells, before.cells) << "the finished rotation can be taken back";

  // "Level Complete": the next level is set up and nothing of level 1 is kept.
  press(kKeyStar);
  playKeys(levelSolutions()[0]);
  ASSERT_EQ(screen().statusText(), "Level Complete");
  const Board next = game().board;
  ASSERT_EQ(next.levelIndex, 1);
  pressUndo();
  EXPECT_EQ(game().board.cells, next.cells);
  EXPECT_EQ(game().board.levelIndex, 1);
}

// Leaving writes the board as the undo left it, a game that continues as
// always, and the history is not kept.
TEST_F(GameUndoTest, TheSavedGameHoldsTheBoardAfterAnUndo) {
  openGame(ScreenId::NewGame);
  const std::string_view moves = levelOnePrefix(3);
  const Replay expected = replay(moves);
  playKeys(moves);
  pressUndo();
  quitGame();
  const auto saved = decodeSavedGame(readSave());
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->cells, expected.beforeRotation[2].cells);
  EXPECT_EQ(saved->levelIndex, 0);

  openGame(ScreenId::ContinueGame);
  EXPECT_EQ(game().board.cells, expected.beforeRotation[2].cells);
  pressUndo();
  EXPECT_EQ(game().board.cells, expected.beforeRotation[2].cells) << "no history after a load";
}

}  // namespace
}  // namespace bt::test
