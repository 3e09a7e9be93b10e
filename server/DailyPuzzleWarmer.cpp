#include "DailyPuzzleWarmer.h"

namespace bt::scored {

DailyPuzzleWarmer::DailyPuzzleWarmer(DailyPuzzles& puzzles, std::chrono::milliseconds first,
                                     std::chrono::milliseconds every)
    : puzzles_(puzzles),
      first_(first),
      every_(every),
      thread_([this](std::stop_token stop) { run(stop); }) {}

DailyPuzzleWarmer::~DailyPuzzleWarmer() {
  thread_.request_stop();
  thread_.join();
}

void DailyPuzzleWarmer::run(std::stop_token stop) {
  for (std::chrono::milliseconds wait = first_;; wait = every_) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait_for(lock, stop, wait, [] { return false; });
    }
    if (stop.stop_requested()) return;
    puzzles_.prepareLatest();
  }
}

}  // namespace bt::scored
