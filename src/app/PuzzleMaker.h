#pragma once
// Makes a puzzle of the endless mode where the player is: on a thread of its
// own where the platform has threads (the desktop), else in a slice of work
// each frame (the page, headless runs). Either way the frames keep coming
// and the same puzzle is made (PuzzleGenerator).
#include <atomic>
#include <cstdint>
#include <memory>

#include "game/PuzzleGenerator.h"
#include "platform/Platform.h"

namespace bt {

class PuzzleMaker {
 public:
  // The work between two frames where no thread makes it: a few
  // milliseconds.
  static constexpr uint64_t kFrameWork = 12'000;

  PuzzleMaker(platform::Platform& platform, const puzzle::PuzzleSpec& spec);
  // Asks a thread still making it to stop, and waits for it (a slice).
  ~PuzzleMaker();
  PuzzleMaker(const PuzzleMaker&) = delete;
  PuzzleMaker& operator=(const PuzzleMaker&) = delete;

  // Once a frame: a slice of the work where no thread makes it. True once
  // the puzzle is made.
  bool frame();
  bool done() const;
  // The puzzle, once done.
  const puzzle::GeneratedPuzzle& puzzle() const;
  // How far the work is, 0 to 99 (a puzzle usually comes well before the
  // budget is spent).
  int percent() const;
  // A thread makes it.
  bool inBackground() const { return task_ != nullptr; }

 private:
  struct Work {
    explicit Work(const puzzle::PuzzleSpec& spec) : generator(spec) {}
    puzzle::PuzzleGenerator generator;
    std::atomic<bool> stop{false};
    std::atomic<bool> done{false};
    std::atomic<uint64_t> units{0};
  };

  std::shared_ptr<Work> work_;
  std::unique_ptr<platform::BackgroundTask> task_;
};

}  // namespace bt
