#include "screens/RecordsExchange.h"

#include <algorithm>

#include "app/Application.h"
#include "app/DataFiles.h"
#include "app/WorldBests.h"
#include "net/RecordsReply.h"

namespace bt {

ExchangeExtras recordExtras(const Application& app) {
  ExchangeExtras extras;
  extras.fetchWorldRecords = true;
  const auto& initials = app.scores().lastInitials;
  const std::string name(initials.begin(), std::find(initials.begin(), initials.end(), '\0'));
  if (!isRecordName(name)) return extras;
  for (int level = 0; level < kLevelCount; ++level) {
    const PersonalRecord& record = app.records().level(level);
    if (record.solved && !record.sent)
      extras.records.push_back(levelRecord(level + 1, name, record.moves));
  }
  return extras;
}

void takeRecordsOutcome(Application& app, const ExchangeExtras& sent,
                        const ExtrasOutcome& outcome) {
  bool settled = false;
  for (size_t i = 0; i < sent.records.size() && i < outcome.records.size(); ++i) {
    if (outcome.records[i] == RecordOutcome::NotSent) continue;
    const RecordSubmission& record = sent.records[i];
    const std::optional<int32_t> level = levelOf(record);
    if (level) settled = app.records().markSent(*level - 1, record.moves) || settled;
  }
  if (settled) app.writeRecords();
  if (!outcome.worldRecords) return;
  WorldBests bests;
  for (const WorldRecord& world : *outcome.worldRecords) {
    bests.set(world.level - 1, {world.best.moves, world.best.name});
  }
  app.writeDataFile(kWorldBestsFile, "the world's bests", bests.encode());
}

}  // namespace bt
