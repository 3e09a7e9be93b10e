#pragma once
// The player's files in the data folder, named once.
namespace bt {

inline constexpr const char* kSettingsFile = "settings.dat";
inline constexpr const char* kScoresFile = "highscores.dat";
inline constexpr const char* kSavedGameFile = "save.dat";
inline constexpr const char* kRecordsFile = "records.dat";
// The best of each daily puzzle (DailyBook), beside the records.
inline constexpr const char* kDailyFile = "daily.dat";
// The proof of the game in progress (GameProofFile), beside it.
inline constexpr const char* kProofFile = "proof.dat";
// The world's best of each level as last fetched (WorldBests).
inline constexpr const char* kWorldBestsFile = "worldbests.dat";

}  // namespace bt
