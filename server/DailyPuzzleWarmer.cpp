#include "DailyPuzzleWarmer.h"

namespace bt::scored {

DailyPuzzleWarmer::DailyPuzzleWarmer(DailyPuzzles& puzzles, std::chrono::milliseconds every)
    : puzzles_(puzzles), every_(every), thread_([this](std::stop_token stop) { run(stop); }) {}

DailyPuzzleWarmer::~DailyPuzzleWarmer() {
  thread_.request_stop();
  thread_.join();
}

void DailyPuzzleWarmer::run(std::stop_token stop) {
  while (!stop.stop_requested()) {
    puzzles_.prepareLatest();
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, stop, every_, [] { return false; });
  }
}

}  // namespace bt::scored
