// The moves of a level counted through the real key handling, the personal
// records they make, and practice from the level select.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "app/DataFiles.h"
#include "app/RecordBook.h"
#include "app/WorldBests.h"
#include "game/LevelData.h"
#include "game/LevelPar.h"
#include "game/LevelTable.h"
#include "platform/VirtualKeys.h"
#include "screens/GameFixture.h"
#include "screens/LevelSelectScreen.h"

namespace bt::test {
namespace {

class GameMovesTest : public GameTest {
 protected:
  void pressDesktopKey(uint32_t code) {
    platform_.post(platform::keyMessage(platform::kMessageKeyDown, code));
    platform_.post(platform::keyMessage(platform::kMessageKeyUp, code));
    runFrames(1);
  }
  // The board the level's moves give when played from its start.
  static Board replayed(int32_t levelIndex, const std::string& moves) {
    Game game;
    startLevel(game, levelIndex);
    for (char move : moves) EXPECT_TRUE(playMove(game, move)) << moves;
    return game.board;
  }
  void expectMovesGiveTheBoard() {
    const Board board = replayed(game().board.levelIndex, game().moves);
    EXPECT_EQ(board.cells, game().board.cells) << game().moves;
    EXPECT_EQ(board.cursorX, game().board.cursorX) << game().moves;
    EXPECT_EQ(board.cursorY, game().board.cursorY) << game().moves;
  }
  RecordBook storedRecords() {
    const std::optional<RecordBook> book = RecordBook::decode(folder_.read("records.dat"));
    EXPECT_TRUE(book);
    return book.value_or(RecordBook{});
  }
};

TEST_F(GameMovesTest, CountsKeysThatChangeThePositionAndUndoPutsThemBack) {
  openGame(ScreenId::NewGame);
  // Level 1's cursor starts three rows below the top: the fourth move up is
  // refused.
  playKeys("UUU");
  press(kKeyUp);
  EXPECT_EQ(game().moves, "UUU");
  // A turn, and a second asked for while it slides: refused, not counted.
  press(kKeyAction);
  press(kKeyAction);
  runFrames(kRotationFrames + 1);
  EXPECT_EQ(game().moves, "UUU<");
  playKeys("L>R");
  EXPECT_EQ(game().moves, "UUU<L>R");
  expectMovesGiveTheBoard();

  pressDesktopKey(platform::kVkUndo);  // the turn '>' and the cursor move after it
  EXPECT_EQ(game().moves, "UUU<L");
  expectMovesGiveTheBoard();
  playKeys("L");
  pressDesktopKey(platform::kVkRedo);  // the board, the cursor and the count together
  EXPECT_EQ(game().moves, "UUU<L>");
  expectMovesGiveTheBoard();

  press(kKeyStar);  // restart (the default map's Restart key)
  EXPECT_EQ(game().moves, "");
  pressDesktopKey(platform::kVkUndo);  // the restart taken back
  EXPECT_EQ(game().moves, "UUU<L>");
  expectMovesGiveTheBoard();
}

TEST_F(GameMovesTest, ASolveSetsARecordOnlyWhenItIsTheFirstOrFewerMoves) {
  const std::string solution(levelSolutions()[0]);
  openGame(ScreenId::NewGame);
  // A longer solve first: a turn and its undoing turn, then the solution.
  playKeys("<>" + solution);
  EXPECT_EQ(storedRecords().level(0).best(), static_cast<int>(solution.size()) + 2);
  EXPECT_TRUE(storedRecords().level(1).reached);
  quitGame(ScreenId::ScoreTable);

  // A better one replaces it; a worse one later does not.
  openGame(ScreenId::NewGame);
  playKeys(solution);
  EXPECT_EQ(storedRecords().level(0).moves, solution);
  EXPECT_NE(platform_.playLine().find("Level 1 - solved in " + std::to_string(solution.size()) +
                                      " moves - par " + std::to_string(levelPar(0)) + " - best"),
            std::string::npos)
      << platform_.playLine();
  app_->requestScreen(ScreenId::NewGame);
  runFrames(12);
  playKeys("<>" + solution);
  EXPECT_EQ(storedRecords().level(0).moves, solution);
}

TEST_F(GameMovesTest, PracticeNeverTouchesTheSavedGameAndReturnsToTheLevelSelect) {
  openGame(ScreenId::NewGame);
  playKeys("UUU<");
  quitGame();
  const std::vector<uint8_t> saved = readSave();
  ASSERT_FALSE(saved.empty());
  const uint8_t inProgress = app_->player().settings().gameInProgress;

  app_->requestScreen(ScreenId::LevelSelect);
  runFrames(12);
  press(kKeyAction);  // level 1, the only one reached
  runFrames(12);
  ASSERT_EQ(created_.back(), static_cast<int>(ScreenId::Play));
  playKeys(std::string(levelSolutions()[0]));
  runFrames(12);
  ASSERT_EQ(created_.back(), static_cast<int>(ScreenId::LevelSelect));
  EXPECT_EQ(dynamic_cast<LevelSelectScreen*>(app_->currentScreen())->selected(), 1);
  EXPECT_EQ(readSave(), saved);
  EXPECT_EQ(app_->player().settings().gameInProgress, inProgress);
  EXPECT_EQ(storedRecords().level(0).moves, levelSolutions()[0]);
  // An unreached level does not open.
  press(kKeyDown);
  press(kKeyAction);
  runFrames(12);
  EXPECT_EQ(created_.back(), static_cast<int>(ScreenId::LevelSelect));
}

// The world's best fetched last stands on a line of its own under the
// selected level's best and par, above the captions; a level without one
// shows nothing more.
TEST_F(GameMovesTest, TheLevelSelectShowsTheWorldBestOfTheLevelsItKnows) {
  WorldBests world;
  world.set(1, {12, "ANN"});
  for (const auto& [width, height] : {std::pair{176, 220}, std::pair{240, 320}}) {
    SCOPED_TRACE(width);
    app_.reset();
    std::filesystem::remove(folder_.file(kWorldBestsFile));
    start(width, height);
    runFrames(1);
    auto picture = [&](int levelIndex) {
      app_->requestScreen(ScreenRequest::levelSelect(levelIndex));
      runFrames(12);
      return app_->frameBuffer();
    };
    const FrameBuffer plain2 = picture(1), plain3 = picture(2);
    app_->player().replaceWorldBests(world);
    const FrameBuffer shown2 = picture(1), shown3 = picture(2);
    int differing = 0, top = height, bottom = 0;
    for (int32_t y = 0; y < height; ++y) {
      for (int32_t x = 0; x < width; ++x) {
        if (plain2.pixel(x, y) == shown2.pixel(x, y)) continue;
        ++differing;
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
    const int32_t pitch = app_->font().linePitch();
    EXPECT_GT(differing, 100);
    EXPECT_LT(bottom - top, pitch) << "one line";
    EXPECT_LT(bottom, height - pitch - 1) << "above the captions";
    EXPECT_TRUE(std::equal(plain3.pixels(), plain3.pixels() + width * height, shown3.pixels()))
        << "level 3 has no world best";
  }
}

TEST(RecordBook, HintedSolvesAndMovesThatDoNotSolveSetNoRecord) {
  RecordBook book;
  const std::string solution(levelSolutions()[0]);
  EXPECT_TRUE(book.noteSolve(0, solution, true));
  EXPECT_FALSE(book.level(0).solved);
  EXPECT_TRUE(book.level(0).hinted);
  EXPECT_TRUE(book.level(1).reached);
  EXPECT_FALSE(book.noteSolve(0, solution.substr(1), false));  // does not solve it
  EXPECT_FALSE(book.level(0).solved);
  EXPECT_TRUE(book.noteSolve(0, solution, false));
  const auto bytes = book.encode();
  const auto back = RecordBook::decode(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->level(0).moves, solution);
  EXPECT_TRUE(back->level(0).hinted);
  EXPECT_FALSE(back->level(2).reached);
}

}  // namespace
}  // namespace bt::test
