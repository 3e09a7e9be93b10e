#pragma once
// The daily puzzles the server takes records for: the ids of the last
// kDailyDays days (UTC) by the clock it is given, today first, each puzzle
// made once (PuzzleGenerator) and kept in memory while its day is recent.
// Making one takes up to a few seconds of one core, so it runs outside
// every lock but its own, one puzzle at a time: requests that need no
// puzzle go on meanwhile, and one that needs a puzzle being made waits for
// it. Safe from many threads.
#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/DailyPuzzle.h"
#include "game/PuzzleBoard.h"

namespace bt::scored {

inline constexpr int kDailyDays = 30;
// A record of a day after the server's today comes from a player whose clock
// runs ahead of the server's (or the server's behind): it is "not yet", not
// refused for good, for the days up to this many ahead.
inline constexpr int kDailyDaysAhead = 30;

class DailyPuzzles {
 public:
  using Clock = std::function<std::chrono::system_clock::time_point()>;

  // The system clock when none is given.
  explicit DailyPuzzles(Clock clock = {});

  struct Day {
    puzzle::CivilDate date;
    std::string id;
  };
  // The last kDailyDays days by the clock, today first.
  std::vector<Day> recentDays() const;
  // Whether the id is the puzzle of one of those days.
  bool isRecent(std::string_view id) const;
  // The day after today, up to kDailyDaysAhead, whose puzzle the id is.
  std::optional<puzzle::CivilDate> comingDay(std::string_view id) const;

  struct Puzzle {
    Level level;
    int par = 0;
    bool proven = false;  // par is the shortest; else the best the generator found
  };
  // The puzzle of a recent day's id, made on first use; nullptr for any
  // other id, and once the server is stopping.
  std::shared_ptr<const Puzzle> puzzle(const std::string& id);
  // Makes today's and yesterday's puzzles now, if not made yet: the two the
  // scores page shows and most records are for.
  void prepareLatest();
  // A puzzle being made is given up, and none is made from now on.
  void stop() { stopping_ = true; }
  // How many puzzles were made, for tests.
  int madeCount() const { return madeCount_; }

 private:
  std::shared_ptr<const Puzzle> cached(const std::string& id);
  // Made, or nullptr when stopped on the way.
  std::shared_ptr<const Puzzle> make(const std::string& id) const;
  void keep(const std::string& id, std::shared_ptr<const Puzzle> puzzle);

  Clock clock_;
  std::mutex cacheMutex_;
  std::map<std::string, std::shared_ptr<const Puzzle>> made_;
  std::mutex makingMutex_;  // one puzzle made at a time
  std::atomic<bool> stopping_{false};
  std::atomic<int> madeCount_{0};
};

// The date of a moment, UTC.
puzzle::CivilDate utcDate(std::chrono::system_clock::time_point moment);

// The years a date the server takes as today may fall in: those its clock
// holds (nanoseconds either side of 1970 in 64 bits reach from 1677 to
// 2262), with a month to spare at both ends for the days around today.
inline constexpr int kFirstTodayYear = 1678;
inline constexpr int kLastTodayYear = 2261;
bool canBeToday(const puzzle::CivilDate& date);
// Noon (UTC) of a date that canBeToday.
std::chrono::system_clock::time_point noonOf(const puzzle::CivilDate& date);

}  // namespace bt::scored
