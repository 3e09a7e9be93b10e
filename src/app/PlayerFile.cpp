#include "app/PlayerFile.h"

#include <array>

#include "app/DailyBook.h"
#include "app/DataFiles.h"
#include "app/GameProofFile.h"
#include "app/RecordBook.h"
#include "app/ScoreTable.h"
#include "app/Settings.h"
#include "app/WorldBests.h"
#include "game/SavedGame.h"
#include "storage/StoredFile.h"

namespace bt {
namespace {

std::array<PlayerFileFormat, kPlayerFileCount> makeFormats() {
  return {{
      {kSettingsFile, "the settings", "the default settings are used", kSettingsFileBytes, true},
      {kScoresFile, "the scores", "the default score table is used", kScoreFileBytes, true},
      {kSavedGameFile, "the game", "a new game starts", maxStoredFileBytes(kSavedGameBytes), true},
      {kRecordsFile, "the records", "the records start afresh", RecordBook::maxFileBytes(), false},
      {kDailyFile, "the daily bests", "the daily bests start afresh", DailyBook::maxFileBytes(),
       false},
      {kProofFile, "the proof of play", "this game's score has no proof",
       GameProofFile::maxFileBytes(), false},
      {kWorldBestsFile, "the world's bests", "no world's best is shown until the next exchange",
       WorldBests::maxFileBytes(), false},
  }};
}

}  // namespace

const PlayerFileFormat& formatOf(PlayerFile file) {
  static const std::array<PlayerFileFormat, kPlayerFileCount> formats = makeFormats();
  return formats[static_cast<size_t>(file)];
}

}  // namespace bt
