#include "levels/LevelsTool.h"

#include <charconv>
#include <chrono>
#include <exception>
#include <iomanip>
#include <optional>

#include "game/LevelData.h"
#include "levels/LevelCache.h"
#include "levels/LevelDesigner.h"
#include "levels/LevelFiles.h"
#include "levels/LevelsReport.h"
#include "levels/PuzzleCommands.h"
#include "platform/os/FileSystem.h"

namespace bt::levels {

namespace {

const std::string kUsage =
    "usage: brambletop-levels generate ROOT [--cache FOLDER]\n"
    "                                         design and solve all " +
    std::to_string(kLevelCount) +
    " levels, write\n"
    "                                         ROOT/src/game/LevelData.cpp,\n"
    "                                         ROOT/src/game/LevelSolutions.cpp and\n"
    "                                         ROOT/docs/levels.md; with a cache, each\n"
    "                                         level is kept there when done and not\n"
    "                                         made again by a later run\n"
    "       brambletop-levels write ROOT --cache FOLDER\n"
    "                                         write the same three files from the\n"
    "                                         levels in the cache, which must hold\n"
    "                                         them all\n"
    "       brambletop-levels print N         built-in level N (1 to " +
    std::to_string(kLevelCount) +
    ") as a picture\n"
    "                                         with its recorded solution\n"
    "       brambletop-levels solve N [MOVES] [--nodes COUNT]\n"
    "                                         a shortest solution of level N from its\n"
    "                                         start after MOVES (U D L R < >), proven\n"
    "                                         or the best found within COUNT solver\n"
    "                                         nodes (default 5000000, about 10 s)\n"
    "       brambletop-levels puzzle ID       the endless mode's puzzle ID (for instance\n"
    "                                         8c3p6m-k4x9q) with its par\n"
    "       brambletop-levels daily DATE      the id of the daily puzzle of DATE\n"
    "                                         (YYYY-MM-DD, UTC)\n"
    "       brambletop-levels --help          this text\n";

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
  return levelOf(builtInLevels()[number - 1]);
}

// The moves that undo a move string played without a refusal.
std::string undoingMoves(std::string_view moves) {
  std::string undo(moves.rbegin(), moves.rend());
  for (char& move : undo) {
    switch (move) {
      case kUp:
        move = kDown;
        break;
      case kDown:
        move = kUp;
        break;
      case kLeft:
        move = kRight;
        break;
      case kRight:
        move = kLeft;
        break;
      case kTurnLeft:
        move = kTurnRight;
        break;
      default:
        move = kTurnLeft;
        break;
    }
  }
  return undo;
}

bool writeText(const std::string& path, const std::string& text, std::ostream& err) {
  if (os::writeFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size())) {
    return true;
  }
  err << "brambletop-levels: " << path << ": cannot write\n";
  return false;
}

// The folders `generate` and `write` write to, found out before the
// designing, which takes minutes.
bool foldersWritable(const std::string& root, const std::string& cache, std::ostream& err) {
  std::vector<std::string> folders = {root + "/src/game", root + "/docs"};
  if (!cache.empty()) folders.push_back(cache);
  for (const std::string& folder : folders) {
    if (!os::isWritableFolder(folder)) {
      err << "brambletop-levels: " << folder << ": not a folder that can be written\n";
      return false;
    }
  }
  return true;
}

// The game's sources and docs/levels.md.
int writeLevels(const std::string& root, const std::vector<DesignedLevel>& levels,
                std::ostream& err) {
  const bool written =
      writeText(root + "/src/game/LevelData.cpp", levelDataSource(levels), err) &&
      writeText(root + "/src/game/LevelSolutions.cpp", levelSolutionsSource(levels), err) &&
      writeText(root + "/docs/levels.md", levelsReport(levels), err);
  return written ? kExitDone : kExitFailed;
}

int generate(const std::string& root, const std::string& cache, std::ostream& out,
             std::ostream& err) {
  if (!foldersWritable(root, cache, err)) return kExitFailed;
  std::vector<DesignedLevel> levels;
  for (int number = 1; number <= kLevelCount; ++number) {
    const std::optional<DesignedLevel> cached =
        cache.empty() ? std::nullopt : readCachedLevel(cache, number);
    try {
      levels.push_back(cached ? *cached : designLevel(number, levels));
    } catch (const std::exception& failure) {
      // No candidate the budgets could solve: the levels before it stay in
      // the cache, and nothing else is written.
      err << "brambletop-levels: level " << number << ": " << failure.what() << '\n';
      return kExitFailed;
    }
    const DesignedLevel& d = levels.back();
    out << "level " << number << ": " << d.solution.size() << " moves"
        << (d.shortest ? " (shortest)" : "") << ", " << d.seconds << " s"
        << (cached ? " (cached)" : "") << '\n'
        << std::flush;
    if (!cached && !cache.empty() && !writeCachedLevel(cache, number, d)) {
      err << "brambletop-levels: " << cachedLevelPath(cache, number) << ": cannot write\n";
      return kExitFailed;
    }
  }
  return writeLevels(root, levels, err);
}

// Every level from the cache; nothing is written when one is missing.
int writeFromCache(const std::string& root, const std::string& cache, std::ostream& out,
                   std::ostream& err) {
  if (!foldersWritable(root, cache, err)) return kExitFailed;
  std::vector<DesignedLevel> levels;
  for (int number = 1; number <= kLevelCount; ++number) {
    std::optional<DesignedLevel> cached = readCachedLevel(cache, number);
    if (!cached) {
      err << "brambletop-levels: " << cachedLevelPath(cache, number)
          << ": missing, damaged or from another design version\n";
      return kExitFailed;
    }
    levels.push_back(std::move(*cached));
  }
  out << "levels 1 to " << kLevelCount << " from the cache\n";
  return writeLevels(root, levels, err);
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

struct SolveRequest {
  int number = 0;
  std::string moves;
  uint64_t nodes = kQuickSolveBudget;
};

// Parses "N [MOVES] [--nodes COUNT]"; a fault is a message, else empty.
std::string parseSolve(const std::vector<std::string>& args, SolveRequest& request) {
  std::vector<std::string> plain;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] != "--nodes") {
      plain.push_back(args[i]);
      continue;
    }
    if (i + 1 == args.size()) return "--nodes needs a count";
    const std::string& text = args[++i];
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), request.nodes);
    if (error != std::errc() || end != text.data() + text.size() || request.nodes == 0) {
      return "--nodes needs a count above 0, not \"" + text + "\"";
    }
  }
  if (plain.empty() || plain.size() > 2) return "solve takes a level and moves";
  request.number = levelNumber(plain[0]);
  if (request.number == 0)
    return "no level \"" + plain[0] + "\" (levels are 1 to " + std::to_string(kLevelCount) + ")";
  if (plain.size() == 2) request.moves = plain[1];
  return {};
}

int solve(const SolveRequest& request, std::ostream& out, std::ostream& err) {
  PuzzleBoard board(builtInLevel(request.number));
  Position position = board.start();
  for (size_t i = 0; i < request.moves.size(); ++i) {
    if (!board.apply(position, request.moves[i])) {
      return usageError("move " + std::to_string(i + 1) + " '" + request.moves[i] + "' of \"" +
                            request.moves + "\" is refused there",
                        err);
    }
  }
  board.setStart(position);
  // A known solution from there: the rest of the recorded one, or undoing
  // the moves and playing the recorded one.
  const std::string_view recorded = levelSolutions()[request.number - 1];
  const std::string fallback = recorded.starts_with(request.moves)
                                   ? std::string(recorded.substr(request.moves.size()))
                                   : undoingMoves(request.moves) + std::string(recorded);
  const auto began = std::chrono::steady_clock::now();
  const SolveReport report = solveBoard(board, fallback, request.nodes);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  out << "Level " << request.number;
  if (!request.moves.empty()) out << " after " << request.moves.size() << " moves";
  out << ": " << report.solution.size() << " moves, ";
  if (report.shortest) {
    out << "proven shortest";
  } else {
    out << "best found, none shorter than " << report.provenAtLeast;
  }
  out << ", " << report.nodes << " nodes, " << std::fixed << std::setprecision(2) << seconds
      << " s\n"
      << report.solution << '\n';
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
  if (command == "puzzle" || command == "daily") {
    std::string fault;
    const int status =
        command == "puzzle" ? printPuzzle(args, out, fault) : printDailyId(args, out, fault);
    return fault.empty() ? status : usageError(fault, err);
  }
  if (command != "generate" && command != "write" && command != "print" && command != "solve") {
    return usageError("unknown command \"" + command + "\"", err);
  }
  if (command == "solve") {
    SolveRequest request;
    const std::string fault = parseSolve(args, request);
    return fault.empty() ? solve(request, out, err) : usageError(fault, err);
  }
  if (command == "generate") {
    const bool withCache = args.size() == 4 && args[2] == "--cache";
    if (args.size() != 2 && !withCache)
      return usageError("generate takes ROOT [--cache FOLDER]", err);
    return generate(args[1], withCache ? args[3] : std::string(), out, err);
  }
  if (command == "write") {
    if (args.size() != 4 || args[2] != "--cache")
      return usageError("write takes ROOT --cache FOLDER", err);
    return writeFromCache(args[1], args[3], out, err);
  }
  if (args.size() != 2) return usageError(command + " takes one argument", err);
  const int number = levelNumber(args[1]);
  if (number == 0)
    return usageError(
        "no level \"" + args[1] + "\" (levels are 1 to " + std::to_string(kLevelCount) + ")", err);
  return print(number, out);
}

}  // namespace bt::levels
