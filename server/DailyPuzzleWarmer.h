#pragma once
// Makes the latest daily puzzles before anyone asks: half a minute after
// the server starts (one started for a moment, as a check or a test, makes
// none) and again every minute, so that the first scores page or record of
// a day (UTC) does not wait the second or so a puzzle takes to make. A
// minute after midnight at the latest, the new day's puzzle is ready.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "DailyPuzzles.h"

namespace bt::scored {

class DailyPuzzleWarmer {
 public:
  explicit DailyPuzzleWarmer(DailyPuzzles& puzzles,
                             std::chrono::milliseconds first = std::chrono::seconds(30),
                             std::chrono::milliseconds every = std::chrono::minutes(1));
  // Stops and joins the thread; a puzzle being made is finished first
  // unless the puzzles were stopped.
  ~DailyPuzzleWarmer();
  DailyPuzzleWarmer(const DailyPuzzleWarmer&) = delete;
  DailyPuzzleWarmer& operator=(const DailyPuzzleWarmer&) = delete;

 private:
  void run(std::stop_token stop);

  DailyPuzzles& puzzles_;
  const std::chrono::milliseconds first_;
  const std::chrono::milliseconds every_;
  std::mutex mutex_;
  std::condition_variable_any wake_;
  std::jthread thread_;  // last, so that it starts after the rest is made
};

}  // namespace bt::scored
