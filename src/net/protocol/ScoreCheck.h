#pragma once
// What the game and the score server agree on, kept apart from both so that
// each links only this: the game id, the request path and the check value that
// goes with a submitted score.
#include <cstdint>

namespace bt {

// The game's id in the score server's table.
inline constexpr const char* kScoreGameId = "brambletop";
// The path both requests go to; the query names the game, and for a submit the
// name, score and check value.
inline constexpr const char* kScorePath = "/highscorescript/highscore.asp";
// The server's port when none is given.
inline constexpr uint16_t kScoreServerPort = 8750;

// (score + 12) x 11 in 32-bit signed arithmetic that wraps like the phone's,
// without the undefined behaviour of signed overflow.
constexpr int32_t scoreCheckValue(int32_t score) {
  const uint32_t wrapped = (static_cast<uint32_t>(score) + 12u) * 11u;
  return static_cast<int32_t>(wrapped);
}

static_assert(scoreCheckValue(100) == 1232);

}  // namespace bt
