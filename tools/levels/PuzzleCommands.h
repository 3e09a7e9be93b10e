#pragma once
// brambletop-levels puzzle ID and daily DATE: the endless mode's puzzles as
// the game makes them.
#include <ostream>
#include <string>
#include <vector>

namespace bt::levels {

// args: "puzzle" ID. The puzzle as a picture with its par and solution; a
// mistake in the arguments is said in fault, and nothing is printed.
int printPuzzle(const std::vector<std::string>& args, std::ostream& out, std::string& fault);
// args: "daily" DATE (YYYY-MM-DD, UTC). That day's puzzle id.
int printDailyId(const std::vector<std::string>& args, std::ostream& out, std::string& fault);

}  // namespace bt::levels
