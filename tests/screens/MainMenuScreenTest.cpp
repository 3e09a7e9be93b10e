#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "screens/FrontEndFixture.h"

namespace bt::test {
namespace {

class MainMenuTest : public FrontEndTest {
 protected:
  // The row entry k rests on, and the first row of its tap band.
  int entryY(int k) const {
    const int th = spriteHeight(kSpriteMenuTitle);
    return 2 * (th / 2) + th + k * th;
  }
  int bandTop(int k) const {
    const int th = spriteHeight(kSpriteMenuTitle);
    return th + th / 2 + k * th;
  }

  // Whether the cursor stands beside entry k, on both sides.
  bool cursorAt(int k) {
    const Sprite* cursor = bank_.sprite(kSpriteCursor);
    const uint16_t middle = cursor->pixels[cursor->anchorY * cursor->width + cursor->anchorX];
    EXPECT_NE(middle, 0) << "the cursor's middle must be drawn";
    const int d = app_->artSet() == 0 ? 64 : 88, w = app_->width();
    const FrameBuffer& fb = app_->frameBuffer();
    return fb.pixel(w / 2 - d, entryY(k)) == middle && fb.pixel(w / 2 + d, entryY(k)) == middle;
  }

  void writeSave(int bytes) {
    std::filesystem::remove(folder_.file("save.dat"));
    if (bytes < 0) return;
    std::ofstream(folder_.file("save.dat"), std::ios::binary) << std::string(bytes, 'x');
  }
  void writeGameInProgress(bool inProgress) {
    Settings s;
    s.gameInProgress = inProgress ? 1 : 0;
    const auto bytes = encodeSettings(s);
    folder_.write("settings.dat", {bytes.begin(), bytes.end()});
  }
};

TEST_F(MainMenuTest, NewGameAsksFirstOnlyWhenASavedGameIsInProgress) {
  struct Case {
    const char* name;
    int saveBytes;  // -1: no file
    bool inProgress;
    int expected;
  };
  const Case cases[] = {
      {"no saved game", -1, true, 1},
      {"an empty file", 0, true, 1},
      {"two bytes", 2, true, 1},
      {"three bytes", 3, true, 10},
      {"a saved game in progress", 400, true, 10},
      {"a saved game, not in progress", 400, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    app_.reset();  // writes settings.dat: replace it afterwards
    writeSave(c.saveBytes);
    writeGameInProgress(c.inProgress);
    open(ScreenId::MainMenu);
    app_->keyDown(kKeyAction);
    EXPECT_EQ(nextScreen(), c.expected);
  }
}

TEST_F(MainMenuTest, UpAndDownWrapAroundTheFiveEntries) {
  struct Case {
    std::vector<GameKey> keys;
    int expected;
  };
  const Case cases[] = {
      {{}, 1},
      {{kKeyDown}, 5},
      {{kKeyDown, kKeyDown}, 3},
      {{kKeyDown, kKeyDown, kKeyDown}, 7},
      {{kKeyDown, kKeyDown, kKeyDown, kKeyDown}, kQuitted},
      {{kKeyDown, kKeyDown, kKeyDown, kKeyDown, kKeyDown}, 1},
      {{kKeyUp}, kQuitted},
      {{kKeyUp, kKeyUp}, 7},
      {{kKeyUp, kKeyDown, kKeyDown}, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.keys));
    open(ScreenId::MainMenu);
    for (GameKey key : c.keys) app_->keyDown(key);  // while the items still slide
    app_->keyDown(kKeyAction);
    EXPECT_EQ(nextScreen(), c.expected);
  }
}

TEST_F(MainMenuTest, BackQuitsAtOnceAndTheRightSoftKeyOpensTheScoreTable) {
  open(ScreenId::MainMenu);
  app_->keyDown(kKeyBack);
  EXPECT_TRUE(runFrames(1)) << "no fade before the end";
  EXPECT_TRUE(created_.empty());

  open(ScreenId::MainMenu);
  settle();
  const int before = presents();
  for (GameKey key : {kKeyLeft, kKeyRight, kKeyLeftSoft, kKeyStar, kKeyDigit5, kKeyF10}) {
    app_->keyDown(key);
  }
  EXPECT_EQ(nextScreen(), kNoScreen);
  EXPECT_EQ(presents(), before) << "other keys redraw nothing";
  app_->keyDown(kKeyRightSoft);
  EXPECT_EQ(nextScreen(), 4);
}

TEST_F(MainMenuTest, SlidesInThenShowsTheCursorThenPresentsNothingUntilASelectionMoves) {
  for (DisplaySize d : kDisplays) {
    SCOPED_TRACE(::testing::PrintToString(d));
    open(ScreenId::MainMenu, d);
    // The title drops 8 pixels a frame on the small display and 2 on the
    // large one; the entries cross the width at 12 a frame, then creep.
    app_->keyDown(kKeyDown);
    const int sliding = settle();
    EXPECT_EQ(sliding, d.w == 176 ? 23 : 21) << "every frame while sliding, then the cursor";
    EXPECT_TRUE(cursorAt(1)) << "a key pressed while sliding moved the selection";
    EXPECT_FALSE(cursorAt(0));

    const int before = presents();
    EXPECT_FALSE(runFrames(100));
    EXPECT_EQ(presents(), before) << "an idle menu presents nothing";
    app_->keyDown(kKeyUp);
    runFrames(5);
    EXPECT_EQ(presents(), before + 1) << "a move redraws once";
    EXPECT_TRUE(cursorAt(0));
  }
}

TEST_F(MainMenuTest, TapsOpenTheEntryOfTheRowTapped) {
  const int expected[5] = {1, 5, 3, 7, kQuitted};
  for (DisplaySize d : kDisplays) {
    SCOPED_TRACE(::testing::PrintToString(d));
    open(ScreenId::MainMenu, d);
    const int th = spriteHeight(kSpriteMenuTitle);
    for (int k = 0; k < 5; ++k) {
      SCOPED_TRACE(k);
      for (int y : {bandTop(k), bandTop(k) + th - 1}) {
        for (int x : {0, d.w - 1}) {
          open(ScreenId::MainMenu, d);
          settle();
          const int before = presents();
          const uint32_t clock = platform_.tickCount();
          app_->penDown(static_cast<uint16_t>(x), static_cast<uint16_t>(y));
          EXPECT_EQ(presents(), before + 1) << "shown before it opens";
          EXPECT_TRUE(cursorAt(k));
          EXPECT_EQ(platform_.tickCount() - clock, 50u);
          EXPECT_EQ(nextScreen(), expected[k]);
        }
      }
    }
    // Above the first row (the title) and below the last nothing answers.
    for (int y : {0, bandTop(0) - 1, bandTop(5), d.h - 1}) {
      open(ScreenId::MainMenu, d);
      app_->penDown(static_cast<uint16_t>(d.w / 2), static_cast<uint16_t>(y));
      EXPECT_EQ(nextScreen(), kNoScreen) << y;
    }
  }
}

}  // namespace
}  // namespace bt::test
