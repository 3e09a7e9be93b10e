#pragma once
// The proof of a game's score: the moves that solved each level, level by
// level from level 1, in the notation of the recorded solutions ('U' 'D' 'L'
// 'R' move the cursor, '<' '>' turn the ring; game/Ring.h). Anyone holding
// the rules can replay it (game/Replay.h), so a score server checks a claimed score by counting the
// levels its proof solves.
//
// Text form, one line: each level's moves, levels joined by ','
// ("UU<L>L<L>,LUU<RR>DDDD<<LL>>"); the empty text proves no level. A level
// holds 1 to kMaxProofKeysPerLevel keys, the whole text at most
// kMaxProofTextBytes. The game shortens each level's moves first
// (shortenLevelMoves): a cursor run between two turns then costs at most 12
// keys on the largest board, so a level has room for 76 turns even when every
// run is that long, four times the most any level needs (18), and for
// several hundred at the usual two or three keys a run. The whole text has
// room for 22 times the recorded solutions of all 72 levels (1,465 keys).
// Pure and re-entrant: safe on any input.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/Board.h"
#include "game/LevelData.h"
#include "game/PuzzleBoard.h"
#include "game/Replay.h"

namespace bt {

inline constexpr size_t kMaxProofKeysPerLevel = 1000;
inline constexpr size_t kMaxProofTextBytes = 32 * 1024;
inline constexpr char kProofLevelSeparator = ',';

struct GameProof {
  std::vector<std::string> levels;  // levels[i]: the moves that solved level i + 1
  bool operator==(const GameProof&) const = default;
};

// Why a proof does not hold, as one line without its newline.
struct ProofRefusal {
  std::string reason;
};

// Nothing when every level of the proof is solved by its moves (the proof
// then solves proof.levels.size() levels from level 1); else why not, naming
// the first level that fails.
std::optional<ProofRefusal> checkProof(const GameProof& proof);

std::string formatProof(const GameProof& proof);
// Reads the text form; a refusal for a byte outside the notation, an empty
// level, a level over kMaxProofKeysPerLevel keys, more than kLevelCount
// levels or a text over kMaxProofTextBytes.
struct ParsedProof {
  std::optional<GameProof> proof;
  std::string refusal;  // empty when read
};
ParsedProof parseProof(std::string_view text);

// The same play of level levelIndex, shortened for its proof: moves the
// rules refuse are dropped; turns that bring the board back to an
// arrangement it had before are cut out with everything between (every
// arrangement the shortened play reaches, the play reached too, so it is
// solved exactly where the play was); and each run of cursor moves between
// two turns, before the first and after the last, becomes the straight path
// to where the run ended, first across, then up or down (cursor moves
// change no marker, and the cursor's places form a rectangle). An unknown
// level leaves `moves` as it is.
std::string shortenLevelMoves(int32_t levelIndex, std::string_view moves);

// The moves of a level continued from a saved game, counted from the
// level's start: `played`, the level's keys before the game was saved, when
// they replay from the level's start (each accepted, the board not solved
// before the last) to the saved board's cells; then the straight path from
// where they left the cursor to where the continued board has it (cursor
// moves change no marker), unless the board they give is solved. So the
// level's solve, played on from the continued board, replays from its
// start. nullopt when they do not give the saved board.
std::optional<std::string> resumedLevelMoves(int32_t levelIndex, std::string_view played,
                                             const Board& continued);

}  // namespace bt
