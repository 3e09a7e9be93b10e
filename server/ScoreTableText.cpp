#include "ScoreTableText.h"

namespace bt::scored {

std::string formatScoreTable(const std::vector<ScoreEntry>& bestFirst) {
  constexpr size_t kRows = 10;
  const size_t filled = bestFirst.size() < kRows ? bestFirst.size() : kRows;
  std::string text;
  text.reserve(kRows * 28);
  for (size_t row = 0; row < kRows - filled; ++row) {
    text += "0 ";
    text += kPaddingName;
    text += '\n';
  }
  for (size_t i = filled; i-- > 0;) {
    text += std::to_string(bestFirst[i].score);
    text += ' ';
    text += bestFirst[i].name;
    text += '\n';
  }
  return text;
}

}  // namespace bt::scored
