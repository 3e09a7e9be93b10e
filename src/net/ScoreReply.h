#pragma once
// The score server's reply: up to ten pairs of a score and a name, every item
// separated by white space. The first pair is the tenth-best score, the last
// the best. A score is decimal, 0x hexadecimal or 0-prefixed octal, with an
// optional sign, and must fit 32 bits; a name is one run of non-blank bytes,
// kept to its first 15. Reading stops at the first item that does not match
// (or at a zero byte, where the text ends); the pairs read whole count.
#include <array>
#include <cstdint>
#include <string_view>

#include "app/ScoreTable.h"

namespace bt {

struct ScoreReply {
  // Pairs in reply order: pairs[0] goes to table entry 9.
  std::array<ScoreEntry, ScoreTable::kEntries> pairs{};
  int count = 0;
};

ScoreReply parseScoreReply(std::string_view body);

// Writes the reply's pairs into entries 9, 8, ...; entries the reply does not
// reach keep their content.
void applyScoreReply(const ScoreReply& reply, ScoreTable& table);

}  // namespace bt
