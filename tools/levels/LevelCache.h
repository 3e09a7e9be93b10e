#pragma once
// What `generate` has finished, one small text file per level in a cache
// folder, so that a run that stops (a session ends, the machine is needed)
// resumes where it stopped: a level found in the cache is not designed or
// solved again. A file that is damaged, names another level or comes from
// another version of the designer is ignored, and the level is made afresh.
//
//   brambletop-levels cache 1 design 2
//   level 5
//   side 9
//   markers C,R,K C,R,K ...        column, row, colour from 1
//   tiles C,R,K ...
//   solution LD<UU>LU>R>R<
//   shortest 1
//   proven-at-least 13
//   scramble-turns 5
//   attempts 2
//   nodes 13053
//   seconds 0.01
#include <optional>
#include <string>
#include <string_view>

#include "levels/LevelDesigner.h"

namespace bt::levels {

// Bumped whenever the designer or the solver changes what a level or its
// figures come out as, so that old results are not reused.
inline constexpr int kDesignVersion = 4;

std::string cachedLevelText(int number, const DesignedLevel& level);
// The level when the text is a whole, current cache file for level `number`
// whose solution solves it; nullopt otherwise.
std::optional<DesignedLevel> parseCachedLevel(int number, std::string_view text);

std::string cachedLevelPath(const std::string& folder, int number);
std::optional<DesignedLevel> readCachedLevel(const std::string& folder, int number);
bool writeCachedLevel(const std::string& folder, int number, const DesignedLevel& level);

}  // namespace bt::levels
