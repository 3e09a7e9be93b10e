#pragma once
// The reply to both requests: ten lines "SCORE NAME", the lowest of the ten
// first and the best last, since the game fills its table from the bottom.
// Fewer than ten scores are padded at the low end with "0 AAAAAAAAAAAAAAA",
// so the best always lands at the top.
#include <string>
#include <vector>

#include "ScoreStore.h"

namespace bt::scored {

inline constexpr const char* kPaddingName = "AAAAAAAAAAAAAAA";

// `bestFirst` as the store gives it; entries past ten are left out, and so
// is a row whose name or score a submission could not have (a name with a
// line break would forge a line).
std::string formatScoreTable(const std::vector<ScoreEntry>& bestFirst);

}  // namespace bt::scored
