#include <gtest/gtest.h>

#include "ShellFixture.h"
#include "sound/WaveSound.h"

namespace bt::test {
namespace {

using platform::Message;
using Log = std::vector<std::string>;

WaveSound makeSound() {
  const uint8_t wav[] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E',
                         'd', 'a', 't', 'a', 4, 0, 0, 0, 200, 200, 200, 200};
  WaveSound sound;
  EXPECT_TRUE(sound.loadFromMemory(wav, sizeof wav));
  return sound;
}

TEST_F(ShellTest, FirstFrameEntersTheIntroWithoutAFade) {
  start();
  const int presentsAtOpen = platform_.headlessDisplay().presentCount();
  EXPECT_TRUE(app_->switchPending());
  EXPECT_EQ(current(), nullptr);
  runFrames(1);
  EXPECT_EQ(takeLog(), (Log{"8 create", "8 enter"}));
  EXPECT_FALSE(app_->switchPending());
  EXPECT_EQ(platform_.headlessDisplay().presentCount(), presentsAtOpen);
  runFrames(1);
  EXPECT_EQ(takeLog(), (Log{"8 frame"}));
}

TEST_F(ShellTest, SwitchFadesForAsManyFramesAsTheBrightestChannelNeeds) {
  struct Case {
    uint16_t colour;
    int frames;  // until the new screen is entered
  };
  // White and full green need seven steps of 40, then one frame that finds
  // black; a red of 8 (0x0841 has 8 in every channel) or 32 needs one step.
  for (const Case c :
       {Case{0xFFFF, 8}, {0x07E0, 8}, {0x0000, 1}, {0x0841, 2}, {0x2000, 2}, {0x3000, 3}}) {
    SCOPED_TRACE(c.colour);
    app_.reset();
    start();
    runFrames(1);
    takeLog();
    app_->frameBuffer().fill(c.colour);
    const int presents = platform_.headlessDisplay().presentCount();
    app_->requestScreen(ScreenId::MainMenu);
    int frames = 0;
    while (app_->switchPending() && frames < 20) {
      runFrames(1);
      ++frames;
    }
    EXPECT_EQ(frames, c.frames);
    EXPECT_EQ(platform_.headlessDisplay().presentCount() - presents, c.frames - 1);
    EXPECT_EQ(takeLog(), (Log{"8 leave", "8 destroy", "2 create", "2 enter"}));
  }
}

TEST_F(ShellTest, DuringAFadeInputReachesTheOldScreenAndSoundsStopAtTheRequest) {
  start();
  runFrames(1);
  const WaveSound sound = makeSound();
  app_->mixer().play(&sound, true, false, 0);
  app_->frameBuffer().fill(0xFFFF);
  app_->requestScreen(ScreenId::Help);
  EXPECT_EQ(app_->mixer().channelSound(0), nullptr);
  runFrames(2);
  takeLog();
  platform_.post(platform::keyMessage(platform::kMessageKeyDown, 13));
  platform_.post(platform::keyMessage(platform::kMessageKeyDown, 116));  // no key
  platform_.post(platform::keyMessage(platform::kMessageKeyUp, 13));
  platform_.post(platform::penMessage(platform::kMessagePenDown, 5, 6));
  platform_.post(platform::penMessage(platform::kMessagePenMove, 7, 8));
  platform_.post(platform::penMessage(platform::kMessagePenUp, 300, 65535));
  runFrames(1);
  EXPECT_EQ(takeLog(), (Log{"8 keyDown 17", "8 keyUp 17", "8 penDown 5,6", "8 penMove 7,8",
                            "8 penUp 300,65535"}));
  // A later request replaces the pending one.
  app_->requestScreen(ScreenId::Options);
  while (app_->switchPending()) runFrames(1);
  EXPECT_EQ(takeLog(), (Log{"8 leave", "8 destroy", "3 create", "3 enter"}));
}

TEST_F(ShellTest, RequestingQuitEndsTheLoopAtOnceWithoutAFade) {
  for (const uint32_t id : {0u, 0x100u}) {  // only the low 8 bits count
    app_.reset();
    start();
    runFrames(1);
    const WaveSound sound = makeSound();
    app_->mixer().play(&sound, true, false, 2);
    current()->onKeyDown = [this, id](GameKey) { app_->requestScreen(static_cast<ScreenId>(id)); };
    takeLog();
    platform_.post(platform::keyMessage(platform::kMessageKeyDown, 13));
    const int ticks = app_->ticks;
    EXPECT_TRUE(runFrames(100));  // ended by the quit message, not by the test
    EXPECT_EQ(app_->ticks, ticks);
    EXPECT_FALSE(app_->switchPending());
    EXPECT_EQ(app_->mixer().channelSound(2), nullptr);
    EXPECT_EQ(takeLog(), (Log{"8 keyDown 17"}));
  }
}

TEST_F(ShellTest, PenDownCommandsTheFirstRectangleHoldingThePoint) {
  start();
  runFrames(1);
  current()->addHitRect(HitRect{10, 20, 10, 20, 1});
  current()->addHitRect(HitRect{15, 30, 15, 30, 2});  // overlaps the first
  struct Case {
    uint16_t x, y;
    const char* command;
  };
  for (const Case c : {Case{10, 10, "1"},
                       {15, 15, "1"},
                       {19, 19, "1"},
                       {20, 19, "2"},
                       {19, 20, "2"},
                       {29, 29, "2"},
                       {30, 29, nullptr},
                       {29, 30, nullptr},
                       {9, 10, nullptr},
                       {10, 9, nullptr}}) {
    takeLog();
    app_->handleMessage(platform::penMessage(platform::kMessagePenDown, c.x, c.y));
    Log expected{"8 penDown " + std::to_string(c.x) + "," + std::to_string(c.y)};
    if (c.command) expected.push_back(std::string("8 command ") + c.command);
    EXPECT_EQ(takeLog(), expected);
  }
}

}  // namespace
}  // namespace bt::test
