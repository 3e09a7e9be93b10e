#pragma once
// The one replay of a recorded play, which every check of a solve calls: the
// records, the daily bests, the proof of a game and the score server.
// Pure and re-entrant: safe on any input.
#include <cstdint>
#include <string_view>

#include "game/Level.h"

namespace bt {

// Whether `moves` (the letters of game/Ring.h), played from the level's
// start, are all accepted and solve it with the last move and not before:
// the game ends a level at the turn that solves it, so a play that passes
// through the solved position and leaves it is no solve. False for an empty
// play and for a level that is not playable.
bool replaySolves(const Level& level, std::string_view moves);

// The same from the start of built-in level levelIndex (from 0); false for
// an index without a level.
bool replaySolvesLevel(int32_t levelIndex, std::string_view moves);

}  // namespace bt
