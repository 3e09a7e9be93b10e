#include "RecordsText.h"

namespace bt::scored {

std::string formatLevelRecords(const std::vector<MovesEntry>& fewestFirst) {
  std::string text;
  for (const MovesEntry& entry : fewestFirst) {
    text += std::to_string(entry.moves.size()) + ' ' + entry.name + '\n';
  }
  return text;
}

std::string formatLevelBests(const std::vector<LevelBest>& bests) {
  std::string text;
  for (const LevelBest& best : bests) {
    text += std::to_string(best.level) + ' ' + std::to_string(best.best.moves.size()) + ' ' +
            best.best.name + '\n';
  }
  return text;
}

std::string formatDailyList(const std::vector<DailyPuzzles::Day>& days,
                            const std::vector<PuzzleBest>& bests) {
  std::string text;
  for (const DailyPuzzles::Day& day : days) {
    text += puzzle::formatDate(day.date) + ' ' + day.id;
    for (const PuzzleBest& best : bests) {
      if (best.puzzle != day.id) continue;
      text += ' ' + std::to_string(best.best.moves.size()) + ' ' + best.best.name;
      break;
    }
    text += '\n';
  }
  return text;
}

}  // namespace bt::scored
