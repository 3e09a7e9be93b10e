// A puzzle made where the player is: on a thread where the platform has
// one, else a slice a frame; the same puzzle either way, and a maker left
// midway stops its thread.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "app/PuzzleMaker.h"
#include "platform/headless/HeadlessPlatform.h"

namespace bt::test {
namespace {

using namespace std::chrono_literals;

// The headless platform with threads, as the desktop has them.
class ThreadedPlatform : public platform::HeadlessPlatform {
 public:
  struct Task : platform::BackgroundTask {
    explicit Task(std::function<void()> work) : thread(std::move(work)) {}
    ~Task() override { thread.join(); }
    std::thread thread;
  };
  std::unique_ptr<platform::BackgroundTask> startBackgroundTask(
      std::function<void()> work) override {
    return std::make_unique<Task>(std::move(work));
  }
};

TEST(PuzzleMaker, MakesTheSamePuzzleOnAThreadAsInSlices) {
  const auto spec = puzzle::parsePuzzleId("8c4p9h-abcde");
  ASSERT_TRUE(spec);
  const puzzle::GeneratedPuzzle whole = puzzle::generatePuzzle(*spec);
  platform::HeadlessPlatform plain;
  ThreadedPlatform threaded;
  for (platform::Platform* where :
       {static_cast<platform::Platform*>(&plain), static_cast<platform::Platform*>(&threaded)}) {
    PuzzleMaker maker(*where, *spec);
    EXPECT_EQ(maker.inBackground(), where == &threaded);
    int frames = 0;
    int percent = 0;
    while (!maker.frame()) {
      EXPECT_GE(maker.percent(), percent);
      percent = maker.percent();
      ++frames;
      if (maker.inBackground()) std::this_thread::sleep_for(1ms);
    }
    SCOPED_TRACE(maker.inBackground() ? "on a thread" : "in slices");
    EXPECT_GT(frames, 1);
    EXPECT_TRUE(maker.done());
    EXPECT_EQ(maker.puzzle().level.markers, whole.level.markers);
    EXPECT_EQ(maker.puzzle().solution, whole.solution);
    EXPECT_EQ(maker.puzzle().work, whole.work);
  }
}

TEST(PuzzleMaker, LeftMidwayItsThreadStops) {
  ThreadedPlatform threaded;
  const auto spec = puzzle::parsePuzzleId("9c1p10h-9d6sb");  // spends the whole budget
  ASSERT_TRUE(spec);
  auto maker = std::make_unique<PuzzleMaker>(threaded, *spec);
  std::this_thread::sleep_for(5ms);
  EXPECT_FALSE(maker->done());
  maker.reset();  // returns once the thread has seen the request and ended
}

}  // namespace
}  // namespace bt::test
