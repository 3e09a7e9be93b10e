#include "levels/LevelCache.h"

#include <charconv>
#include <cstdio>
#include <sstream>

#include "platform/os/FileSystem.h"

namespace bt::levels {

namespace {

constexpr size_t kMostCacheBytes = 64 * 1024;

std::string headerLine() {
  return "brambletop-levels cache 1 design " + std::to_string(kDesignVersion);
}

std::string piecesText(const std::vector<Piece>& pieces) {
  std::string text;
  for (const Piece& p : pieces) {
    text += ' ' + std::to_string(p.column) + ',' + std::to_string(p.row) + ',' +
            std::to_string(p.colour);
  }
  return text;
}

bool parseNumber(std::string_view text, auto& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool parsePieces(std::string_view text, int side, std::vector<Piece>& pieces) {
  std::istringstream words{std::string(text)};
  for (std::string word; words >> word;) {
    const size_t a = word.find(','), b = word.find(',', a + 1);
    if (a == std::string::npos || b == std::string::npos) return false;
    Piece p;
    const std::string_view w = word;
    if (!parseNumber(w.substr(0, a), p.column) || !parseNumber(w.substr(a + 1, b - a - 1), p.row) ||
        !parseNumber(w.substr(b + 1), p.colour)) {
      return false;
    }
    if (p.column < 1 || p.column > side || p.row < 1 || p.row > side || p.colour < 1 ||
        p.colour > 4) {
      return false;
    }
    pieces.push_back(p);
  }
  return !pieces.empty();
}

}  // namespace

std::string cachedLevelText(int number, const DesignedLevel& d) {
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.2f", d.seconds);
  std::ostringstream out;
  out << headerLine() << "\nlevel " << number << "\nside " << d.level.side << "\nmarkers"
      << piecesText(d.level.markers) << "\ntiles" << piecesText(d.level.tiles) << "\nsolution "
      << d.solution << "\nshortest " << (d.shortest ? 1 : 0) << "\nproven-at-least "
      << d.provenAtLeast << "\nscramble-turns " << d.scrambleTurns << "\nattempts " << d.attempts
      << "\nnodes " << d.nodes << "\nseconds " << seconds << '\n';
  return out.str();
}

std::optional<DesignedLevel> parseCachedLevel(int number, std::string_view text) {
  std::istringstream lines{std::string(text)};
  std::string line;
  if (!std::getline(lines, line) || line != headerLine()) return std::nullopt;
  DesignedLevel d;
  int level = 0, shortest = -1;
  bool ok = true;
  const auto field = [&](const char* name, std::string& value) {
    const std::string prefix = std::string(name) + ' ';
    ok = ok && std::getline(lines, line) && line.rfind(prefix, 0) == 0;
    if (ok) value = line.substr(prefix.size());
    return ok;
  };
  std::string value;
  ok = field("level", value) && parseNumber(value, level) && level == number;
  ok = ok && field("side", value) && parseNumber(value, d.level.side) && d.level.side >= 5 &&
       d.level.side <= kMaxSide;
  ok = ok && std::getline(lines, line) && line.rfind("markers", 0) == 0 &&
       parsePieces(std::string_view(line).substr(7), d.level.side, d.level.markers);
  ok = ok && std::getline(lines, line) && line.rfind("tiles", 0) == 0 &&
       parsePieces(std::string_view(line).substr(5), d.level.side, d.level.tiles);
  ok = ok && field("solution", d.solution);
  ok = ok && field("shortest", value) && parseNumber(value, shortest) && shortest >= 0 &&
       shortest <= 1;
  ok = ok && field("proven-at-least", value) && parseNumber(value, d.provenAtLeast);
  ok = ok && field("scramble-turns", value) && parseNumber(value, d.scrambleTurns);
  ok = ok && field("attempts", value) && parseNumber(value, d.attempts);
  ok = ok && field("nodes", value) && parseNumber(value, d.nodes);
  ok = ok && field("seconds", value);
  if (!ok || d.level.markers.size() != d.level.tiles.size()) return std::nullopt;
  d.seconds = std::strtod(value.c_str(), nullptr);
  d.shortest = shortest == 1;
  // The solution must still solve the level it is kept with.
  const PuzzleBoard board(d.level);
  for (const Piece& p : d.level.markers) {
    if (!board.inPlay(p.column - 1, p.row - 1)) return std::nullopt;
  }
  Position position = board.start();
  if (!board.play(position, d.solution) || !board.solved(position)) return std::nullopt;
  return d;
}

std::string cachedLevelPath(const std::string& folder, int number) {
  char name[32];
  std::snprintf(name, sizeof name, "/level-%02d.txt", number);
  return folder + name;
}

std::optional<DesignedLevel> readCachedLevel(const std::string& folder, int number) {
  const std::string path = cachedLevelPath(folder, number);
  if (!os::exists(path)) return std::nullopt;
  const auto bytes = os::readFile(path, kMostCacheBytes);
  if (!bytes) return std::nullopt;
  return parseCachedLevel(
      number, std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

bool writeCachedLevel(const std::string& folder, int number, const DesignedLevel& level) {
  const std::string text = cachedLevelText(number, level);
  return os::writeFileAtomically(cachedLevelPath(folder, number),
                                 reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

}  // namespace bt::levels
