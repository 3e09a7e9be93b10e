#include "levels/PuzzleCommands.h"

#include "game/DailyPuzzle.h"
#include "game/PuzzleGenerator.h"
#include "levels/LevelFiles.h"
#include "levels/LevelsTool.h"

namespace bt::levels {

int printPuzzle(const std::vector<std::string>& args, std::ostream& out, std::string& fault) {
  if (args.size() != 2) {
    fault = "puzzle takes one id, for instance 8c3p6m-k4x9q";
    return kExitUsage;
  }
  const auto spec = puzzle::parsePuzzleId(args[1]);
  if (!spec) {
    fault = "\"" + args[1] + "\" is not a puzzle id";
    return kExitUsage;
  }
  const puzzle::GeneratedPuzzle made = puzzle::generatePuzzle(*spec);
  out << "Puzzle " << puzzle::formatPuzzleId(*spec) << ": side " << spec->side << ", "
      << spec->colours << " colours, " << spec->pairs << " pairs, "
      << puzzle::difficultyName(spec->difficulty) << ", par " << made.par
      << (made.proven
              ? " (proven)"
              : " (best found; none shorter than " + std::to_string(made.provenAtLeast) + ")")
      << '\n'
      << made.candidates << " candidates, " << made.work << " units of work"
      << (made.meetsCriteria ? "" : ", the nearest to the criteria (none met them)") << '\n';
  for (const std::string& line : levelPicture(made.level)) out << "  " << line << '\n';
  out << "(marker colour 1-4 or ., then tile colour A-D or .)\n" << made.solution << '\n';
  return kExitDone;
}

int printDailyId(const std::vector<std::string>& args, std::ostream& out, std::string& fault) {
  if (args.size() != 2) {
    fault = "daily takes a date, YYYY-MM-DD";
    return kExitUsage;
  }
  const auto date = puzzle::parseDate(args[1]);
  if (!date) {
    fault = "\"" + args[1] + "\" is not a date (YYYY-MM-DD)";
    return kExitUsage;
  }
  out << puzzle::dailyPuzzleId(*date) << '\n';
  return kExitDone;
}

}  // namespace bt::levels
