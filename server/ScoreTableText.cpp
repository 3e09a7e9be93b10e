#include "ScoreTableText.h"

#include "query/ScoreQuery.h"

namespace bt::scored {

std::string formatScoreTable(const std::vector<ScoreEntry>& bestFirst) {
  constexpr size_t kRows = 10;
  // A row written into the table by anything but this server is checked as
  // a submission is: one that could not have come in does not go out.
  std::vector<const ScoreEntry*> rows;
  for (const ScoreEntry& entry : bestFirst) {
    if (rows.size() < kRows && entry.score >= 0 && isScoreName(entry.name)) rows.push_back(&entry);
  }
  std::string text;
  text.reserve(kRows * 28);
  for (size_t row = rows.size(); row < kRows; ++row) {
    text += "0 ";
    text += kPaddingName;
    text += '\n';
  }
  for (size_t i = rows.size(); i-- > 0;) {
    text += std::to_string(rows[i]->score);
    text += ' ';
    text += rows[i]->name;
    text += '\n';
  }
  return text;
}

}  // namespace bt::scored
