#include "game/Level.h"

#include <vector>

#include "game/LevelData.h"

namespace bt {

namespace {

std::vector<std::shared_ptr<const Level>> levelsOfTable() {
  std::vector<std::shared_ptr<const Level>> levels;
  for (const LevelData& data : builtInLevels()) {
    levels.push_back(std::make_shared<const Level>(levelOf(data)));
  }
  return levels;
}

}  // namespace

Level levelOf(const LevelData& data) {
  Level level;
  level.side = data.side;
  for (const LevelPiece& p : data.markers) level.markers.push_back({p.column, p.row, p.colour});
  for (const LevelPiece& p : data.tiles) level.tiles.push_back({p.column, p.row, p.colour});
  return level;
}

std::shared_ptr<const Level> builtInLevel(int32_t levelIndex) {
  static const std::vector<std::shared_ptr<const Level>> levels = levelsOfTable();
  if (levelIndex < 0 || static_cast<size_t>(levelIndex) >= levels.size()) return nullptr;
  return levels[static_cast<size_t>(levelIndex)];
}

bool isPlayable(const Level& level) {
  if (level.side < kMinSide || level.side > kMaxSide) return false;
  const auto inside = [&](const Piece& p) {
    return p.column >= 1 && p.column <= level.side && p.row >= 1 && p.row <= level.side &&
           p.colour >= 1 && p.colour <= kColourCount;
  };
  for (const Piece& p : level.markers) {
    if (!inside(p)) return false;
  }
  for (const Piece& p : level.tiles) {
    if (!inside(p)) return false;
  }
  return true;
}

bool setUpBoard(Board& board, const Level& level) {
  if (level.side < kMinSide || level.side > kMaxSide) return false;
  resetBoard(board, static_cast<uint8_t>(level.side));
  for (const Piece& marker : level.markers) {
    placeMarker(board, marker.column, marker.row, marker.colour);
  }
  for (const Piece& tile : level.tiles) placeTile(board, tile.column, tile.row, tile.colour);
  return true;
}

}  // namespace bt
