#include "main/RecordsReport.h"

#include "game/LevelPar.h"

namespace bt {

std::string recordsReport(const RecordBook& records) {
  std::string text;
  int solved = 0, atPar = 0;
  for (int level = 0; level < kLevelCount; ++level) {
    const PersonalRecord& record = records.level(level);
    if (!record.reached) continue;
    const int par = levelPar(level);
    text += std::to_string(level + 1) + ' ' +
            (record.solved ? std::to_string(record.best()) : std::string("-")) + ' ' +
            std::to_string(par) + '\n';
    solved += record.solved ? 1 : 0;
    atPar += record.solved && record.best() <= par ? 1 : 0;
  }
  text += std::to_string(solved) + " of " + std::to_string(kLevelCount) + " levels solved, " +
          std::to_string(atPar) + " at par\n";
  return text;
}

}  // namespace bt
