#pragma once
// A puzzle of the endless mode chosen to play: its id and, for the day's
// puzzle, its date.
#include <string>

#include "game/PuzzleId.h"

namespace bt {

struct PuzzleChoice {
  puzzle::PuzzleSpec spec;
  std::string date;  // "YYYY-MM-DD" (UTC) for the daily puzzle, "" for any other
  bool daily() const { return !date.empty(); }
};

}  // namespace bt
