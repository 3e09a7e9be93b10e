// The program's screens with frames run only while a screen is not still
// (as the window and the page run them) against every frame run (as the
// headless runs do): a script through every screen shows the same pictures
// whenever it takes one, while the loop that sleeps runs far fewer frames.
// A screen that called itself still while its frames still mattered (an
// animation, a multi-tap letter waiting for its time-out, an exchange)
// would show something else here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ShellFixture.h"
#include "main/ScreenFactory.h"
#include "main/Script.h"
#include "main/ScriptRunner.h"
#include "platform/os/FileSystem.h"
#include "support/TempFolder.h"

namespace bt::test {
namespace {

// Each stop: the keys that lead there, then long enough for everything to
// rest, then a picture. Level 1 is solved by its shortest solution, so that
// the score table asks for a name, typed by multi-tap; the online score
// screen fails against a closed port.
const std::vector<std::string> kStops = {
    "wait 20",  // the intro, mid-animation
    "press Action\nwait 120", "press Down\nwait 60",
    "press Down\npress Action\nwait 120",                 // options
    "press Left Menu\nwait 100\npress Action\nwait 120",  // a new game
    "press Action\nwait 60",                              // a ring turned left
    "press Back\nwait 60",                                // and back
    "press Down\nwait 20\npress Up\nwait 60",             // the cursor down and up
    "vk 139\nwait 60",                                    // a hint
    // Level 1's shortest solution.
    "press Up\npress Up\npress Action\nwait 30\npress Left\npress Back\nwait 30\n"
    "press Left\npress Action\nwait 30\npress Left\npress Back\nwait 120",
    "press Left Menu\nwait 120",                                  // the score table, a row to name
    "press 2\nwait 5\npress 2\nwait 60",                          // "B", accepted by its time-out
    "press 6\npress 6\npress 6\nwait 60",                         // "O"
    "press Right Menu\nwait 120",                                 // the online score screen
    "press Right Menu\nsleep 300\nwait 10\nsleep 300\nwait 100",  // refused
    "press Left Menu\nwait 100\npress Left Menu\nwait 120",       // the score table, the menu
    "vk 143\nwait 60",                                            // the level select
    "press Action\nwait 120",                                     // level 1 as practice
    "press Back\nwait 60\npress Back\nwait 60",                   // the level select, the menu
    "press Action\nwait 120",                                     // the confirmation
    "press Right Menu\nwait 100\npress Up\npress Up\npress Action\nwait 120",  // help
};

// The headless platform that sleeps as the window does: once the loop waits
// on a still screen, no frame runs until the next message.
class SleepingPlatform : public platform::HeadlessPlatform {
 public:
  using HeadlessPlatform::HeadlessPlatform;
  void waitStill(uint32_t nextFrameDue) override {
    waitMessage(nextFrameDue);
    asleep = true;
  }
  std::optional<platform::Message> takeMessage() override {
    auto message = HeadlessPlatform::takeMessage();
    if (message) asleep = false;
    return message;
  }
  bool asleep = false;
};

class SleepingApplication : public CountingApplication {
 public:
  SleepingApplication(SleepingPlatform& platform, bool sleeps, int32_t width, int32_t height,
                      ScreenFactory factory, Folders folders)
      : CountingApplication(platform, width, height, std::move(factory), std::move(folders)),
        platform_(platform),
        sleeps_(sleeps) {}
  bool tick() override {
    if (sleeps_ && platform_.asleep) return true;
    return CountingApplication::tick();
  }

 private:
  SleepingPlatform& platform_;
  bool sleeps_;
};

struct ScriptedRun {
  std::vector<std::vector<uint8_t>> shots;
  int frames = 0;
};

ScriptedRun play(bool sleeps, int32_t width, const TempFolder& folder) {
  const std::string name = sleeps ? "sleeping" : "every";
  std::string text;
  for (size_t i = 0; i < kStops.size(); ++i) {
    text += kStops[i] + "\nshot " + folder.file(name + std::to_string(i) + ".png") + "\n";
  }
  Script script = parseScript(text);
  EXPECT_EQ(script.errorLine, 0) << script.error;
  const std::string data = folder.file(name + "-data");
  os::makeFolders(data);
  SleepingPlatform platform(1000);
  ScriptRunner runner(platform, std::move(script));
  ScoreServer closed;
  closed.port = 1;  // nothing listens there
  SleepingApplication app(platform, sleeps, width, width == 176 ? 220 : 320,
                          makeScreenFactory(closed),
                          Folders(std::string(BT_BINARY_DIR) + "/bin", data));
  EXPECT_TRUE(app.openDisplay());
  runFrameLoop(app);
  EXPECT_EQ(runner.failure(), "");
  ScriptedRun run;
  run.frames = app.ticks;
  for (size_t i = 0; i < kStops.size(); ++i) {
    auto bytes = os::readFile(folder.file(name + std::to_string(i) + ".png"));
    run.shots.push_back(bytes.value_or(std::vector<uint8_t>{}));
  }
  return run;
}

TEST(StillScreens, ShowTheSamePicturesWhenOnlyTheFramesNeededRun) {
  for (const int32_t width : {240, 176}) {
    SCOPED_TRACE(width);
    TempFolder folder;
    const ScriptedRun every = play(false, width, folder);
    const ScriptedRun sleeping = play(true, width, folder);
    ASSERT_EQ(every.shots.size(), sleeping.shots.size());
    for (size_t i = 0; i < every.shots.size(); ++i) {
      SCOPED_TRACE("stop " + std::to_string(i) + ": " + kStops[i]);
      EXPECT_FALSE(every.shots[i].empty());
      EXPECT_TRUE(every.shots[i] == sleeping.shots[i]) << "the pictures differ";
    }
    // Most of the script's time the screens rest.
    EXPECT_LT(sleeping.frames * 3, every.frames) << sleeping.frames << " of " << every.frames;
  }
}

}  // namespace
}  // namespace bt::test
