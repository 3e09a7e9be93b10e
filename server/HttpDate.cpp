#include "HttpDate.h"

#include <array>
#include <cstdio>

namespace bt::scored {
namespace {

using namespace std::chrono;

constexpr std::array<std::string_view, 7> kDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 7> kLongDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Reads a date from the front; once a step has failed, every later one fails.
class DateReader {
 public:
  explicit DateReader(std::string_view text) : rest_(text) {}

  DateReader& literal(std::string_view expected) {
    ok_ = ok_ && rest_.starts_with(expected);
    if (ok_) rest_.remove_prefix(expected.size());
    return *this;
  }
  // Exactly `count` digits.
  DateReader& number(size_t count, int& out) {
    out = 0;
    for (size_t i = 0; ok_ && i < count; ++i) {
      ok_ = i < rest_.size() && rest_[i] >= '0' && rest_[i] <= '9';
      if (ok_) out = out * 10 + (rest_[i] - '0');
    }
    if (ok_) rest_.remove_prefix(count);
    return *this;
  }
  // One of `names`; `out` is its place, from 1.
  template <size_t N>
  DateReader& name(const std::array<std::string_view, N>& names, int& out) {
    out = 0;
    for (size_t i = 0; ok_ && out == 0 && i < N; ++i) {
      if (rest_.starts_with(names[i])) out = static_cast<int>(i) + 1;
    }
    ok_ = ok_ && out != 0;
    if (ok_) rest_.remove_prefix(names[static_cast<size_t>(out) - 1].size());
    return *this;
  }
  DateReader& timeOfDay(seconds& out) {
    int hour = 0;
    int minute = 0;
    int second = 0;
    number(2, hour).literal(":").number(2, minute).literal(":").number(2, second);
    ok_ = ok_ && hour < 24 && minute < 60 && second <= 60;  // 60: a leap second
    out = hours(hour) + minutes(minute) + seconds(second);
    return *this;
  }
  bool done() const { return ok_ && rest_.empty(); }
  bool failed() const { return !ok_; }

 private:
  std::string_view rest_;
  bool ok_ = true;
};

std::optional<sys_seconds> timeOf(int yearNumber, int monthNumber, int dayNumber, seconds time) {
  const year_month_day date{year(yearNumber), month(static_cast<unsigned>(monthNumber)),
                            day(static_cast<unsigned>(dayNumber))};
  if (!date.ok()) return std::nullopt;
  return sys_days(date) + time;
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string formatHttpDate(sys_seconds time) {
  const sys_days date = floor<days>(time);
  const year_month_day calendar(date);
  const hh_mm_ss clock(time - date);
  char text[48];
  std::snprintf(text, sizeof text, "%s, %02u %s %04d %02d:%02d:%02d GMT",
                kDays[weekday(date).c_encoding()].data(), static_cast<unsigned>(calendar.day()),
                kMonths[static_cast<unsigned>(calendar.month()) - 1].data(),
                static_cast<int>(calendar.year()), static_cast<int>(clock.hours().count()),
                static_cast<int>(clock.minutes().count()),
                static_cast<int>(clock.seconds().count()));
  return text;
}

std::optional<sys_seconds> parseHttpDate(std::string_view text, sys_seconds now) {
  text = trim(text);
  int weekdayNumber = 0;  // read, but not held against the date
  int dayNumber = 0;
  int monthNumber = 0;
  int yearNumber = 0;
  seconds time{};

  DateReader fixed(text);
  fixed.name(kDays, weekdayNumber).literal(", ").number(2, dayNumber).literal(" ");
  fixed.name(kMonths, monthNumber).literal(" ").number(4, yearNumber).literal(" ");
  if (fixed.timeOfDay(time).literal(" GMT").done()) {
    return timeOf(yearNumber, monthNumber, dayNumber, time);
  }

  DateReader rfc850(text);
  rfc850.name(kLongDays, weekdayNumber).literal(", ").number(2, dayNumber).literal("-");
  rfc850.name(kMonths, monthNumber).literal("-").number(2, yearNumber).literal(" ");
  if (rfc850.timeOfDay(time).literal(" GMT").done()) {
    const int thisYear = static_cast<int>(year_month_day(floor<days>(now)).year());
    yearNumber += thisYear - thisYear % 100;
    if (yearNumber > thisYear + 50) yearNumber -= 100;
    return timeOf(yearNumber, monthNumber, dayNumber, time);
  }

  // The day of the month is two digits or a space and one.
  DateReader asctime(text);
  asctime.name(kDays, weekdayNumber).literal(" ").name(kMonths, monthNumber).literal(" ");
  DateReader spaced = asctime;
  if (spaced.literal(" ").number(1, dayNumber).failed()) {
    asctime.number(2, dayNumber);
  } else {
    asctime = spaced;
  }
  if (asctime.literal(" ").timeOfDay(time).literal(" ").number(4, yearNumber).done()) {
    return timeOf(yearNumber, monthNumber, dayNumber, time);
  }
  return std::nullopt;
}

}  // namespace bt::scored
