#include "DailyPuzzles.h"

#include <algorithm>

#include "game/PuzzleGenerator.h"
#include "game/PuzzleId.h"

namespace bt::scored {

puzzle::CivilDate utcDate(std::chrono::system_clock::time_point moment) {
  const auto days = std::chrono::floor<std::chrono::days>(moment);
  return puzzle::dateOfDay(static_cast<long>(days.time_since_epoch().count()));
}

bool canBeToday(const puzzle::CivilDate& date) {
  return date.year >= kFirstTodayYear && date.year <= kLastTodayYear;
}

std::chrono::system_clock::time_point noonOf(const puzzle::CivilDate& date) {
  return std::chrono::sys_days(std::chrono::days(puzzle::daysSinceEpoch(date))) +
         std::chrono::hours(12);
}

DailyPuzzles::DailyPuzzles(Clock clock) : clock_(std::move(clock)) {
  if (!clock_) clock_ = [] { return std::chrono::system_clock::now(); };
}

std::vector<DailyPuzzles::Day> DailyPuzzles::recentDays() const {
  const long today = puzzle::daysSinceEpoch(utcDate(clock_()));
  std::vector<Day> days;
  for (long day = today; day > today - kDailyDays; --day) {
    const puzzle::CivilDate date = puzzle::dateOfDay(day);
    days.push_back({date, puzzle::dailyPuzzleId(date)});
  }
  return days;
}

bool DailyPuzzles::isRecent(std::string_view id) const {
  const std::vector<Day> days = recentDays();
  return std::any_of(days.begin(), days.end(), [id](const Day& day) { return day.id == id; });
}

std::optional<puzzle::CivilDate> DailyPuzzles::comingDay(std::string_view id) const {
  const long today = puzzle::daysSinceEpoch(utcDate(clock_()));
  for (long day = today + 1; day <= today + kDailyDaysAhead; ++day) {
    const puzzle::CivilDate date = puzzle::dateOfDay(day);
    if (puzzle::dailyPuzzleId(date) == id) return date;
  }
  return std::nullopt;
}

std::shared_ptr<const DailyPuzzles::Puzzle> DailyPuzzles::puzzle(const std::string& id) {
  if (!isRecent(id)) return nullptr;
  if (auto found = cached(id)) return found;
  std::lock_guard making(makingMutex_);
  // Another request may have made it while this one waited.
  if (auto found = cached(id)) return found;
  std::shared_ptr<const Puzzle> made = make(id);
  if (made) {
    ++madeCount_;
    keep(id, made);
  }
  return made;
}

void DailyPuzzles::prepareLatest() {
  const std::vector<Day> days = recentDays();
  for (size_t i = 0; i < 2 && i < days.size(); ++i) puzzle(days[i].id);
}

std::shared_ptr<const DailyPuzzles::Puzzle> DailyPuzzles::cached(const std::string& id) {
  std::lock_guard lock(cacheMutex_);
  const auto found = made_.find(id);
  return found == made_.end() ? nullptr : found->second;
}

std::shared_ptr<const DailyPuzzles::Puzzle> DailyPuzzles::make(const std::string& id) const {
  const std::optional<puzzle::PuzzleSpec> spec = puzzle::parsePuzzleId(id);
  if (!spec || stopping_) return nullptr;
  // A candidate at a time, so that a stop is not kept waiting.
  puzzle::PuzzleGenerator generator(*spec);
  while (!generator.step()) {
    if (stopping_) return nullptr;
  }
  const puzzle::GeneratedPuzzle& made = generator.puzzle();
  return std::make_shared<const Puzzle>(Puzzle{made.level, made.par, made.proven});
}

void DailyPuzzles::keep(const std::string& id, std::shared_ptr<const Puzzle> puzzle) {
  const std::vector<Day> days = recentDays();
  std::lock_guard lock(cacheMutex_);
  // Days no longer recent are let go, so that the cache holds a month.
  std::erase_if(made_, [&days](const auto& entry) {
    return std::none_of(days.begin(), days.end(),
                        [&entry](const Day& day) { return day.id == entry.first; });
  });
  made_[id] = std::move(puzzle);
}

}  // namespace bt::scored
