#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/os/FileSystem.h"
#include "sdl/SdlFixture.h"

namespace bt::platform {
namespace {

using namespace std::chrono_literals;

TEST_F(SdlBackendTest, RunsFramesAndPlaysSoundFromTheAudioThread) {
  EXPECT_FALSE(platform_->raiseRunningInstance(""));
  Display& display = platform_->display();
  ASSERT_TRUE(display.open(240, 320));
  EXPECT_EQ(display.properties().formatFlags, kFormatDirect565);
  EXPECT_EQ(display.properties().yPitch, 480);
  for (int frame = 0; frame < 5; ++frame) {
    auto* memory = static_cast<uint16_t*>(display.beginDraw());
    ASSERT_NE(memory, nullptr);
    std::fill_n(memory, 240 * 320, static_cast<uint16_t>(frame * 0x0841));
    display.endDraw();
    platform_->waitMessage(platform_->tickCount() + 16);
  }
  drain();

  // Two buffers are played and each is reported from the audio thread.
  WaveOut* wave = platform_->waveOut();
  ASSERT_NE(wave, nullptr);
  static std::atomic<int> done{0};
  done = 0;
  auto onDone = [](void*, uint32_t message) {
    if (message == kWaveDoneMessage) ++done;
  };
  ASSERT_TRUE(wave->open(0, WaveFormat{}, onDone, nullptr));
  std::vector<uint8_t> a(1592), b(1592, 77);
  for (size_t i = 0; i < a.size(); ++i) a[i] = static_cast<uint8_t>(i * 7);
  WaveHeader ha{a.data(), 1592, 0}, hb{b.data(), 1592, 0};
  ASSERT_TRUE(wave->prepare(ha) && wave->prepare(hb));
  ASSERT_TRUE(wave->write(ha) && wave->write(hb));
  for (int i = 0; i < 300 && done < 2; ++i) std::this_thread::sleep_for(10ms);
  EXPECT_EQ(done.load(), 2);
  wave->reset();
  wave->close();
  display.close();
  const auto played = os::readFile(folder_.file("audio.raw"));
  ASSERT_TRUE(played);
  EXPECT_NE(std::search(played->begin(), played->end(), a.begin(), a.end()), played->end());
}

TEST_F(SdlBackendTest, EventsBecomeThePhonesMessages) {
  ASSERT_TRUE(platform_->display().open(240, 320));
  drain();
  // Keys, including auto-repeat, and the pen only while the button is held,
  // in frame-buffer pixels (the window is twice the size).
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.keysym.sym = SDLK_SPACE;
  push(key);
  key.key.repeat = 1;
  push(key);
  key.type = SDL_KEYUP;
  push(key);
  key.type = SDL_KEYDOWN;
  key.key.keysym.sym = SDLK_TAB;  // no key of the table
  push(key);
  pushMotion(100, 100);  // not held: nothing
  pushButton(SDL_MOUSEBUTTONDOWN, 20, 40);
  pushMotion(30, 50);
  pushButton(SDL_MOUSEBUTTONUP, 30, 50);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  push(quit);
  std::vector<Message> expected = {{kMessageKeyDown, 13, 0},
                                   {kMessageKeyDown, 13, 0},
                                   {kMessageKeyUp, 13, 0},
                                   {kMessagePenDown, 0, packPoint(10, 20)},
                                   {kMessagePenMove, 0, packPoint(15, 25)},
                                   {kMessagePenUp, 0, packPoint(15, 25)},
                                   {kMessageClose, 0, 0}};
  const std::vector<Message> got = drain();
  ASSERT_EQ(got.size(), expected.size());
  for (size_t i = 0; i < got.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(got[i].id, expected[i].id);
    EXPECT_EQ(got[i].wParam, expected[i].wParam);
    EXPECT_EQ(got[i].lParam, expected[i].lParam);
  }
}

TEST_F(SdlBackendTest, ASecondInstanceAsksTheFirstToComeToTheFront) {
  std::mutex mutex;
  std::vector<std::string> requests;
  SingleInstance first(folder_.file("run"));
  ASSERT_FALSE(first.raiseRunning("", [&](const std::string& openText) {
    std::lock_guard lock(mutex);
    requests.push_back(openText);
  }));
  // Each later start raises the window; one started with a puzzle id hands
  // it over, and a text that cannot be an id only raises.
  for (const char* openText : {"", "8c3p6m-k4x9q", "no/such thing"}) {
    SingleInstance second(folder_.file("run"));
    EXPECT_TRUE(second.raiseRunning(openText, [](const std::string&) {}));
  }
  for (int i = 0; i < 300; ++i) {
    {
      std::lock_guard lock(mutex);
      if (requests.size() >= 3) break;
    }
    std::this_thread::sleep_for(10ms);
  }
  std::lock_guard lock(mutex);
  EXPECT_EQ(requests, (std::vector<std::string>{"", "8c3p6m-k4x9q", ""}));
}

// The platform's own instance: a later start's id arrives as a message
// whose request the frame loop takes.
TEST_F(SdlBackendTest, AnIdHandedOverArrivesAsAnOpenRequest) {
  ASSERT_FALSE(platform_->raiseRunningInstance(""));
  {
    SingleInstance second(folder_.file("run"));
    EXPECT_TRUE(second.raiseRunning("9c2p10h-zzzz0", [](const std::string&) {}));
  }
  std::optional<Message> message;
  for (int i = 0; i < 300 && !message; ++i) {
    platform_->waitMessage(platform_->tickCount() + 10);
    while (auto taken = platform_->takeMessage()) {
      if (taken->id == kMessageOpenRequest) message = taken;
    }
  }
  ASSERT_TRUE(message);
  EXPECT_EQ(platform_->takeOpenRequest(), "9c2p10h-zzzz0");
  EXPECT_FALSE(platform_->takeOpenRequest());
}

// Work on a thread of its own: it runs while the caller goes on, and the
// task's end waits for it.
TEST_F(SdlBackendTest, BackgroundWorkRunsOnAThreadOfItsOwn) {
  std::atomic<bool> release{false};
  std::atomic<bool> finished{false};
  auto task = platform_->startBackgroundTask([&] {
    while (!release) std::this_thread::sleep_for(1ms);
    std::this_thread::sleep_for(20ms);
    finished = true;
  });
  ASSERT_NE(task, nullptr);
  EXPECT_FALSE(finished);
  release = true;
  task.reset();
  EXPECT_TRUE(finished);
}

TEST(FileRegistry, ValuesRoundTripAndOtherLinesAreKept) {
  test::TempFolder folder;
  const std::string path = folder.file("config/brambletop/registry.txt");
  FileRegistry registry(path);
  EXPECT_FALSE(registry.read("A\\B", "Script"));
  const std::string odd = "tab\there\nnew line\\back\\slash";
  ASSERT_TRUE(registry.write("A\\B", "Script", odd));
  ASSERT_TRUE(registry.write("A\\B", "Other", "x"));
  ASSERT_TRUE(registry.write("A\\B", "Script", ""));
  ASSERT_TRUE(registry.write("A\\B", "Script", odd));
  EXPECT_EQ(registry.read("A\\B", "Script"), odd);
  EXPECT_EQ(registry.read("A\\B", "Other"), "x");
  EXPECT_FALSE(registry.read("A", "B\\Script"));

  // A line this program did not write survives later writes.
  const std::string foreign = "not a registry line\n";
  auto bytes = *os::readFile(path);
  bytes.insert(bytes.begin(), foreign.begin(), foreign.end());
  ASSERT_TRUE(os::writeFileAtomically(path, bytes));
  ASSERT_TRUE(registry.write("A\\B", "Other", "y"));
  const auto after = *os::readFile(path);
  EXPECT_TRUE(std::equal(foreign.begin(), foreign.end(), after.begin()));
  EXPECT_EQ(registry.read("A\\B", "Script"), odd);
}

}  // namespace
}  // namespace bt::platform
