#include "levels/LevelFiles.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>

#include "levels/LevelCriteria.h"

namespace bt::levels {

namespace {

constexpr const char* kGeneratedNote =
    "// Written by brambletop-levels (tools/levels): change the tool and run\n"
    "// `brambletop-levels generate .` rather than editing this file.\n";

constexpr size_t kLineLimit = 100;
constexpr size_t kPiecesPerLine = 8;

// "constexpr LevelPiece NAME[] = {...};" on one line when it fits, else the
// pieces eight to a line.
std::string pieceArray(const std::string& name, const std::vector<Piece>& pieces) {
  std::vector<std::string> items;
  for (const Piece& p : pieces) {
    char item[32];
    std::snprintf(item, sizeof item, "{%d, %d, %d}", p.column, p.row, p.colour);
    items.push_back(item);
  }
  std::string oneLine = "constexpr LevelPiece " + name + "[] = {";
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) oneLine += ", ";
    oneLine += items[i];
  }
  oneLine += "};\n";
  if (oneLine.size() <= kLineLimit + 1) return oneLine;
  std::string text = "constexpr LevelPiece " + name + "[] = {\n";
  for (size_t i = 0; i < items.size(); ++i) {
    text += i % kPiecesPerLine == 0 ? "    " : " ";
    text += items[i] + ",";
    if (i % kPiecesPerLine == kPiecesPerLine - 1 || i + 1 == items.size()) text += "\n";
  }
  return text + "};\n";
}

std::string colourText(const Level& level) {
  std::string text;
  for (int colour : coloursOf(level)) {
    if (!text.empty()) text += ' ';
    text += static_cast<char>('0' + colour);
  }
  return text;
}

std::string secondsText(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", seconds);
  return text;
}

std::string shortestText(const DesignedLevel& level) {
  if (level.shortest) return "yes";
  char text[32];
  std::snprintf(text, sizeof text, "no, >= %d", level.provenAtLeast);
  return text;
}

}  // namespace

std::vector<std::string> levelPicture(const Level& level) {
  const PuzzleBoard board(level);
  const Position& start = board.start();
  std::vector<std::string> lines;
  for (int y = 0; y < level.side; ++y) {
    std::string line;
    for (int x = 0; x < level.side; ++x) {
      if (x > 0) line += ' ';
      if (!board.inPlay(x, y)) {
        line += "  ";
        continue;
      }
      const uint8_t marker = start.markers[cellIndex(x, y)];
      const uint8_t tile = board.tile(cellIndex(x, y));
      line += marker == kNone ? '.' : static_cast<char>('1' + marker);
      line += tile == kNone ? '.' : static_cast<char>('A' + tile);
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<int> coloursOf(const Level& level) {
  std::set<int> colours;
  for (const Piece& tile : level.tiles) colours.insert(tile.colour);
  return {colours.begin(), colours.end()};
}

std::string levelDataSource(const std::vector<DesignedLevel>& levels) {
  std::ostringstream out;
  out << kGeneratedNote
      << "//\n"
         "// Each level's picture shows a cell as its marker's colour (1 to 4, or .)\n"
         "// then its tile's colour (A to D for 1 to 4, or .); cut corners are blank.\n"
         "#include \"game/LevelData.h\"\n\n#include <array>\n\nnamespace bt {\n\nnamespace {\n\n"
         "// clang-format off\n";
  for (size_t i = 0; i < levels.size(); ++i) {
    const Level& level = levels[i].level;
    const std::string n = std::to_string(i + 1);
    out << "// Level " << n << ": side " << level.side << ", " << level.tiles.size()
        << " pairs, colours " << colourText(level) << "\n";
    for (const std::string& line : levelPicture(level)) {
      out << "//   " << line << "\n";
    }
    out << pieceArray("kMarkers" + n, level.markers) << pieceArray("kTiles" + n, level.tiles)
        << "\n";
  }
  out << "constexpr std::array kLevels = {\n";
  for (size_t i = 0; i < levels.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    out << "    LevelData{" << levels[i].level.side << ", kMarkers" << n << ", kTiles" << n
        << "},\n";
  }
  out << "};\n// clang-format on\n\n}  // namespace\n\n"
         "std::span<const LevelData> builtInLevels() {\n  return kLevels;\n}\n\n"
         "}  // namespace bt\n";
  return out.str();
}

std::string levelSolutionsSource(const std::vector<DesignedLevel>& levels) {
  std::ostringstream out;
  out << kGeneratedNote
      << "#include <array>\n\n#include \"game/LevelData.h\"\n\nnamespace bt {\n\nnamespace {\n\n"
      << "// Level by level from level 1, with each solution's length: \"shortest\"\n"
         "// where the solver proved that no shorter solution exists, else the\n"
         "// length below which it proved there is none.\n"
      << "// clang-format off\n"
      << "constexpr std::array<std::string_view, kLevelCount> kSolutions = {\n";
  for (size_t i = 0; i < levels.size(); ++i) {
    const DesignedLevel& level = levels[i];
    out << "    \"" << level.solution << "\",  // " << i + 1 << ": " << level.solution.size();
    if (level.shortest) {
      out << ", shortest\n";
    } else {
      out << ", none shorter than " << level.provenAtLeast << "\n";
    }
  }
  out << "};\n// clang-format on\n\n}  // namespace\n\n"
         "std::span<const std::string_view> levelSolutions() {\n  return kSolutions;\n}\n\n"
         "}  // namespace bt\n";
  return out.str();
}

namespace {

std::string figuresRow(int number, const DesignedLevel& d, const LevelFigures& f,
                       int chapterMedian) {
  std::ostringstream row;
  const bool fixed = number <= 3;
  std::string role = fixed ? "fixed" : isBreather(number) ? "breather" : "";
  if (isBreather(number)) role += " (median " + std::to_string(chapterMedian) + ")";
  row << "| " << number << " | " << d.level.side << " | " << d.level.tiles.size() << " | "
      << colourText(d.level) << " | " << chapterOf(number) << (role.empty() ? "" : " " + role)
      << " | " << d.solution.size() << " | " << shortestText(d) << " | " << d.nodes << " | "
      << secondsText(d.seconds) << " | " << f.home << " (" << f.forcedHome << ") | " << f.soloBound
      << " | " << f.margin() << " (" << wantedMargin(f.par) << ") | " << f.pairBound << " | "
      << (fixed ? "" : std::to_string(d.attempts)) << " | `"
      << std::string((d.solution.size() + 1) / 2, '#') << "` |\n";
  return row.str();
}

}  // namespace

std::vector<int> chapterMedians(const std::vector<int>& pars) {
  std::vector<int> medians;
  for (int chapter = 1; chapter <= chapterOf(static_cast<int>(pars.size())); ++chapter) {
    std::vector<int> ordinary;
    for (int n = std::max(4, (chapter - 1) * 6 + 1); n <= std::min<int>(chapter * 6, pars.size());
         ++n) {
      if (!isBreather(n)) ordinary.push_back(pars[n - 1]);
    }
    medians.push_back(medianOf(ordinary));
  }
  return medians;
}

std::string levelsReport(const std::vector<DesignedLevel>& levels) {
  std::vector<int> pars;
  for (const DesignedLevel& d : levels) pars.push_back(static_cast<int>(d.solution.size()));
  const std::vector<int> medians = chapterMedians(pars);
  std::ostringstream out;
  out << "# Levels\n\n"
      << "The " << levels.size()
      << " built-in levels, written with `src/game/LevelData.cpp` and\n"
         "`src/game/LevelSolutions.cpp` by `brambletop-levels generate .` (tools/levels).\n"
         "`brambletop-levels print N` shows a level.\n\n"
         "A solution counts every key that changes the position: a cursor move that\n"
         "moves the cursor, and a turn. *Par* is the recorded solution's length;\n"
         "*proven* means the solver (IDA* on ring turns with a transposition table and\n"
         "a lower bound from exact tables for pairs and triples of markers, see the\n"
         "README's brambletop-levels) proved that nothing shorter exists; otherwise\n"
         "*no, >= N* gives the length below which it proved there is no solution.\n"
         "*Nodes* and *time* are the solver's work on the level as `brambletop-levels\n"
         "solve N` repeats it; nodes are the same on every run, the time is measured\n"
         "(one core, at low priority on a shared machine).\n\n"
         "## How the levels are made\n\n"
         "Levels 1 to 3 are fixed. Every later level keeps its side and number of\n"
         "pairs (level 6: nine markers of colour 1; level 72: twenty-five of colour 3)\n"
         "and is the best of up to 48 candidates from a fixed seed: tiles laid out in\n"
         "one of a few patterns, markers scrambled off them by random turns until none\n"
         "stands on a tile of its colour. Each candidate is solved exactly within\n"
         "2,000,000 nodes; one whose proof needs more is passed over, so every par\n"
         "below is proven by a quick search (where no candidate fits, twelve more are\n"
         "tried within 10,000,000 nodes each). *Candidates* counts those tried up to\n"
         "the last one the search solved.\n"
         "With `--cache FOLDER`, `generate` keeps each finished level there and a\n"
         "later run resumes after it (the repository's cache is `tools/levels/cache`).\n\n"
         "## Criteria\n\n"
         "Every level from 4 on meets these, and `BuiltInLevelsTest` checks them:\n\n"
         "1. **No marker starts at home**: *home* counts the markers that start on a\n"
         "   tile of their own colour, against (in brackets) the fewest that the layout\n"
         "   forces: nonzero only where one colour has more pairs than the cells that\n"
         "   are not its tiles (level 72: 25 markers of one colour on 45 cells).\n"
         "2. **An interlock**: the *solo bound* is what the markers need if each went\n"
         "   home on its own: the larger of (i) the most keys any one marker needs alone\n"
         "   on the board (cursor moves from the start and turns, by breadth-first\n"
         "   search) and (ii) the most turns any one marker needs, or an eighth of all\n"
         "   their turns, plus the cursor moves that bring every misplaced marker into\n"
         "   the ring once. Both are lower bounds. The *margin* par - solo bound is what\n"
         "   the markers' getting in each other's way costs; it is at least 2 keys and\n"
         "   a tenth of par (wanted margin in brackets). *Pair bound* is the solver's\n"
         "   bound from pairs and triples of markers, for comparison.\n"
         "3. **A rising curve with breathers**: the levels come in chapters of six;\n"
         "   the sixth of each chapter (6, 12, ..., 66) is a breather, the others are\n"
         "   ordinary (the fixed levels 1 to 3 take no part). The designer aims the\n"
         "   ordinary levels of chapter k at par 13 + k; the median par of the ordinary\n"
         "   levels never falls from one chapter to the next and rises by at least 10\n"
         "   from the first chapter to the last; a breather's par is below its chapter's\n"
         "   median by at least 3 keys and a fifth of the median. Level 6, nine\n"
         "   markers of one colour, cannot be that easy with every marker off its\n"
         "   tile: it is the easiest candidate found, the one exception. Breathers\n"
         "   with nine pairs or more use three or four colours.\n"
         "4. **No two levels alike**: no level is another turned or mirrored (the eight\n"
         "   symmetries of the cut square), with its colours renamed or not.\n"
         "5. **Par proven**: the *proven* column.\n\n"
         "Chapter medians of the ordinary levels:";
  for (size_t k = 0; k < medians.size(); ++k) out << (k ? ", " : " ") << medians[k];
  out << ".\n\n"
         "| Level | Side | Pairs | Colours | Chapter | Par | Proven | Nodes | Time (s) | "
         "Home (forced) | Solo bound | Margin (wanted) | Pair bound | Candidates | Curve |\n"
         "|---:|---:|---:|---|---|---:|---|---:|---:|---:|---:|---:|---:|---:|---|\n";
  for (size_t i = 0; i < levels.size(); ++i) {
    const int number = static_cast<int>(i + 1);
    const LevelFigures f = measureLevel(levels[i].level, pars[i]);
    out << figuresRow(number, levels[i], f, medians[chapterOf(number) - 1]);
  }
  return out.str();
}

}  // namespace bt::levels
