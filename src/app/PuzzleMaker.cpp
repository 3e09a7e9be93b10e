#include "app/PuzzleMaker.h"

#include <algorithm>

namespace bt {

PuzzleMaker::PuzzleMaker(platform::Platform& platform, const puzzle::PuzzleSpec& spec)
    : work_(std::make_shared<Work>(spec)) {
  task_ = platform.startBackgroundTask([work = work_] {
    while (!work->stop.load(std::memory_order_relaxed)) {
      const bool made = work->generator.step(puzzle::PuzzleGenerator::kSliceWork);
      work->units.store(work->generator.workDone(), std::memory_order_relaxed);
      if (made) {
        work->done.store(true, std::memory_order_release);
        return;
      }
    }
  });
}

PuzzleMaker::~PuzzleMaker() {
  work_->stop.store(true, std::memory_order_relaxed);
  task_.reset();
}

bool PuzzleMaker::frame() {
  if (done()) return true;
  if (task_) return false;
  const bool made = work_->generator.step(kFrameWork);
  work_->units.store(work_->generator.workDone(), std::memory_order_relaxed);
  if (made) work_->done.store(true, std::memory_order_release);
  return made;
}

bool PuzzleMaker::done() const {
  return work_->done.load(std::memory_order_acquire);
}

const puzzle::GeneratedPuzzle& PuzzleMaker::puzzle() const {
  return work_->generator.puzzle();
}

int PuzzleMaker::percent() const {
  const uint64_t units = work_->units.load(std::memory_order_relaxed);
  return static_cast<int>(
      std::min<uint64_t>(99, units * 100 / puzzle::PuzzleGenerator::kTotalWork));
}

}  // namespace bt
