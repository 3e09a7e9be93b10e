#include "levels/LevelFiles.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>

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

std::string colourText(const Level& level) {
  std::string text;
  for (int colour : coloursOf(level)) {
    if (!text.empty()) text += ' ';
    text += static_cast<char>('0' + colour);
  }
  return text;
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
  out << "};\n\n"
         "constexpr std::array<bool, kLevelCount> kProven = {\n";
  constexpr size_t kPerLine = 8;
  for (size_t i = 0; i < levels.size(); ++i) {
    out << (i % kPerLine == 0 ? "    " : " ") << (levels[i].shortest ? "true" : "false") << ",";
    if (i % kPerLine == kPerLine - 1 || i + 1 == levels.size()) out << "\n";
  }
  out << "};\n// clang-format on\n\n}  // namespace\n\n"
         "std::span<const std::string_view> levelSolutions() {\n  return kSolutions;\n}\n\n"
         "std::span<const bool> levelSolutionsProven() {\n  return kProven;\n}\n\n"
         "}  // namespace bt\n";
  return out.str();
}

}  // namespace bt::levels
