#pragma once
// The name of a puzzle of the endless mode: a short text a person can read
// aloud and type, that gives the side, the colours, the pairs, the
// difficulty and a seed. "8c3p6m-k4x9q" is side 8, three colours, six pairs,
// medium, seed k4x9q. The seed is five letters of a base-32 alphabet without
// i, l, o and u (so no letter is taken for another), 2^25 seeds in all. The
// same id always makes the same puzzle (PuzzleGenerator.h).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bt::puzzle {

enum class Difficulty { Easy, Medium, Hard };

struct PuzzleSpec {
  int side = 0;     // 5 to 10
  int colours = 0;  // 1 to 4, at most pairs
  int pairs = 0;    // within the difficulty's range for the side
  Difficulty difficulty = Difficulty::Medium;
  uint32_t seed = 0;  // below kSeedCount
  friend bool operator==(const PuzzleSpec&, const PuzzleSpec&) = default;
};

inline constexpr int kSeedLetters = 5;
inline constexpr uint32_t kSeedCount = 1u << (5 * kSeedLetters);
inline constexpr int kMinPuzzleSide = 5;
inline constexpr int kMaxPuzzleSide = 10;

struct PairRange {
  int least = 0;
  int most = 0;
};
// The pairs a puzzle of this side and difficulty may have.
PairRange pairRange(int side, Difficulty difficulty);

// The id of a puzzle's side, colours, pairs, difficulty and seed (all in
// range), in lower case.
std::string formatPuzzleId(const PuzzleSpec& spec);
// The side, colours, pairs, difficulty and seed an id names; nullopt when
// the text is not an id or names a puzzle that cannot be (a side, colours
// or pairs out of range). Upper case is taken, and so are o for 0 and i or
// l for 1, as a person may type them.
std::optional<PuzzleSpec> parsePuzzleId(std::string_view text);

char difficultyLetter(Difficulty difficulty);
const char* difficultyName(Difficulty difficulty);

}  // namespace bt::puzzle
