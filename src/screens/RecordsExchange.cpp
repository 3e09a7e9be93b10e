#include "screens/RecordsExchange.h"

#include <algorithm>
#include <utility>

#include "app/PlayerData.h"
#include "app/WorldBests.h"
#include "game/LevelPar.h"
#include "net/RecordsReply.h"

namespace bt {
namespace {

// The day whose puzzle the id names, if the book has it.
const DailyBest* dayOf(const DailyBook& book, std::string_view id) {
  const auto& days = book.days();
  const auto found =
      std::find_if(days.begin(), days.end(), [&](const DailyBest& day) { return day.id == id; });
  return found == days.end() ? nullptr : &*found;
}

// A level's best the server could hold: a level of the game, in no fewer
// moves than the level's proven par.
bool couldBeTrue(const WorldRecord& world) {
  const int levelIndex = world.level - 1;
  if (levelIndex < 0 || levelIndex >= kLevelCount) return false;
  return !levelParProven(levelIndex) || world.best.moves >= levelPar(levelIndex);
}

}  // namespace

ExchangeExtras recordExtras(const PlayerData& player) {
  ExchangeExtras extras;
  extras.fetchWorldRecords = true;
  const auto& initials = player.scores().lastInitials;
  const std::string name(initials.begin(), std::find(initials.begin(), initials.end(), '\0'));
  if (!isRecordName(name)) return extras;
  // The daily puzzles first: the server takes them for 30 days only.
  for (const DailyBest& day : player.daily().unsent()) {
    extras.records.push_back(puzzleRecord(day.id, name, day.moves));
  }
  for (int level = 0; level < kLevelCount; ++level) {
    const PersonalRecord& record = player.records().level(level);
    if (record.solved && !record.sent)
      extras.records.push_back(levelRecord(level + 1, name, record.moves));
  }
  return extras;
}

void takeRecordsOutcome(PlayerData& player, const ExchangeExtras& sent,
                        const ExtrasOutcome& outcome) {
  bool settled = false, dailySettled = false;
  for (size_t i = 0; i < sent.records.size() && i < outcome.records.size(); ++i) {
    if (outcome.records[i] == RecordOutcome::NotSent) continue;
    const RecordSubmission& record = sent.records[i];
    if (const std::optional<int32_t> level = levelOf(record)) {
      settled = player.records().markSent(*level - 1, record.moves) || settled;
    } else if (const DailyBest* day = dayOf(player.daily(), record.key)) {
      dailySettled = player.daily().markSent(std::string(day->date), record.moves) || dailySettled;
    }
  }
  if (settled) player.writeRecords();
  if (dailySettled) player.writeDaily();
  if (!outcome.worldRecords) return;
  WorldBests bests;
  bool any = false;
  for (const WorldRecord& world : *outcome.worldRecords) {
    if (!couldBeTrue(world)) continue;
    WorldBest best{world.best.moves, world.best.name, 0, 0};
    for (const WorldRecordPlayers& counted : outcome.worldRecordPlayers) {
      if (counted.level != world.level || counted.atBest > counted.players ||
          counted.players > UINT32_MAX) {
        continue;
      }
      best.atBest = static_cast<uint32_t>(counted.atBest);
      best.players = static_cast<uint32_t>(counted.players);
    }
    bests.set(world.level - 1, best);
    any = true;
  }
  // A reply with nothing true in it says nothing of the world: the bests
  // fetched before stay.
  if (any) player.replaceWorldBests(std::move(bests));
}

}  // namespace bt
