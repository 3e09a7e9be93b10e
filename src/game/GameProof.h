#pragma once
// The proof of a game's score: the moves that solved each level, level by
// level from level 1, in the notation of the recorded solutions ('U' 'D' 'L'
// 'R' move the cursor, '<' '>' turn the ring). Anyone holding the rules can
// replay it, so a score server checks a claimed score by counting the levels
// its proof solves.
//
// Text form: each level's moves, levels joined by ',' ("UU<L>L<L>,LUU<R>").
// A level holds 1 to kMaxProofKeysPerLevel keys; the game shortens the cursor
// runs between turns to straight paths before it counts them, so a run costs
// at most 11 keys and a level has room for about 90 turns even when every run
// is that long, and for 400 at the usual 2 keys a run. Pure and re-entrant:
// safe on any input.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/LevelData.h"

namespace bt {

inline constexpr size_t kMaxProofKeysPerLevel = 1000;
inline constexpr char kProofLevelSeparator = ',';
// The longest text a proof of every level may take.
inline constexpr size_t kMaxProofTextBytes =
    static_cast<size_t>(kLevelCount) * (kMaxProofKeysPerLevel + 1) - 1;

struct GameProof {
  std::vector<std::string> levels;  // levels[i]: the moves that solved level i + 1
  bool operator==(const GameProof&) const = default;
};

// Whether `moves`, played with the rules from the start of level levelIndex
// (from 0), are all accepted and solve it with the last move and not before.
bool replaySolvesLevel(int32_t levelIndex, std::string_view moves);

// Why a proof does not hold, as one line without its newline.
struct ProofRefusal {
  std::string reason;
};

// Nothing when every level of the proof is solved by its moves (the proof
// then solves proof.levels.size() levels from level 1); else why not, naming
// the first level that fails.
std::optional<ProofRefusal> checkProof(const GameProof& proof);

std::string formatProof(const GameProof& proof);
// Reads the text form; nullopt, with the reason in `why` when given, for a
// byte outside the notation, an empty level, a level over
// kMaxProofKeysPerLevel keys or more than kLevelCount levels. The empty text
// is the proof of no level.
std::optional<GameProof> parseProof(std::string_view text, std::string* why = nullptr);

// The same play of level levelIndex with each run of cursor moves between
// two turns (and before the first, and after the last) replaced by a
// straight path to where the run ended: first across, then up or down.
// Cursor moves change no marker and the cursor's places form a rectangle,
// so the shortened moves solve the level exactly when the play did. Moves
// the rules refuse are dropped; an unknown level leaves `moves` as it is.
std::string shortenCursorRuns(int32_t levelIndex, std::string_view moves);

}  // namespace bt
