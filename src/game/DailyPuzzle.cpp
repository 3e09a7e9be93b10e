#include "game/DailyPuzzle.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>

#include "game/SeededRandom.h"

namespace bt::puzzle {
namespace {

namespace chrono = std::chrono;

// Sides from Monday to Sunday.
constexpr std::array<int, 7> kSideOfWeekday = {5, 6, 7, 8, 9, 10, 8};

int digitsAt(std::string_view text, size_t at, size_t count) {
  int value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

chrono::year_month_day civil(const CivilDate& date) {
  return {chrono::year(date.year), chrono::month(static_cast<unsigned>(date.month)),
          chrono::day(static_cast<unsigned>(date.day))};
}

}  // namespace

std::optional<CivilDate> parseDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const CivilDate date{digitsAt(text, 0, 4), digitsAt(text, 5, 2), digitsAt(text, 8, 2)};
  if (date.year < 0 || date.month < 1 || date.day < 1) return std::nullopt;
  if (!civil(date).ok()) return std::nullopt;
  return date;
}

std::string formatDate(const CivilDate& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

long daysSinceEpoch(const CivilDate& date) {
  return chrono::sys_days(civil(date)).time_since_epoch().count();
}

CivilDate dateOfDay(long days) {
  const chrono::year_month_day ymd{chrono::sys_days(chrono::days(days))};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

PuzzleSpec dailyPuzzle(const CivilDate& date) {
  const long days = daysSinceEpoch(date);
  const chrono::weekday weekday{chrono::sys_days(chrono::days(days))};
  const int side = kSideOfWeekday[(weekday.c_encoding() + 6) % 7];  // Monday first
  SeededRandom random(0x6461696c79ULL ^ static_cast<uint64_t>(days));
  const PairRange pairs = pairRange(side, Difficulty::Medium);
  PuzzleSpec spec;
  spec.side = side;
  spec.difficulty = Difficulty::Medium;
  spec.pairs = random.between(pairs.least, pairs.most);
  spec.colours = std::min(spec.pairs, side >= 8 ? 4 : side >= 6 ? 3 : 2);
  spec.seed = static_cast<uint32_t>(random.next() % kSeedCount);
  return spec;
}

std::string dailyPuzzleId(const CivilDate& date) {
  return formatPuzzleId(dailyPuzzle(date));
}

}  // namespace bt::puzzle
