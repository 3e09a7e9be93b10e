#include "levels/LevelsTool.h"

#include <charconv>
#include <chrono>

#include "game/LevelData.h"
#include "levels/LevelDesigner.h"
#include "levels/LevelFiles.h"
#include "platform/os/FileSystem.h"

namespace bt::levels {

namespace {

const std::string kUsage =
    "usage: brambletop-levels generate ROOT   design and solve all " + std::to_string(kLevelCount) +
    " levels, write\n"
    "                                         ROOT/src/game/LevelData.cpp,\n"
    "                                         ROOT/src/game/LevelSolutions.cpp and\n"
    "                                         ROOT/docs/levels.md\n"
    "       brambletop-levels print N         built-in level N (1 to " +
    std::to_string(kLevelCount) +
    ") as a picture\n"
    "                                         with its recorded solution\n"
    "       brambletop-levels solve N         solve built-in level N afresh and time it\n"
    "       brambletop-levels --help          this text\n";

constexpr uint64_t kSolveBudget = 12'000'000;

int usageError(const std::string& fault, std::ostream& err) {
  err << "brambletop-levels: " << fault << '\n' << kUsage;
  return kExitUsage;
}

// The level number of an argument, or 0 when it is not one of 1 to kLevelCount.
int levelNumber(const std::string& text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  return number >= 1 && number <= kLevelCount ? number : 0;
}

Level builtInLevel(int number) {
  const LevelData& data = builtInLevels()[number - 1];
  Level level;
  level.side = data.side;
  for (const LevelPiece& p : data.markers) level.markers.push_back({p.column, p.row, p.colour});
  for (const LevelPiece& p : data.tiles) level.tiles.push_back({p.column, p.row, p.colour});
  return level;
}

bool writeText(const std::string& path, const std::string& text, std::ostream& err) {
  if (os::writeFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size())) {
    return true;
  }
  err << "brambletop-levels: " << path << ": cannot write\n";
  return false;
}

int generate(const std::string& root, std::ostream& out, std::ostream& err) {
  // Found out before the designing, which takes minutes.
  for (const std::string& folder : {root + "/src/game", root + "/docs"}) {
    if (!os::isWritableFolder(folder)) {
      err << "brambletop-levels: " << folder << ": not a folder that can be written\n";
      return kExitFailed;
    }
  }
  std::vector<DesignedLevel> levels;
  for (int number = 1; number <= kLevelCount; ++number) {
    levels.push_back(designLevel(number));
    const DesignedLevel& d = levels.back();
    out << "level " << number << ": " << d.solution.size() << " moves"
        << (d.shortest ? " (shortest)" : "") << ", " << d.seconds << " s\n"
        << std::flush;
  }
  const bool written =
      writeText(root + "/src/game/LevelData.cpp", levelDataSource(levels), err) &&
      writeText(root + "/src/game/LevelSolutions.cpp", levelSolutionsSource(levels), err) &&
      writeText(root + "/docs/levels.md", levelsReport(levels), err);
  return written ? kExitDone : kExitFailed;
}

int print(int number, std::ostream& out) {
  const Level level = builtInLevel(number);
  const std::string_view solution = levelSolutions()[number - 1];
  out << "Level " << number << ": side " << level.side << ", " << level.tiles.size()
      << " pairs, solution " << solution.size() << " moves\n";
  for (const std::string& line : levelPicture(level)) out << "  " << line << '\n';
  out << "(marker colour 1-4 or ., then tile colour A-D or .)\n" << solution << '\n';
  return kExitDone;
}

int solve(int number, std::ostream& out) {
  const Level level = builtInLevel(number);
  const auto began = std::chrono::steady_clock::now();
  const SolveReport report =
      solveLevel(level, std::string(levelSolutions()[number - 1]), kSolveBudget);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  out << "Level " << number << ": " << report.solution.size() << " moves";
  if (report.shortest) {
    out << " (shortest)";
  } else {
    out << " (none shorter than " << report.provenAtLeast << ")";
  }
  out << ", " << report.nodes << " nodes, " << seconds << " s\n" << report.solution << '\n';
  return kExitDone;
}

}  // namespace

int runLevelsTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return usageError("no command given", err);
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return kExitDone;
  }
  if (command != "generate" && command != "print" && command != "solve") {
    return usageError("unknown command \"" + command + "\"", err);
  }
  if (args.size() != 2) return usageError(command + " takes one argument", err);
  if (command == "generate") return generate(args[1], out, err);
  const int number = levelNumber(args[1]);
  if (number == 0)
    return usageError(
        "no level \"" + args[1] + "\" (levels are 1 to " + std::to_string(kLevelCount) + ")", err);
  return command == "print" ? print(number, out) : solve(number, out);
}

}  // namespace bt::levels
