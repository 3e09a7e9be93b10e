#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "gfx/AnimationWriter.h"
#include "gfx/SpriteBankWriter.h"
#include "screens/ProgramScreensFixture.h"

namespace bt::test {
namespace {

struct Command {
  uint8_t type;
  int16_t x, y, argument;
};

// The program's screens with an intro of the test's own in folder_, and no
// other art.
class IntroScreenTest : public ProgramScreensTest {
 protected:
  // Two 4x4 pictures anchored at their middle: 0 red, 1 green.
  void writePictures() {
    std::vector<SpriteImage> pictures;
    for (uint8_t green : {uint8_t{0}, uint8_t{255}}) {
      SpriteImage s;
      s.width = s.height = 4;
      s.anchorX = s.anchorY = 2;
      for (int i = 0; i < 16; ++i) s.rgb.insert(s.rgb.end(), {uint8_t(255 - green), green, 0});
      pictures.push_back(s);
    }
    std::filesystem::create_directories(folder_.file("Game_Sprite"));
    ASSERT_TRUE(saveSpriteBank(pictures, folder_.file("Game_Sprite/intro.spr")));
  }

  void writeScript(const std::vector<Command>& commands) {
    AnimationScript script;
    for (const Command& c : commands) {
      AnimationCommand command;
      command.type = c.type;
      command.x = c.x;
      command.y = c.y;
      command.argument = c.argument;
      script.push_back(command);
    }
    std::filesystem::create_directories(folder_.file("Game_Animation"));
    ASSERT_TRUE(saveAnimation({script}, folder_.file("Game_Animation/intro.ani")));
  }

  // Frames until the main menu is created, at most `limit`.
  int framesUntilMenu(int limit) {
    for (int frames = 1; frames <= limit; ++frames) {
      runFrames(1);
      if (!created_.empty() && created_.back() == 2) return frames;
    }
    return -1;
  }

  uint16_t pixel(int x, int y) { return app_->frameBuffer().pixel(x, y); }
};

TEST_F(IntroScreenTest, DrawsEachFrameAtTheMiddleOfTheTopSquareWithoutClearingThenOpensTheMenu) {
  writePictures();
  writeScript({{1, 0, 0, 1}, {0, -10, 20, 0}, {0, 5, 5, 1}});
  for (int width : {176, 240}) {
    SCOPED_TRACE(width);
    created_.clear();
    start(width, width == 176 ? 220 : 320);
    runFrames(1);  // enters the intro
    ASSERT_EQ(created_, std::vector<int>{8});
    const int half = width / 2;
    runFrames(2);                                    // the first frame only sets the delay
    EXPECT_EQ(pixel(half - 12, half + 18), 0xF800);  // anchored at its middle
    EXPECT_EQ(pixel(half - 13, half + 18), 0);
    runFrames(1);
    EXPECT_EQ(pixel(half + 3, half + 3), 0x07E0);
    EXPECT_EQ(pixel(half - 12, half + 18), 0xF800) << "the intro never clears";
    EXPECT_GT(framesUntilMenu(20), 1) << "the end opens the menu after the fade";
    app_.reset();
  }
}

TEST_F(IntroScreenTest, KeyOnTheFirstFrameOpensTheMenuUnseen) {
  writePictures();
  writeScript({{1, 0, 0, 50}, {0, 0, 0, 0}});
  start();
  runFrames(1);
  app_->keyDown(kKeyDigit0);
  EXPECT_EQ(framesUntilMenu(20), 1) << "a black screen needs no fade";
  EXPECT_EQ(pixel(120, 120), 0);
}

TEST_F(IntroScreenTest, AnyKeySkipsWhilePlaying) {
  writePictures();
  writeScript({{1, 0, 0, 50}, {0, 0, 0, 0}});
  for (GameKey key : {kKeyLeftSoft, kKeyAction, kKeyStar}) {
    created_.clear();
    start();
    runFrames(3);
    ASSERT_EQ(pixel(120, 120), 0xF800);
    app_->keyDown(key);
    EXPECT_GT(framesUntilMenu(20), 1) << int(key);
    app_.reset();
  }
}

TEST_F(IntroScreenTest, WithoutAnIntroItWaitsForAKey) {
  start();
  runFrames(1);
  const int presents = platform_.headlessDisplay().presentCount();
  runFrames(300);
  EXPECT_EQ(created_, std::vector<int>{8});
  EXPECT_EQ(platform_.headlessDisplay().presentCount(), presents) << "nothing is drawn";
  app_->keyDown(kKeyRight);
  EXPECT_EQ(framesUntilMenu(20), 1);
}

TEST_F(IntroScreenTest, ScriptWithoutFramesStillEnds) {
  writePictures();
  writeScript({{1, 0, 0, 1}, {5, 0, 0, 9}});
  start();
  runFrames(1);
  EXPECT_EQ(framesUntilMenu(10), 3);  // the yield, the end, then the switch
  EXPECT_EQ(pixel(120, 120), 0);
}

}  // namespace
}  // namespace bt::test
