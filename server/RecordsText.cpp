#include "RecordsText.h"

#include "net/protocol/RecordsProtocol.h"
#include "query/ScoreQuery.h"

namespace bt::scored {
namespace {

// "players WHAT AT ALL\n"
std::string playersLine(const std::string& what, int64_t atBest, int64_t players) {
  std::string line(kPlayersWord);
  line += ' ' + what + ' ' + std::to_string(atBest) + ' ' + std::to_string(players) + '\n';
  return line;
}

}  // namespace

std::string formatRecordsTable(const RecordsTable& table) {
  std::string text;
  if (table.tallies.empty()) return text;
  const std::string fewest = std::to_string(table.tallies.front().count);
  for (const std::string& name : table.firstToFewest) {
    if (isScoreName(name)) text += fewest + ' ' + name + '\n';
  }
  for (const MovesTally& tally : table.tallies) {
    text += std::string(kPlayersWord) + ' ' + std::to_string(tally.count) + ' ' +
            std::to_string(tally.players) + '\n';
  }
  text += std::string(kPlayersWord) + ' ' + std::string(kAllPlayersWord) + ' ' +
          std::to_string(table.players) + '\n';
  return text;
}

std::string formatLevelBests(const std::vector<LevelBest>& bests) {
  std::string text;
  for (const LevelBest& level : bests) {
    if (!isScoreName(level.best.first)) continue;
    text += std::to_string(level.level) + ' ' + std::to_string(level.best.count) + ' ' +
            level.best.first + '\n';
  }
  for (const LevelBest& level : bests) {
    const std::string line =
        playersLine(std::to_string(level.level), level.best.atBest, level.best.players);
    if (text.size() + line.size() > kMaxLevelBestsReplyBytes) break;
    text += line;
  }
  return text;
}

std::string formatDailyList(const std::vector<DailyPuzzles::Day>& days,
                            const std::vector<PuzzleBest>& bests) {
  std::string text, counts;
  for (const DailyPuzzles::Day& day : days) {
    text += puzzle::formatDate(day.date) + ' ' + day.id;
    for (const PuzzleBest& puzzle : bests) {
      if (puzzle.puzzle != day.id) continue;
      if (isScoreName(puzzle.best.first)) {
        text += ' ' + std::to_string(puzzle.best.count) + ' ' + puzzle.best.first;
      }
      counts += playersLine(day.id, puzzle.best.atBest, puzzle.best.players);
      break;
    }
    text += '\n';
  }
  return text + counts;
}

}  // namespace bt::scored
