#pragma once
// The day's puzzle, the same for every player: its id follows from the date
// (UTC) alone, so the game, the page and the score server agree without
// asking each other. One medium puzzle a day; the side goes round the week,
// from 5 on a Monday to 10 on a Saturday and 8 on a Sunday.
#include <optional>
#include <string>
#include <string_view>

#include "game/PuzzleId.h"

namespace bt::puzzle {

struct CivilDate {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
};

// The date of "YYYY-MM-DD"; nullopt for any other text or a day that does
// not exist.
std::optional<CivilDate> parseDate(std::string_view text);
std::string formatDate(const CivilDate& date);
// Days since 1970-01-01.
long daysSinceEpoch(const CivilDate& date);
CivilDate dateOfDay(long days);

PuzzleSpec dailyPuzzle(const CivilDate& date);
std::string dailyPuzzleId(const CivilDate& date);

}  // namespace bt::puzzle
