#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>

#include "ShellFixture.h"
#include "platform/os/FileSystem.h"
#include "sound/WaveSound.h"

namespace bt::test {
namespace {

using platform::DisplayProperties;
using platform::Message;
using Log = std::vector<std::string>;

TEST_F(ShellTest, CloseMessageEndsTheLoopAndSettingsAreWrittenAtExit) {
  start();
  runFrames(2);
  app_->player().settings().soundOn = 1;
  app_->player().settings().reserved = 0x5A;
  takeLog();
  platform_.post(Message{platform::kMessageClose, 0, 0});
  EXPECT_TRUE(runFrames(100));
  app_.reset();
  EXPECT_EQ(takeLog(), (Log{"8 destroy"}));  // destroyed without leave
  const auto bytes = os::readFile(folder_.file("settings.dat"));
  ASSERT_TRUE(bytes);
  ASSERT_EQ(bytes->size(), 12u);
  EXPECT_EQ((*bytes)[0], 0x5A);
  EXPECT_EQ((*bytes)[1], 1);
}

TEST_F(ShellTest, FramesKeepTheirPaceWhenTheTickCountWraps) {
  platform_.advanceBy(0u - 1000u - 100u);  // 100 ms before the counter wraps
  start();
  runFrames(1);
  const uint32_t before = platform_.tickCount();
  runFrames(20);
  const uint32_t after = platform_.tickCount();
  EXPECT_LT(after, before);  // wrapped past zero
  EXPECT_GE(after - before, 19u * 16u);
  EXPECT_LE(after - before, 20u * 16u);
}

TEST_F(ShellTest, OnlyFramesThatDrewArePresentedAndFeedTheSound) {
  start();
  runFrames(1);
  uint8_t wav[44 + 4000] = {'R', 'I', 'F', 'F', 0,   0,   0,    0,    'W', 'A',
                            'V', 'E', 'd', 'a', 't', 'a', 0xA0, 0x0F, 0,   0};  // 4000 samples
  WaveSound sound;
  ASSERT_TRUE(sound.loadFromMemory(wav, 20 + 4000));
  bool draw = false;
  current()->onFrame = [&] {
    if (draw) app_->setRedrawPending();
  };
  app_->mixer().play(&sound, false, false, 1);
  const auto& display = platform_.headlessDisplay();
  const auto& wave = platform_.headlessWaveOut();
  const int presents = display.presentCount();
  runFrames(5);
  EXPECT_EQ(display.presentCount(), presents);
  EXPECT_EQ(wave.buffersWritten(), 0);
  draw = true;
  runFrames(1);
  EXPECT_EQ(display.presentCount(), presents + 1);
  EXPECT_EQ(wave.buffersWritten(), 2);  // two buffers queued at most
  EXPECT_FALSE(app_->redrawPending());
  // 199 ms later the first has played and the next present queues the rest.
  platform_.advanceBy(199);
  runFrames(1);
  EXPECT_EQ(wave.buffersWritten(), 3);
  EXPECT_EQ(wave.written().size(), 3u * 1592u);
}

TEST_F(ShellTest, WhileWithoutFocusTheDisplayIsSuspendedAndFramesGoOn) {
  start();
  runFrames(1);
  current()->onFrame = [this] {
    app_->frameBuffer().fill(0xF800);
    app_->setRedrawPending();
  };
  auto& display = platform_.headlessDisplay();
  platform_.post(Message{platform::kMessageKillFocus, 0, 0});
  const int presents = display.presentCount();
  const int ticks = app_->ticks;
  runFrames(3);
  EXPECT_TRUE(display.isSuspended());
  EXPECT_EQ(app_->ticks, ticks + 3);
  EXPECT_EQ(display.presentCount(), presents);
  platform_.post(Message{platform::kMessageSetFocus, 0, 0});
  runFrames(1);
  EXPECT_FALSE(display.isSuspended());
  EXPECT_EQ(display.presentCount(), presents + 1);
  EXPECT_EQ(display.shownPixels()[0], 0xF800);
}

TEST_F(ShellTest, FiveFiveFiveDisplaysAreRefusedAndOthersAccepted) {
  struct Case {
    uint32_t flags;
    bool accepted;
  };
  for (const Case c : {Case{0x40, false}, {0x80, true}, {0xC0, true}, {0x00, true}}) {
    SCOPED_TRACE(c.flags);
    {
      platform::HeadlessPlatform platform;
      platform.headlessDisplay().forceProperties(DisplayProperties{240, 320, 2, 480, 16, c.flags});
      Application app(platform, 240, 320, nullptr, folders_);
      EXPECT_EQ(app.openDisplay(), c.accepted);
      EXPECT_TRUE(platform.headlessDisplay().isOpen());
    }
    // Even a refused start writes the settings on its way out.
    EXPECT_TRUE(os::readFile(folder_.file("settings.dat")));
    std::filesystem::remove(folder_.file("settings.dat"));
  }
}

TEST_F(ShellTest, WideScreensTakeTheRawPathAndSmallerDisplaysGetWhatFits) {
  struct Case {
    int32_t width, height;      // the application's
    int32_t display, displayH;  // the display's
    bool raw;
  };
  for (const Case c : {Case{240, 320, 240, 320, false},
                       {241, 320, 241, 320, true},
                       {176, 220, 176, 220, false},
                       {240, 320, 176, 220, false},
                       {320, 240, 240, 200, true}}) {
    SCOPED_TRACE(c.width);
    platform::HeadlessPlatform platform;
    auto& display = platform.headlessDisplay();
    display.forceProperties(DisplayProperties{c.display, c.displayH, 2, c.display * 2, 16, 0x80});
    Application app(platform, c.width, c.height, nullptr, folders_);
    ASSERT_TRUE(app.openDisplay());
    FrameBuffer& fb = app.frameBuffer();
    for (int32_t y = 0; y < fb.height(); ++y) {
      for (int32_t x = 0; x < fb.width(); ++x) fb.setPixel(x, y, static_cast<uint16_t>(x + y * 7));
    }
    app.presentNow();
    EXPECT_EQ(display.rawPresentCount(), c.raw ? 1 : 0);
    const int32_t lastX = c.display - 1, lastY = c.displayH - 1;
    EXPECT_EQ(display.shownPixels()[lastY * c.display + lastX], fb.pixel(lastX, lastY));
  }
}

TEST_F(ShellTest, KeypadClickIsSilencedWhileRunningAndRestoredAtExit) {
  const std::string key = std::string(ApplicationBase::kKeypressKey) + "\\Script";
  const std::string longSound(300, 'k');  // longer than the phone's 255-byte read
  struct Case {
    std::optional<std::string> before;
    std::string after;
  };
  for (const Case& c : {Case{"\\Windows\\click.wav", "\\Windows\\click.wav"},
                        Case{std::nullopt, ""}, Case{longSound, longSound}}) {
    platform::HeadlessPlatform platform;
    if (c.before) platform.registry()[key] = *c.before;
    {
      Application app(platform, 240, 320, nullptr, folders_);
      EXPECT_EQ(platform.registry()[key], "");
      EXPECT_EQ(platform.settingsBroadcasts(), 1);
    }
    EXPECT_EQ(platform.registry()[key], c.after);
    EXPECT_EQ(platform.settingsBroadcasts(), 2);
  }
}

// A run that never ended (killed) leaves the click silenced and the player's
// value saved under the second name; the next run restores that value.
TEST_F(ShellTest, KeypadClickOfTheLastRunIsRestoredAfterACrash) {
  const std::string key = std::string(ApplicationBase::kKeypressKey) + "\\";
  const std::string value = key + ApplicationBase::kKeypressValue;
  const std::string saved = key + ApplicationBase::kKeypressSavedValue;
  platform::HeadlessPlatform platform;
  platform.registry()[value] = "\\Windows\\click.wav";
  std::map<std::string, std::string> atTheCrash;
  {
    Application crashed(platform, 240, 320, nullptr, folders_);
    EXPECT_EQ(platform.registry()[value], "");
    EXPECT_EQ(platform.registry()[saved], "\\Windows\\click.wav");
    atTheCrash = platform.registry();
  }
  platform.registry() = atTheCrash;  // as if that run had been killed
  {
    Application next(platform, 240, 320, nullptr, folders_);
    EXPECT_EQ(platform.registry()[value], "");
  }
  EXPECT_EQ(platform.registry()[value], "\\Windows\\click.wav");
  EXPECT_EQ(platform.registry().count(saved), 0u);
}

}  // namespace
}  // namespace bt::test
