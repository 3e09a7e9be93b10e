#pragma once
// Everything of the player's that outlives a run, and the rules for reading
// and writing it: the seven files of the data folder (app/PlayerFile.h),
// each read through the one loader and damage policy
// (app/PlayerFileLoad.h) and written through the one atomic write; what the
// whole run keeps in memory (settings, score table, records, daily bests,
// world bests); and the saved game and the proof of play, read when a game
// needs them.
//
// A file left alone at its last load (unreadable, or damaged and not set
// aside) is never written over in this run: its write is refused quietly, as
// its warning came with the load. Any other failed write leaves the file as
// it was, is said in one warning line and is reported (the platform tells
// the player).
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/DailyBook.h"
#include "app/PlayerFile.h"
#include "app/PlayerFileLoad.h"
#include "app/RecordBook.h"
#include "app/ScoreTable.h"
#include "app/Settings.h"
#include "app/WorldBests.h"
#include "game/Board.h"
#include "game/SavedGame.h"
#include "storage/Paths.h"

namespace bt {

class PlayerData {
 public:
  // How a failed write reaches the player (Platform::reportSaveFailure).
  using FailureReport = std::function<void(const std::string& message)>;

  explicit PlayerData(Folders folders, FailureReport report = {});

  // Reads the files the whole run keeps: the settings, the score table, the
  // records, the daily bests and the world bests. Each load starts from the
  // fresh state.
  void load();
  PlayerFileState loadSettings();
  PlayerFileState loadScores();
  PlayerFileState loadRecords();
  PlayerFileState loadDaily();
  PlayerFileState loadWorldBests();

  Settings& settings() { return settings_; }
  const Settings& settings() const { return settings_; }
  ScoreTable& scores() { return scores_; }
  const ScoreTable& scores() const { return scores_; }
  RecordBook& records() { return records_; }
  const RecordBook& records() const { return records_; }
  DailyBook& daily() { return daily_; }
  const DailyBook& daily() const { return daily_; }
  const WorldBests& worldBests() const { return worldBests_; }

  // Each replaces its file with what is kept; false when it was not written.
  bool writeSettings();
  bool writeScores();
  bool writeRecords();
  bool writeDaily();
  // The world bests of an exchange replace the kept ones and their file.
  bool replaceWorldBests(WorldBests bests);

  // The game kept in "save.dat", for Continue; nullopt when it holds none
  // that can be played (missing, the empty file the main menu leaves, or
  // damaged or unreadable as the policy says).
  std::optional<SavedGame> readSavedGame();
  bool writeSavedGame(const Board& board);
  // The main menu's test for a game to confirm before a new one: "save.dat"
  // holds more than two bytes (probing creates a missing one empty, as the
  // phone's menu does) and the settings say a game is in progress.
  bool savedGameInProgress();

  // The proof of play's file, for GameProofFile.
  PlayerFileState loadProof(const PlayerFileDecoder& decode);
  bool writeProof(const std::vector<uint8_t>& bytes);

  std::string pathOf(PlayerFile file) const;

 private:
  PlayerFileState loadFile(PlayerFile file, const PlayerFileDecoder& decode);
  bool writeFile(PlayerFile file, const std::vector<uint8_t>& bytes);

  Folders folders_;
  FailureReport report_;
  std::array<bool, kPlayerFileCount> leftAlone_{};
  Settings settings_;
  ScoreTable scores_;
  RecordBook records_;
  DailyBook daily_;
  WorldBests worldBests_;
};

}  // namespace bt
