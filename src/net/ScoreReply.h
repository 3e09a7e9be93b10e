#pragma once
// The score server's reply: up to ten pairs of a score and a name, every item
// separated by white space. The first pair is the tenth-best score, the last
// the best. A score is decimal, 0x hexadecimal or 0-prefixed octal, with an
// optional sign, and must fit 32 bits; a name is one run of non-blank bytes,
// kept to its first 15. Reading stops at the first item that does not match
// (or at a zero byte, where the text ends); the pairs read whole count.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace bt {

inline constexpr int kScoreReplyPairs = 10;
inline constexpr size_t kScoreNameBytes = 16;  // a name of at most 15 bytes and its zero

struct ScorePair {
  std::array<char, kScoreNameBytes> name;  // zero-terminated
  int32_t score;
};

struct ScoreReply {
  // Pairs in reply order, the tenth-best first.
  std::array<ScorePair, kScoreReplyPairs> pairs{};
  int count = 0;
};

ScoreReply parseScoreReply(std::string_view body);

}  // namespace bt
