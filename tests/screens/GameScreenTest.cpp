#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <utility>

#include "game/LevelTable.h"
#include "gfx/Colour.h"
#include "screens/GameFixture.h"

namespace bt::test {
namespace {

struct Display {
  int32_t width, height;
  int32_t ringX, ringY;  // top-left pixel of level 1's first ring cell
  int32_t pitch;
  int32_t statusY;
};
constexpr Display kDisplays[] = {
    {176, 220, 3 + 4 * 17, 25 + 3 * 17, 17, 220 - 15},
    {240, 320, 10 + 4 * 22, 40 + 3 * 22, 22, 320 - 22},
};

class GameScreenTest : public GameTest {
 protected:
  // The cursor outlines the ring and its 2 x 2 centre: at the middle of every
  // outer edge of those twelve cells, a white line crosses within a pixel or
  // two of the edge's outside, and the middle of every cell stays clear.
  void expectOutlineAround(const Display& d) {
    std::set<std::pair<int, int>> cells;
    for (const RingOffset& cell : kRingOffsets) cells.insert({cell.dx, cell.dy});
    for (int dx : {0, 1}) {
      for (int dy : {1, 2}) cells.insert({dx, dy});
    }
    const int p = d.pitch;
    for (const auto& [cx, cy] : cells) {
      SCOPED_TRACE(::testing::Message() << "cell " << cx << "," << cy);
      const int left = d.ringX + cx * p, top = d.ringY + cy * p;
      EXPECT_NE(shownPixel(left + p / 2, top + p / 2), kWhite);
      for (auto [nx, ny] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
        if (cells.contains({cx + nx, cy + ny})) continue;
        // One pixel outside the edge, give or take.
        const int outside = nx < 0 ? left - 1 : nx > 0 ? left + p : ny < 0 ? top - 1 : top + p;
        bool white = false;
        for (int at = outside - 2; at <= outside + 1; ++at) {
          const uint16_t pixel =
              nx != 0 ? shownPixel(at, top + p / 2) : shownPixel(left + p / 2, at);
          white = white || pixel == kWhite;
        }
        EXPECT_TRUE(white) << "edge towards " << nx << "," << ny;
      }
    }
  }
};

TEST_F(GameScreenTest, LevelOneShowsTheOutlineAndTheStatusOnBothDisplays) {
  for (const Display& d : kDisplays) {
    SCOPED_TRACE(d.width);
    created_.clear();
    openGame(ScreenId::NewGame, d.width, d.height);
    EXPECT_EQ(screen().statusText(), "Level 1 or 72");
    expectOutlineAround(d);
    // Black text on the status bar, which sits on the background.
    int black = 0;
    for (int x = d.width / 2 - 40; x < d.width / 2 + 40; ++x) {
      for (int y = d.statusY - 2; y < d.statusY + 12; ++y) black += shownPixel(x, y) == kBlack;
    }
    EXPECT_GT(black, 20);
    EXPECT_EQ(shownPixel(1, d.height - 1), kGameBackground);
    // The picture checked here is the one the README and docs/playing.md show
    // (docs/game*.png).
    const std::string size = std::to_string(d.width) + "x" + std::to_string(d.height);
    std::filesystem::create_directories(std::string(BT_BINARY_DIR) + "/shots");
    EXPECT_TRUE(saveShown(std::string(BT_BINARY_DIR) + "/shots/game" + size + ".png"));
    app_.reset();
  }
}

TEST_F(GameScreenTest, EachPenTargetActsOnBothDisplays) {
  enum What { Menu, RotateLeft, RotateRight, Restart };
  struct Case {
    int32_t width, height;
    int x, y;
    What what;
  };
  const Case cases[] = {
      {240, 320, 215, 15, Menu},         {176, 220, 150, 20, Menu},
      {240, 320, 30, 280, RotateLeft},   {176, 220, 49, 198, RotateLeft},
      {240, 320, 200, 290, RotateRight}, {176, 220, 126, 170, RotateRight},
      {240, 320, 8, 8, Restart},         {176, 220, 44, 19, Restart},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.width << " tap " << c.x << "," << c.y);
    created_.clear();
    openGame(ScreenId::NewGame, c.width, c.height);
    press(kKeyUp);
    tap(c.x, c.y);
    switch (c.what) {
      case Menu:
        runFrames(12);
        EXPECT_EQ(created_.back(), static_cast<int>(ScreenId::MainMenu));
        break;
      case RotateLeft:
      case RotateRight:
        EXPECT_TRUE(game().rotation.rotating);
        EXPECT_EQ(game().rotation.counterClockwise, c.what == RotateLeft);
        EXPECT_EQ(app_->player().settings().gameInProgress, 1);
        break;
      case Restart:
        EXPECT_EQ(game().board.cursorY, 3) << "the level set up afresh";
        break;
    }
    app_.reset();
  }
}

TEST_F(GameScreenTest, DragsMoveTheCursorOneCellPerEvent) {
  struct Case {
    const char* what;
    bool penDownFirst;
    int dx, dy;
    int cursorDx, cursorDy;
  };
  const Case cases[] = {
      {"21 pixels right", true, 21, 0, 1, 0},
      {"63 pixels right", true, 63, 0, 1, 0},
      {"63 pixels up and left", true, -63, -63, -1, -1},
      {"within the square", true, 10, 10, 0, 0},
      {"no pen-down first", false, 63, 0, 0, 0},
  };
  openGame(ScreenId::NewGame);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Board before = game().board;
    if (c.penDownFirst) app_->penDown(105, 147);
    app_->penMove(static_cast<uint16_t>(105 + c.dx), static_cast<uint16_t>(147 + c.dy));
    app_->penUp(static_cast<uint16_t>(105 + c.dx), static_cast<uint16_t>(147 + c.dy));
    runFrames(1);
    EXPECT_EQ(game().board.cursorX, before.cursorX + c.cursorDx);
    EXPECT_EQ(game().board.cursorY, before.cursorY + c.cursorDy);
    // Back to the middle for the next case.
    press(kKeyStar);
  }
  // A refused move does not hold the anchor back: at the right edge a drag
  // further right moves nothing, and the way back moves at once.
  for (int i = 0; i < 5; ++i) press(kKeyRight);
  ASSERT_EQ(game().board.cursorX, 7);
  app_->penDown(105, 147);
  app_->penMove(126, 147);
  EXPECT_EQ(game().board.cursorX, 7);
  app_->penMove(105, 147);
  EXPECT_EQ(game().board.cursorX, 6);
}

TEST_F(GameScreenTest, KeysActThroughTheKeyMapAndEveryKeyRedraws) {
  openGame(ScreenId::NewGame);
  app_->player().settings().keyMap[kActionMoveRight] = kKeyDigit6;
  const Board before = game().board;
  for (GameKey key : {kKeyRight, kKeyRightSoft, kKeyHash}) {
    SCOPED_TRACE(static_cast<int>(key));
    app_->frameBuffer().fill(0);
    press(key);
    EXPECT_EQ(game().board.cells, before.cells);
    EXPECT_EQ(game().board.cursorX, before.cursorX);
    EXPECT_EQ(pixel(0, 0), kGameBackground) << "redrawn";
  }
  press(kKeyDigit6);
  EXPECT_EQ(game().board.cursorX, before.cursorX + 1);
}

TEST_F(GameScreenTest, RotationSoundOnChannelOneOnlyWithSoundOn) {
  for (uint8_t soundOn : {0, 1}) {
    SCOPED_TRACE(static_cast<int>(soundOn));
    start();
    app_->player().settings().soundOn = soundOn;
    runFrames(1);
    openGame(ScreenId::NewGame);
    app_->keyDown(kKeyAction);
    const WaveSound* playing = app_->mixer().channelSound(1);
    EXPECT_EQ(playing != nullptr, soundOn != 0);
    app_->player().settings().gameInProgress = 0;
    app_->keyDown(kKeyBack);  // refused while the first one runs, yet it counts as play
    EXPECT_TRUE(game().rotation.counterClockwise);
    EXPECT_EQ(app_->player().settings().gameInProgress, 1);
    EXPECT_EQ(app_->mixer().channelSound(1), playing);
    app_.reset();
  }
}

// What a rotation in progress means for a move, a restart and leaving.
TEST_F(GameScreenTest, InputDuringARotation) {
  openGame(ScreenId::NewGame);
  Game expected = game();
  for (char move : std::string_view("UU<")) playMove(expected, move);  // a ring with markers

  playKeys("UU");
  press(kKeyAction);
  press(kKeyRight);
  press(kKeyDown);
  runFrames(kRotationFrames);
  EXPECT_EQ(game().board.cells, expected.board.cells) << "committed where it started";
  EXPECT_EQ(game().board.cursorX, 5);
  EXPECT_EQ(game().board.cursorY, 2);

  press(kKeyStar);
  playKeys("UU");
  press(kKeyBack);
  press(kKeyStar);
  runFrames(kRotationFrames);
  Board fresh;
  LevelTable::loadLevel(fresh, 0);
  EXPECT_EQ(game().board.cells, fresh.cells) << "restart drops the lifted pieces";

  playKeys("UU");
  app_->keyDown(kKeyAction);
  runFrames(3);
  app_->keyDown(kKeyLeftSoft);  // leaves while the pieces slide
  runFrames(12);
  const auto saved = decodeSavedGame(readSave());
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->cells, expected.board.cells);
}

TEST_F(GameScreenTest, WithoutBoardPicturesOnlyTheStatusShowsAndNothingIsPlayed) {
  const std::string art = folder_.file("art");
  std::filesystem::create_directories(art + "/Game_Sprite");
  std::filesystem::copy_file(std::string(BT_BINARY_DIR) + "/bin/Game_Sprite/font240x320.spr",
                             art + "/Game_Sprite/font240x320.spr");
  folders_ = Folders(art, folder_.path());
  Board kept;
  LevelTable::loadLevel(kept, 2);
  kept.levelIndex = 2;
  writeSave(kept);
  const auto before = readSave();
  for (ScreenId id : {ScreenId::NewGame, ScreenId::ContinueGame}) {
    SCOPED_TRACE(static_cast<int>(id));
    openGame(id);
    EXPECT_EQ(pixel(120, 150), kGameBackground);
    EXPECT_EQ(screen().statusText(), "Level 1 or 72");
    for (GameKey key : {kKeyAction, kKeyBack, kKeyStar, kKeyUp, kKeyRight}) press(key);
    for (auto [x, y] : {std::pair{30, 280}, {200, 290}, {10, 10}, {100, 100}}) tap(x, y);
    app_->penDown(100, 100);
    app_->penMove(200, 200);
    runFrames(20);
    EXPECT_FALSE(game().board.isSetUp());
    EXPECT_EQ(app_->player().settings().gameInProgress, 0);
    quitGame();
    EXPECT_EQ(readSave(), before) << "the kept game is not replaced";
  }
}

}  // namespace
}  // namespace bt::test
