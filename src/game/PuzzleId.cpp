#include "game/PuzzleId.h"

#include <algorithm>
#include <array>

namespace bt::puzzle {
namespace {

constexpr std::string_view kSeedAlphabet = "0123456789abcdefghjkmnpqrstvwxyz";

// The value of a seed letter, taking the letters a person may type for one.
std::optional<uint32_t> seedValue(char letter) {
  char c = letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
  if (c == 'o') c = '0';
  if (c == 'i' || c == 'l') c = '1';
  const size_t at = kSeedAlphabet.find(c);
  if (at == std::string_view::npos) return std::nullopt;
  return static_cast<uint32_t>(at);
}

// Reads a number of one or two digits at text[at], moving at past it.
std::optional<int> readNumber(std::string_view text, size_t& at) {
  int value = 0;
  size_t digits = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 2) {
    value = value * 10 + (text[at] - '0');
    ++at;
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  return value;
}

bool readLetter(std::string_view text, size_t& at, char lower) {
  if (at >= text.size()) return false;
  const char c = text[at];
  if (c != lower && c != lower - 'a' + 'A') return false;
  ++at;
  return true;
}

std::optional<Difficulty> difficultyOf(char letter) {
  switch (letter) {
    case 'e':
    case 'E':
      return Difficulty::Easy;
    case 'm':
    case 'M':
      return Difficulty::Medium;
    case 'h':
    case 'H':
      return Difficulty::Hard;
    default:
      return std::nullopt;
  }
}

bool valid(const PuzzleSpec& spec) {
  if (spec.side < kMinPuzzleSide || spec.side > kMaxPuzzleSide) return false;
  if (spec.colours < 1 || spec.colours > 4 || spec.colours > spec.pairs) return false;
  const PairRange range = pairRange(spec.side, spec.difficulty);
  return spec.pairs >= range.least && spec.pairs <= range.most && spec.seed < kSeedCount;
}

}  // namespace

PairRange pairRange(int side, Difficulty difficulty) {
  // More pairs on a larger board; a harder puzzle has more of them to tangle.
  const int base = side <= 6 ? 3 : side <= 8 ? 4 : 5;
  switch (difficulty) {
    case Difficulty::Easy:
      return {2, base + 1};
    case Difficulty::Medium:
      return {base, base + 3};
    case Difficulty::Hard:
      return {base + 1, base + 5};
  }
  return {};
}

char difficultyLetter(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Easy:
      return 'e';
    case Difficulty::Medium:
      return 'm';
    case Difficulty::Hard:
      return 'h';
  }
  return '?';
}

const char* difficultyName(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Easy:
      return "easy";
    case Difficulty::Medium:
      return "medium";
    case Difficulty::Hard:
      return "hard";
  }
  return "?";
}

std::string formatPuzzleId(const PuzzleSpec& spec) {
  std::string id = std::to_string(spec.side) + 'c' + std::to_string(spec.colours) + 'p' +
                   std::to_string(spec.pairs) + difficultyLetter(spec.difficulty) + '-';
  std::array<char, kSeedLetters> letters{};
  uint32_t seed = spec.seed;
  for (int i = kSeedLetters - 1; i >= 0; --i) {
    letters[static_cast<size_t>(i)] = kSeedAlphabet[seed % 32];
    seed /= 32;
  }
  id.append(letters.begin(), letters.end());
  return id;
}

std::optional<PuzzleSpec> parsePuzzleId(std::string_view text) {
  PuzzleSpec spec;
  size_t at = 0;
  const auto side = readNumber(text, at);
  if (!side || !readLetter(text, at, 'c')) return std::nullopt;
  const auto colours = readNumber(text, at);
  if (!colours || !readLetter(text, at, 'p')) return std::nullopt;
  const auto pairs = readNumber(text, at);
  if (!pairs || at >= text.size()) return std::nullopt;
  const auto difficulty = difficultyOf(text[at++]);
  if (!difficulty || at >= text.size() || text[at++] != '-') return std::nullopt;
  if (text.size() - at != kSeedLetters) return std::nullopt;
  uint32_t seed = 0;
  for (; at < text.size(); ++at) {
    const auto value = seedValue(text[at]);
    if (!value) return std::nullopt;
    seed = seed * 32 + *value;
  }
  spec = {*side, *colours, *pairs, *difficulty, seed};
  if (!valid(spec)) return std::nullopt;
  return spec;
}

}  // namespace bt::puzzle
