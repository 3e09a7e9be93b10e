#pragma once
// The world's best of each level as the score server last told the online
// score screen, kept in "worldbests.dat" beside the player's records, so
// that the level select shows it beside the player's best and par without a
// connection. Each fetch replaces the whole file.
//
// The file holds, framed as storage/FramedFile.h says (the magic "BTWB", a
// version byte, the sum): the version (1), the number of levels that have a
// best (2 bytes), then for each, in the order of the levels: the level (from
// 1, one byte), the best's count of moves (2 bytes, 1 or more), the length
// of the name (one byte, 1 to 15) and the name (A-Z 0-9). Version 2, written
// when the server told how many players hold the best and how many solved
// the level, adds those two counts after each name (4 bytes each, the first
// no more than the second). Multi-byte values least significant byte first.
// Anything else is a damaged file.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "game/LevelData.h"

namespace bt {

// A level's fewest moves, the first name to reach them, and, from a server
// that counts them, how many players hold them and how many solved the
// level (0 and 0 when not told): a proof shows that moves solve a level, not
// who found them, so the world's table counts names rather than ranking them.
struct WorldBest {
  int32_t moves = 0;
  std::string name;
  uint32_t atBest = 0;
  uint32_t players = 0;
  bool operator==(const WorldBest&) const = default;
};

class WorldBests {
 public:
  // Only a best of a level of the game, of 1 to 65535 moves, by a name of 1
  // to 15 of A-Z 0-9, with no more players at it than solved the level, is
  // taken; false for anything else.
  bool set(int levelIndex, const WorldBest& best);
  // nullptr when the level's best is not known.
  const WorldBest* level(int levelIndex) const;

  std::vector<uint8_t> encode() const;
  static std::optional<WorldBests> decode(std::span<const uint8_t> bytes);
  // The longest file encode can write.
  static size_t maxFileBytes();

  bool operator==(const WorldBests&) const = default;

 private:
  std::array<std::optional<WorldBest>, kLevelCount> levels_{};
};

}  // namespace bt
